#include "LineExplanations.h"

#include "Explanation.h"
#include "ExplanationWindow.h"
#include "HaberesSheet.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace pagaluz::ui {

namespace {

constexpr int kToolTipWidth = 560; // pixels

} // namespace

LineExplanations::LineExplanations(HaberesSheet &sheet, QWidget &windowParent)
    : QObject(&sheet), m_sheet(sheet), m_windowParent(windowParent)
{
    // Tool-tip and mouse events the cells of a row leave alone reach the sheet.
    m_sheet.installEventFilter(this);
}

LineExplanations::~LineExplanations() = default;

void LineExplanations::setPayslip(const Payslip &payslip,
                                  std::shared_ptr<const PayslipExplanation> explanation)
{
    m_explanation = std::move(explanation);
    m_decimalSeparator = payslip.conventions().decimalSeparator;
    m_headings.clear();
    for (const PayslipLine &line : payslip.lines())
        m_headings.push_back(
            QString::fromStdString(line.code + " " + line.conceptText + "   " + line.amountText));
    if (m_window && m_window->isVisible()) {
        if (explains(m_shownRow))
            showLine(m_shownRow);
        else
            closeWindow();
    }
}

void LineExplanations::closeWindow()
{
    if (m_window)
        m_window->hide();
}

bool LineExplanations::explains(int row) const
{
    return m_explanation && row >= 0 && static_cast<std::size_t>(row) < m_headings.size() &&
           static_cast<std::size_t>(row) < m_explanation->lines.size();
}

void LineExplanations::showLine(int row)
{
    if (!m_window)
        m_window = new ExplanationWindow(&m_windowParent);
    m_shownRow = row;
    m_window->showExplanation(m_headings[static_cast<std::size_t>(row)],
                              *m_explanation->lines[static_cast<std::size_t>(row)],
                              m_explanation->notes, m_decimalSeparator);
}

bool LineExplanations::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_sheet)
        return false;
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const int row = m_sheet.lineAt(help->pos());
        if (!explains(row))
            return false;
        const std::string &sentence = m_explanation->lines[static_cast<std::size_t>(row)]->text;
        QToolTip::showText(help->globalPos(),
                           ExplanationWindow::wrapped(QString::fromStdString(sentence),
                                                      QFontMetrics(QToolTip::font()),
                                                      kToolTipWidth) +
                               QStringLiteral("\n(Un clic en la línea: cómo se calculó.)"),
                           &m_sheet);
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const int row = m_sheet.lineAt(mouse->position().toPoint());
        if (mouse->button() != Qt::LeftButton || !explains(row))
            return false;
        showLine(row);
        return true;
    }
    return false;
}

} // namespace pagaluz::ui
