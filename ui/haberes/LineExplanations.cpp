#include "LineExplanations.h"

#include "Explanation.h"
#include "ExplanationWindow.h"
#include "HaberesSheet.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

#include <array>

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

int LineExplanations::partAt(const QPoint &pixels) const
{
    const int row = m_sheet.lineAt(pixels);
    if (row >= 0)
        return row;
    const int total = m_sheet.totalAt(pixels);
    return total >= 0 ? kFirstTotal + total : -1;
}

const ExplanationNode *LineExplanations::nodeOf(int part) const
{
    if (!m_explanation || part < 0)
        return nullptr;
    if (part >= kFirstTotal) {
        const std::array totals{m_explanation->totalEarnings.get(),
                                m_explanation->totalDeductions.get(), m_explanation->netPay.get()};
        const auto total = static_cast<std::size_t>(part - kFirstTotal);
        return total < totals.size() ? totals[total] : nullptr;
    }
    const auto row = static_cast<std::size_t>(part);
    return row < m_headings.size() && row < m_explanation->lines.size()
               ? m_explanation->lines[row].get()
               : nullptr;
}

void LineExplanations::showLine(int part)
{
    if (!m_window)
        m_window = new ExplanationWindow(&m_windowParent);
    m_shownRow = part;
    const QString heading = part >= kFirstTotal ? m_sheet.totalHeading(part - kFirstTotal)
                                                : m_headings[static_cast<std::size_t>(part)];
    m_window->showExplanation(heading, *nodeOf(part), m_explanation->notes, m_decimalSeparator);
}

bool LineExplanations::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_sheet)
        return false;
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const int part = partAt(help->pos());
        if (!explains(part))
            return false;
        const QString hint = part >= kFirstTotal
                                 ? QStringLiteral("\n(Un clic en el total: cómo se calculó.)")
                                 : QStringLiteral("\n(Un clic en la línea: cómo se calculó.)");
        QToolTip::showText(help->globalPos(),
                           ExplanationWindow::wrapped(QString::fromStdString(nodeOf(part)->text),
                                                      QFontMetrics(QToolTip::font()),
                                                      kToolTipWidth) +
                               hint,
                           &m_sheet);
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const int part = partAt(mouse->position().toPoint());
        if (mouse->button() != Qt::LeftButton || !explains(part))
            return false;
        showLine(part);
        return true;
    }
    return false;
}

} // namespace pagaluz::ui
