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
    connect(&m_sheet, &HaberesSheet::partActivated, this, [this](int part) {
        if (explains(part))
            showLine(part);
    });
}

LineExplanations::~LineExplanations() = default;

void LineExplanations::setPayslip(const Payslip &payslip,
                                  std::shared_ptr<const PayslipExplanation> explanation)
{
    m_explanation = std::move(explanation);
    m_decimalSeparator = payslip.conventions().decimalSeparator;
    m_names.clear();
    m_headings.clear();
    for (const PayslipLine &line : payslip.lines()) {
        m_names.push_back(QString::fromStdString(line.code + " " + line.conceptText));
        m_headings.push_back(m_names.back() + QString::fromStdString("   " + line.amountText));
    }
    closeWindow();
    std::array<QString, HaberesSheet::kParts> descriptions;
    for (int part = 0; part < HaberesSheet::kParts; ++part)
        if (const ExplanationNode *node = nodeOf(part))
            descriptions[static_cast<std::size_t>(part)] = QString::fromStdString(node->text);
    m_sheet.setPartDescriptions(std::move(descriptions));
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
    return total >= 0 ? HaberesSheet::kFirstTotalPart + total : -1;
}

const ExplanationNode *LineExplanations::nodeOf(int part) const
{
    if (!m_explanation || part < 0)
        return nullptr;
    if (part >= HaberesSheet::kFirstTotalPart) {
        const std::array totals{m_explanation->totalEarnings.get(),
                                m_explanation->totalDeductions.get(), m_explanation->netPay.get()};
        const auto total = static_cast<std::size_t>(part - HaberesSheet::kFirstTotalPart);
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
    const bool total = part >= HaberesSheet::kFirstTotalPart;
    const QString heading = total ? m_sheet.totalHeading(part - HaberesSheet::kFirstTotalPart)
                                  : m_headings[static_cast<std::size_t>(part)];
    // A total's heading is its caption, blanks and its amount.
    const QString name = total ? heading.section(QStringLiteral("   "), 0, 0)
                               : m_names[static_cast<std::size_t>(part)];
    m_window->showExplanation(name, heading, *nodeOf(part), m_explanation->notes,
                              m_decimalSeparator);
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
        const QString hint = part >= HaberesSheet::kFirstTotalPart
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
        m_sheet.setFocusedPart(part);
        showLine(part);
        return true;
    }
    return false;
}

} // namespace pagaluz::ui
