#include "HaberesSheetAccessible.h"

#include "HaberesSheet.h"
#include "LeafAccessible.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>
#include <QStringList>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace pagaluz::ui {

namespace {

constexpr int kRows = HaberesSheet::kRows;

// The readable items, by slot: the name line, the rows of the grid, the three totals.
constexpr int kNameLineSlot = 0;
constexpr int kFirstRowSlot = 1;
constexpr int kFirstTotalSlot = kFirstRowSlot + kRows;
constexpr int kSlots = kFirstTotalSlot + 3;

// The cells one item reads, in reading order, found by the names the sheet gives them. A row
// reads its code, concept and quantity, then the amount of whichever column holds it.
struct ItemCells {
    std::vector<QPointer<QLabel>> parts;
    QPointer<QLabel> earnings;
    QPointer<QLabel> deductions;
    QString separator = QStringLiteral(", ");
};

bool shown(const QLabel *cell)
{
    return cell && !cell->isHidden() && !cell->text().isEmpty();
}

// The amount cell of a row that holds one, in whichever column.
const QLabel *amountOf(const ItemCells &cells)
{
    if (shown(cells.earnings))
        return cells.earnings;
    return shown(cells.deductions) ? cells.deductions.get() : nullptr;
}

QRect globalRect(const QWidget &widget)
{
    return {widget.mapToGlobal(QPoint(0, 0)), widget.size()};
}

class SheetAccessible;

// One item of the sheet: it has no widget of its own and reads its cells when asked.
class SheetItemAccessible : public LeafAccessible {
public:
    SheetItemAccessible(SheetAccessible &sheet, int slot) : m_sheet(sheet), m_slot(slot) {}

    bool isValid() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    SheetAccessible &m_sheet;
    int m_slot;
};

// The sheet as a list of its readable items; its cells and rules are not offered one by one.
// The items are made when first asked for and live as long as the sheet's interface.
class SheetAccessible : public QAccessibleWidget {
public:
    explicit SheetAccessible(HaberesSheet *sheet) : QAccessibleWidget(sheet, QAccessible::List) {}
    ~SheetAccessible() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override { return static_cast<int>(shownSlots().size()); }
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    bool isShown(int slot) const;
    QString itemText(int slot) const;
    QRect itemRect(int slot) const;
    QString itemDescription(int slot) const;
    bool itemFocused(int slot) const;
    // The list's index of the item in `slot`, or -1 when it is not shown.
    int indexOfSlot(int slot) const;

private:
    const HaberesSheet &sheet() const { return *static_cast<const HaberesSheet *>(widget()); }
    const ItemCells &cellsOf(int slot) const;
    void findCells() const;
    std::vector<int> shownSlots() const;

    mutable std::array<ItemCells, kSlots> m_cells;
    mutable std::array<SheetItemAccessible *, kSlots> m_items{};
};

bool SheetItemAccessible::isValid() const
{
    return m_sheet.isValid();
}

QWindow *SheetItemAccessible::window() const
{
    return m_sheet.window();
}

QAccessibleInterface *SheetItemAccessible::parent() const
{
    return &m_sheet;
}

QString SheetItemAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return m_sheet.itemText(m_slot);
    return t == QAccessible::Description ? m_sheet.itemDescription(m_slot) : QString();
}

QRect SheetItemAccessible::rect() const
{
    return m_sheet.itemRect(m_slot);
}

QAccessible::State SheetItemAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = !m_sheet.isShown(m_slot) || m_sheet.state().invisible;
    state.focusable = m_slot != kNameLineSlot;
    state.focused = m_sheet.itemFocused(m_slot);
    return state;
}

SheetAccessible::~SheetAccessible()
{
    for (SheetItemAccessible *item : m_items)
        if (item)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
}

QString SheetAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return sheet().title();
    return QAccessibleWidget::text(t);
}

QAccessibleInterface *SheetAccessible::focusChild() const
{
    const HaberesSheet &sheet = this->sheet();
    if (!sheet.hasFocus() || sheet.focusedPart() < 0)
        return nullptr;
    return child(indexOfSlot(kFirstRowSlot + sheet.focusedPart()));
}

int SheetAccessible::indexOfSlot(int slot) const
{
    const std::vector<int> order = shownSlots();
    const auto found = std::find(order.begin(), order.end(), slot);
    return found == order.end() ? -1 : static_cast<int>(found - order.begin());
}

QString SheetAccessible::itemDescription(int slot) const
{
    return sheet().partDescription(slot - kFirstRowSlot);
}

bool SheetAccessible::itemFocused(int slot) const
{
    return sheet().hasFocus() && sheet().focusedPart() == slot - kFirstRowSlot;
}

QAccessibleInterface *SheetAccessible::child(int index) const
{
    const std::vector<int> order = shownSlots();
    if (index < 0 || index >= static_cast<int>(order.size()))
        return nullptr;
    SheetItemAccessible *&item = m_items[order[index]];
    if (!item) {
        item = new SheetItemAccessible(const_cast<SheetAccessible &>(*this), order[index]);
        QAccessible::registerAccessibleInterface(item); // the cache owns it from now on
    }
    return item;
}

int SheetAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const std::vector<int> order = shownSlots();
    for (std::size_t index = 0; child && index < order.size(); ++index)
        if (m_items[order[index]] == child)
            return static_cast<int>(index);
    return -1;
}

QAccessibleInterface *SheetAccessible::childAt(int x, int y) const
{
    const std::vector<int> order = shownSlots();
    for (std::size_t index = 0; index < order.size(); ++index)
        if (itemRect(order[index]).contains(x, y))
            return child(static_cast<int>(index));
    return nullptr;
}

bool SheetAccessible::isShown(int slot) const
{
    if (slot >= kFirstRowSlot && slot < kFirstTotalSlot)
        return shown(cellsOf(slot).parts.front());
    return true;
}

// The slots read, in order: the name line, the rows shown, the totals.
std::vector<int> SheetAccessible::shownSlots() const
{
    std::vector<int> order;
    for (int slot = 0; slot < kSlots; ++slot)
        if (isShown(slot))
            order.push_back(slot);
    return order;
}

QString SheetAccessible::itemText(int slot) const
{
    const ItemCells &cells = cellsOf(slot);
    QStringList texts;
    for (const QLabel *part : cells.parts)
        if (part && !part->text().isEmpty())
            texts << part->text();
    if (const QLabel *amount = amountOf(cells)) {
        texts << amount->text();
        texts << (amount == cells.earnings.get() ? QStringLiteral("haberes")
                                                 : QStringLiteral("descuentos"));
    }
    return texts.join(cells.separator);
}

QRect SheetAccessible::itemRect(int slot) const
{
    const ItemCells &cells = cellsOf(slot);
    QRect united;
    for (const QLabel *part : cells.parts)
        if (shown(part))
            united |= globalRect(*part);
    if (const QLabel *amount = amountOf(cells))
        united |= globalRect(*amount);
    return united;
}

// The cells are looked up by name once the sheet has made them all (the totals last): the
// interface may be asked for while the sheet is still being built.
const ItemCells &SheetAccessible::cellsOf(int slot) const
{
    const std::vector<QPointer<QLabel>> &lastTotal = m_cells.back().parts;
    if (lastTotal.empty() || !lastTotal.back())
        findCells();
    return m_cells[slot];
}

void SheetAccessible::findCells() const
{
    const auto cells = [this](std::initializer_list<QString> names) {
        std::vector<QPointer<QLabel>> found;
        for (const QString &name : names)
            found.emplace_back(widget()->findChild<QLabel *>(name, Qt::FindDirectChildrenOnly));
        return found;
    };
    m_cells[kNameLineSlot].parts = cells({QStringLiteral("Label18"), QStringLiteral("docente")});
    m_cells[kNameLineSlot].separator = QStringLiteral(" ");
    for (int row = 0; row < kRows; ++row) {
        ItemCells &line = m_cells[kFirstRowSlot + row];
        line.parts =
            cells({QStringLiteral("cod_%1").arg(row), QStringLiteral("Label19_%1").arg(row),
                   QStringLiteral("Label10_%1").arg(row)});
        line.earnings = cells({QStringLiteral("Label1_%1").arg(row)}).front();
        line.deductions = cells({QStringLiteral("Label1_%1").arg(row + kRows)}).front();
    }
    const std::array<std::pair<QString, QString>, 3> totals{{
        {QStringLiteral("Label15"), QStringLiteral("thaberes")},
        {QStringLiteral("Label16"), QStringLiteral("tdescuentos")},
        {QStringLiteral("Label17"), QStringLiteral("liquido")},
    }};
    for (std::size_t i = 0; i < totals.size(); ++i)
        m_cells[kFirstTotalSlot + i].parts = cells({totals[i].first, totals[i].second});
}

QAccessibleInterface *sheetInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String(HaberesSheet::staticMetaObject.className()))
        return nullptr;
    return new SheetAccessible(static_cast<HaberesSheet *>(object));
}

} // namespace

void tellSheetFocus(HaberesSheet &sheet, int part)
{
    if (!QAccessible::isActive())
        return;
    auto *list = static_cast<SheetAccessible *>(QAccessible::queryAccessibleInterface(&sheet));
    const int index = list ? list->indexOfSlot(kFirstRowSlot + part) : -1;
    if (index < 0)
        return;
    QAccessibleEvent event(list->child(index), QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void installHaberesSheetAccessible()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(&sheetInterface);
        return true;
    }();
}

} // namespace pagaluz::ui
