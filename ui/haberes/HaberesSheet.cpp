#include "HaberesSheet.h"

#include "HaberesSheetAccessible.h"
#include "HaberesStyle.h"
#include "ReferencePointsNotice.h"
#include "SheetPlacement.h"
#include "SheetRule.h"
#include "Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace pagaluz::ui {

namespace {

// The grid: row r occupies 735 + 315·r to 1035 + 315·r, its rule lies at
// 1050 + 315·r, and every rule runs from x 300 to x 6570.
constexpr int kGridTop = 735;
constexpr int kRowPitch = 315;
constexpr int kRowHeight = 300;
constexpr int kFirstRowRule = 1050;
constexpr int kRuleLeft = 300;
constexpr int kRuleRight = 6570;

constexpr int rowTop(int row)
{
    return kGridTop + kRowPitch * row;
}

struct TextColumn {
    const char *name;
    int left;
    int right;
    Qt::Alignment alignment;
};
constexpr TextColumn kCodeColumn{"cod", 510, 1005, Qt::AlignRight};
constexpr TextColumn kQuantityColumn{"Label10", 1140, 1635, Qt::AlignRight};
constexpr TextColumn kConceptColumn{"Label19", 1770, 4125, Qt::AlignLeft};

// Right edges of the earnings and the deductions amounts, and where their room starts: clear
// of the rule on the column's left, Line2 or Line1.
constexpr int kEarningsRight = 5250;
constexpr int kDeductionsRight = 6450;
constexpr int kRuleClearance = 45;
constexpr int kEarningsLeft = 4185 + kRuleClearance;
constexpr int kDeductionsLeft = 5340 + kRuleClearance;

struct ColumnRule {
    const char *name;
    int x;
};
constexpr std::array<ColumnRule, 6> kColumnRules{{
    {"Line3_1", 300},
    {"Line7", 1035},
    {"Line5", 1665},
    {"Line2", 4185},
    {"Line1", 5340},
    {"Line3_0", 6570},
}};

// The totals block, its heights counted from 315·n for n lines.
constexpr int kThickRuleOffset = 1050;
constexpr int kThickRuleWidth = 3;
struct TotalRow {
    const char *captionName;
    const char *caption;
    const char *amountName;
    int amountLeft;
    int amountRight;
    int topOffset;
    const char *ruleName;
    int ruleOffset;
};
constexpr std::array<TotalRow, 3> kTotalRows{{
    // "Total Haberes" ends where the earnings do: any further right it would cross Line1.
    {"Label15", "Total Haberes", "thaberes", kEarningsLeft, kEarningsRight, 1250, "Line15", 1550},
    {"Label16", "Total descuentos", "tdescuentos", kDeductionsLeft, 6475, 1650, "Line16", 1950},
    {"Label17", "Liquido a pagar", "liquido", kDeductionsLeft, 6475, 2050, "Line17", 2350},
}};
constexpr int kCaptionLeft = 1770;
constexpr int kCaptionWidth = 1600;
constexpr int kTotalHeight = 330;

// The note of reference points: under the last rule of the totals, as wide
// as the table. With the most lines a payslip can have it still ends inside
// the sheet.
constexpr int kNoteOffset = 2500;
constexpr int kNoteHeight = 330;

// Where the caption starts on the sheet's top border, in pixels.
constexpr int kCaptionIndent = 8;

// The mark of the focused part: a dashed frame this far inside the part's rules, in pixels.
constexpr int kMarkInset = 2;
constexpr int kMarkWidth = 2;

QString indexedName(const char *arrayName, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(arrayName)).arg(index);
}

void setBordered(QLabel &label)
{
    label.setFrameStyle(QFrame::Box | QFrame::Plain);
}

} // namespace

HaberesSheet::HaberesSheet(QWidget *parent) : QGroupBox(QStringLiteral("Recibo de haberes"), parent)
{
    installHaberesSheetAccessible();
    setObjectName(QStringLiteral("sosten"));
    setFocusPolicy(Qt::StrongFocus);
    setBackground(*this, kSheetColour);
    buildNameLine();
    buildGrid();
    buildGridRules();
    buildTotalsBlock();
    buildNote();
    clearGrid();
    placeTotalsBlock(0);
}

void HaberesSheet::clearGrid()
{
    for (int row = 0; row < kRows; ++row) {
        m_codeCells[row]->hide();
        m_quantityCells[row]->hide();
        m_conceptCells[row]->hide();
        m_amountCells[row]->hide();
        m_amountCells[row + kRows]->hide();
        m_rowRules[row]->hide();
    }
    m_focusedPart = -1;
    update();
}

void HaberesSheet::showLine(const PayslipLine &line)
{
    const int row = line.row;
    Q_ASSERT(row >= 0 && row < kRows);
    m_codeCells[row]->setText(QString::fromStdString(line.code));
    m_quantityCells[row]->setText(QString::fromStdString(line.quantity));
    m_conceptCells[row]->setText(QString::fromStdString(line.conceptText));
    const bool deduction = line.column == AmountColumn::Deductions;
    QLabel &amount = *m_amountCells[deduction ? row + kRows : row];
    amount.setText(QString::fromStdString(line.amountText));
    placeAmount(amount, largerFont(), deduction ? kDeductionsLeft : kEarningsLeft,
                deduction ? kDeductionsRight : kEarningsRight, rowTop(row), kRowHeight);
    const std::array<QWidget *, 5> cells{m_codeCells[row], m_quantityCells[row],
                                         m_conceptCells[row], &amount, m_rowRules[row]};
    for (QWidget *cell : cells)
        cell->show();
}

void HaberesSheet::placeTotalsBlock(int lineCount)
{
    const int base = kRowPitch * lineCount;
    m_thickRule->moveToY(base + kThickRuleOffset);
    for (std::size_t i = 0; i < kTotalRows.size(); ++i) {
        const TotalRow &total = kTotalRows[i];
        const int top = base + total.topOffset;
        placeInTwips(*m_totalCaptions[i], QRect(kCaptionLeft, top, kCaptionWidth, kTotalHeight));
        placeAmount(*m_totalAmounts[i], largerFont(true), total.amountLeft, total.amountRight, top,
                    kTotalHeight);
        m_totalRules[i]->moveToY(base + total.ruleOffset);
    }
    const int tableBottom = base + kTotalRows.back().ruleOffset;
    for (SheetRule *rule : m_columnRules)
        rule->setLowerEnd(tableBottom);
    placeInTwips(*m_referencePointsNote,
                 QRect(kRuleLeft, base + kNoteOffset, kRuleRight - kRuleLeft, kNoteHeight));
}

void HaberesSheet::showReferencePointsNote(bool shown)
{
    m_referencePointsNote->setVisible(shown);
}

void HaberesSheet::showTotals(const Payslip &payslip)
{
    const std::array texts{payslip.totalEarningsText(), payslip.totalDeductionsText(),
                           payslip.netPayText()};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        QLabel &amount = *m_totalAmounts[i];
        amount.setText(QString::fromStdString(texts[i]));
        const QRect place = twipsGeometry(amount);
        placeAmount(amount, largerFont(true), kTotalRows[i].amountLeft, kTotalRows[i].amountRight,
                    place.top(), place.height());
    }
}

void HaberesSheet::setTeacherName(const QString &name)
{
    // A long name is written smaller, as the amounts are, so that its start stays in its box.
    m_teacherName->setText(name);
    fitFont(*m_teacherName, font(), twipsGeometry(*m_teacherName).width());
}

int HaberesSheet::lineAt(const QPoint &pixels) const
{
    const int x = pixelsToTwips(pixels.x());
    const int y = pixelsToTwips(pixels.y());
    if (x < kRuleLeft || x > kRuleRight || y < kGridTop)
        return -1;
    const int row = (y - kGridTop) / kRowPitch;
    return row < kRows && !m_codeCells[row]->isHidden() ? row : -1;
}

int HaberesSheet::totalAt(const QPoint &pixels) const
{
    // Taller than their rows, a total's labels may reach into the next: the lower one counts.
    int found = -1;
    for (std::size_t i = 0; i < m_totalCaptions.size(); ++i) {
        if (m_totalCaptions[i]->geometry().contains(pixels) ||
            m_totalAmounts[i]->geometry().contains(pixels))
            found = static_cast<int>(i);
    }
    return found;
}

QString HaberesSheet::totalHeading(int index) const
{
    const auto at = static_cast<std::size_t>(index);
    return m_totalCaptions.at(at)->text() + QStringLiteral("   ") + m_totalAmounts.at(at)->text();
}

void HaberesSheet::setFocusedPart(int part)
{
    if (!partShown(part) || part == m_focusedPart)
        return;
    m_focusedPart = part;
    update();
    if (hasFocus())
        tellFocusedPart();
}

QString HaberesSheet::partDescription(int part) const
{
    return part >= 0 && part < kParts ? m_descriptions[static_cast<std::size_t>(part)] : QString();
}

void HaberesSheet::setPartDescriptions(std::array<QString, kParts> descriptions)
{
    m_descriptions = std::move(descriptions);
}

bool HaberesSheet::partShown(int part) const
{
    if (part >= kFirstTotalPart)
        return part < kParts;
    return part >= 0 && !m_codeCells[part]->isHidden();
}

int HaberesSheet::nextPart(int part, int step) const
{
    for (int next = part + step; next >= 0 && next < kParts; next += step)
        if (partShown(next))
            return next;
    return part;
}

// A row from its upper rule to its own, across the grid; a total around its caption and amount.
QRect HaberesSheet::partRect(int part) const
{
    if (part >= kFirstTotalPart) {
        const auto total = static_cast<std::size_t>(part - kFirstTotalPart);
        return m_totalCaptions[total]->geometry() | m_totalAmounts[total]->geometry();
    }
    return twipsRect(kRuleLeft, rowTop(part), kRuleRight - kRuleLeft, kRowPitch);
}

void HaberesSheet::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        setFocusedPart(nextPart(m_focusedPart, event->key() == Qt::Key_Down ? 1 : -1));
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (partShown(m_focusedPart))
            emit partActivated(m_focusedPart);
        return;
    default:
        QGroupBox::keyPressEvent(event);
    }
}

bool HaberesSheet::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
        keyPressEvent(static_cast<QKeyEvent *>(event));
        return true;
    }
    return QGroupBox::event(event);
}

// The focus lands on the first line when none was focused yet.
void HaberesSheet::focusInEvent(QFocusEvent *event)
{
    QGroupBox::focusInEvent(event);
    if (!partShown(m_focusedPart))
        m_focusedPart = nextPart(-1, 1);
    update();
    tellFocusedPart();
}

void HaberesSheet::focusOutEvent(QFocusEvent *event)
{
    QGroupBox::focusOutEvent(event);
    update();
}

void HaberesSheet::tellFocusedPart()
{
    if (partShown(m_focusedPart))
        tellSheetFocus(*this, m_focusedPart);
}

// The mark is drawn only while the sheet has the focus: printing moves the focus off the
// sheet before it draws the page, so paper and PDF never show it.
void HaberesSheet::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QRect border = rect().adjusted(0, metrics.height() / 2, -2, -2);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(border);
    const QRect caption(kCaptionIndent, 0, metrics.horizontalAdvance(title()) + 4,
                        metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
    if (hasFocus() && partShown(m_focusedPart)) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), kMarkWidth, Qt::DashLine));
        painter.drawRect(
            partRect(m_focusedPart).adjusted(kMarkInset, kMarkInset, -kMarkInset, -kMarkInset));
    }
}

void HaberesSheet::buildNameLine()
{
    QLabel *caption =
        addLabel(QStringLiteral("Label18"), QRect(360, 240, 2295, 375), Qt::AlignRight);
    caption->setText(QStringLiteral("Recibo de sueldos de:"));
    setBordered(*caption);
    m_teacherName = addLabel(QStringLiteral("docente"), QRect(3030, 210, 3135, 375), Qt::AlignLeft);
    setBordered(*m_teacherName);
}

void HaberesSheet::buildGrid()
{
    for (int row = 0; row < kRows; ++row)
        buildRow(row);
    for (int element = 0; element < 2 * kRows; ++element)
        m_amountCells[element] = addAmountLabel(indexedName("Label1", element), false);
}

void HaberesSheet::buildRow(int row)
{
    const auto cell = [this, row](const TextColumn &column) {
        return addLabel(indexedName(column.name, row),
                        QRect(column.left, rowTop(row), column.right - column.left, kRowHeight),
                        column.alignment);
    };
    m_codeCells[row] = cell(kCodeColumn);
    m_quantityCells[row] = cell(kQuantityColumn);
    m_conceptCells[row] = cell(kConceptColumn);
    m_rowRules[row] = addHorizontalRule(indexedName("Line8", row), kFirstRowRule + kRowPitch * row);
}

void HaberesSheet::buildGridRules()
{
    addHorizontalRule(QStringLiteral("Line4"), kGridTop);
    for (std::size_t i = 0; i < kColumnRules.size(); ++i) {
        const ColumnRule &column = kColumnRules[i];
        m_columnRules[i] = new SheetRule(QLatin1String(column.name), 1, this);
        m_columnRules[i]->setTwipsLine(QLine(column.x, kGridTop, column.x, kGridTop));
    }
}

void HaberesSheet::buildTotalsBlock()
{
    m_thickRule = addHorizontalRule(QStringLiteral("Line6"), 0, kThickRuleWidth);
    for (std::size_t i = 0; i < kTotalRows.size(); ++i) {
        const TotalRow &total = kTotalRows[i];
        m_totalCaptions[i] = addLabel(QLatin1String(total.captionName), QRect(), Qt::AlignLeft);
        m_totalCaptions[i]->setText(QLatin1String(total.caption));
        m_totalAmounts[i] = addAmountLabel(QLatin1String(total.amountName), true);
        // Taller than their rows: the texts stand at the top, clear of the rule below.
        m_totalCaptions[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_totalAmounts[i]->setAlignment(Qt::AlignRight | Qt::AlignTop);
        m_totalRules[i] = addHorizontalRule(QLatin1String(total.ruleName), 0);
    }
}

void HaberesSheet::buildNote()
{
    m_referencePointsNote = addLabel(QStringLiteral("notapuntaje"), QRect(), Qt::AlignLeft);
    m_referencePointsNote->setText(kReferencePointsNotice);
    m_referencePointsNote->setFont(largerFont(true));
    m_referencePointsNote->hide();
}

QLabel *HaberesSheet::addLabel(const QString &name, const QRect &twips, Qt::Alignment alignment)
{
    auto *label = new QLabel(this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignVCenter);
    placeInTwips(*label, twips);
    return label;
}

QLabel *HaberesSheet::addAmountLabel(const QString &name, bool bold)
{
    QLabel *label = addLabel(name, QRect(), Qt::AlignRight);
    label->setFont(largerFont(bold));
    return label;
}

SheetRule *HaberesSheet::addHorizontalRule(const QString &name, int y, int thickness)
{
    auto *rule = new SheetRule(name, thickness, this);
    rule->setTwipsLine(QLine(kRuleLeft, y, kRuleRight, y));
    return rule;
}

} // namespace pagaluz::ui
