#pragma once

#include <QWidget>

class QKeyEvent;

#include <string>
#include <vector>

class QFontMetrics;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace pagaluz {
struct ExplanationNode;
}

namespace pagaluz::ui {

// The small window "Cómo se calculó": the line it explains, the tree of how its amount was
// reached (each value with its name, its value and its sentence, the terms indented under
// it) and the notes of the payslip. It does not block the payslip screen.
class ExplanationWindow : public QWidget {
    Q_OBJECT

public:
    explicit ExplanationWindow(QWidget *parent);

    // `heading` names the line with its amount ("010 Antigüedad   $ 343,0209"), and the tree is
    // named after `name` ("Cómo se calculó: 010 Antigüedad"); values are written with
    // `decimalSeparator`.
    void showExplanation(const QString &name, const QString &heading, const ExplanationNode &root,
                         const std::vector<std::string> &notes,
                         const std::string &decimalSeparator);

    // `text` broken at blanks into lines at most `width` pixels wide where it can be.
    static QString wrapped(const QString &text, const QFontMetrics &metrics, int width);

protected:
    // Escape closes the window, as "Cerrar" does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QTreeWidgetItem *addNode(const ExplanationNode &node, const std::string &decimalSeparator);
    // The line, what it is made of and what those are made of; further down one click away.
    // Only items with terms are expanded: a leaf has nothing to show.
    static void expandDownTo(QTreeWidgetItem &item, int depth);

    QLabel *m_heading = nullptr;
    QTreeWidget *m_tree = nullptr;
    QLabel *m_notes = nullptr;
};

} // namespace pagaluz::ui
