#include "ExplanationWindow.h"

#include "Explanation.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace pagaluz::ui {

namespace {

enum Column { kName, kValue, kSentence };

// The size it opens with, in pixels.
constexpr QSize kStartSize(720, 440);
constexpr int kNameWidth = 240;
constexpr int kCellMargin = 12;
const QString kWidestValue = QStringLiteral("000000,0000");

// Asks for the height a cell's text takes wrapped to its column's width, so that the tree gives
// each row the lines its name and sentence are broken into.
class WrappingDelegate : public QStyledItemDelegate {
public:
    explicit WrappingDelegate(QTreeView &tree) : QStyledItemDelegate(&tree), m_tree(tree) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        cell.features |= QStyleOptionViewItem::WrapText;
        int width = m_tree.columnWidth(index.column());
        if (index.column() == 0)
            for (QModelIndex above = index; above.isValid(); above = above.parent())
                width -= m_tree.indentation();
        cell.rect = QRect(0, 0, std::max(width, 1), 1); // a valid rectangle: its width counts
        return m_tree.style()->sizeFromContents(QStyle::CT_ItemViewItem, &cell, QSize(), &m_tree);
    }

private:
    QTreeView &m_tree;
};

QString valueText(const ExplanationNode &node, const std::string &decimalSeparator)
{
    if (node.percentage)
        return QString::fromStdString(
            (node.value * Decimal::fromInteger(100)).text(decimalSeparator) + " %");
    return QString::fromStdString(node.value.text(decimalSeparator));
}

} // namespace

ExplanationWindow::ExplanationWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("comoSeCalculo"));
    setWindowTitle(QStringLiteral("Cómo se calculó"));
    auto *layout = new QVBoxLayout(this);
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("linea"));
    m_heading->setTextFormat(Qt::PlainText);
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("arbol"));
    m_tree->setHeaderLabels(
        {QStringLiteral("Concepto"), QStringLiteral("Valor"), QStringLiteral("Cómo se llegó")});
    // Long names and sentences are broken into lines by the view, so that the three columns stay
    // in view; the texts themselves stay whole for a screen reader.
    m_tree->setUniformRowHeights(false);
    m_tree->setWordWrap(true);
    m_tree->setTextElideMode(Qt::ElideNone);
    m_tree->setItemDelegate(new WrappingDelegate(*m_tree));
    // Rows are measured again when a column's width changes, the last one with the window's.
    connect(m_tree->header(), &QHeaderView::sectionResized, m_tree,
            [tree = m_tree] { tree->doItemsLayout(); });
    m_tree->header()->setStretchLastSection(true);
    m_tree->setColumnWidth(kName, kNameWidth);
    m_tree->setColumnWidth(kValue,
                           m_tree->fontMetrics().horizontalAdvance(kWidestValue) + kCellMargin);
    auto *notesTitle = new QLabel(QStringLiteral("Notas del recibo"), this);
    notesTitle->setFont(bold);
    m_notes = new QLabel(this);
    m_notes->setObjectName(QStringLiteral("notas"));
    m_notes->setTextFormat(Qt::PlainText);
    m_notes->setWordWrap(true);
    layout->addWidget(m_heading);
    layout->addWidget(m_tree, 1);
    layout->addWidget(notesTitle);
    layout->addWidget(m_notes);
    auto *close = new QPushButton(QStringLiteral("Cerrar"), this);
    close->setObjectName(QStringLiteral("cerrar"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(kStartSize);
}

void ExplanationWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ExplanationWindow::showExplanation(const QString &name, const QString &heading,
                                        const ExplanationNode &root,
                                        const std::vector<std::string> &notes,
                                        const std::string &decimalSeparator)
{
    m_heading->setText(heading);
    m_tree->setAccessibleName(QStringLiteral("Cómo se calculó: ") + name);
    m_tree->clear();
    QTreeWidgetItem *top = addNode(root, decimalSeparator);
    m_tree->addTopLevelItem(top);
    expandDownTo(*top, 1);
    show();
    QStringList noteLines;
    for (const std::string &note : notes)
        noteLines << QStringLiteral("• ") + QString::fromStdString(note);
    m_notes->setText(noteLines.isEmpty() ? QStringLiteral("Ninguna.") : noteLines.join('\n'));
    // Every line of the notes in view; the tree gives up the room.
    m_notes->setMinimumHeight(m_notes->heightForWidth(m_notes->width()));
    raise();
}

QString ExplanationWindow::wrapped(const QString &text, const QFontMetrics &metrics, int width)
{
    QString lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '))) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines += line + QLatin1Char('\n');
            line = word;
        } else {
            line = longer;
        }
    }
    return lines + line;
}

QTreeWidgetItem *ExplanationWindow::addNode(const ExplanationNode &node,
                                            const std::string &decimalSeparator)
{
    auto *item = new QTreeWidgetItem;
    item->setText(kName, QString::fromStdString(node.name));
    item->setText(kValue, valueText(node, decimalSeparator));
    item->setText(kSentence, QString::fromStdString(node.text));
    item->setTextAlignment(kName, Qt::AlignLeft | Qt::AlignTop);
    item->setTextAlignment(kValue, Qt::AlignRight | Qt::AlignTop);
    item->setTextAlignment(kSentence, Qt::AlignLeft | Qt::AlignTop);
    item->setChildIndicatorPolicy(node.terms.empty()
                                      ? QTreeWidgetItem::DontShowIndicatorWhenChildless
                                      : QTreeWidgetItem::ShowIndicator);
    for (const ExplanationPtr &term : node.terms)
        item->addChild(addNode(*term, decimalSeparator));
    return item;
}

void ExplanationWindow::expandDownTo(QTreeWidgetItem &item, int depth)
{
    if (item.childCount() == 0 || depth < 0)
        return;
    item.setExpanded(true);
    for (int child = 0; child < item.childCount(); ++child)
        expandDownTo(*item.child(child), depth - 1);
}

} // namespace pagaluz::ui
