#pragma once

#include <QAccessibleInterface>

namespace pagaluz::ui {

// An accessible item with no widget and no children of its own (a cell, an item of the sheet):
// what is left to say is where it stands, its texts and its state.
class LeafAccessible : public QAccessibleInterface {
public:
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
};

} // namespace pagaluz::ui
