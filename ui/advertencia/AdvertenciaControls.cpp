#include "AdvertenciaControls.h"

#include "AdvertenciaPicture.h"
#include "InputField.h"
#include "PositionCatalogue.h"
#include "ProgramFont.h"
#include "Twips.h"

#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>

#include <string>
#include <string_view>

namespace pagaluz::ui {

namespace {

const QColor kBoxColour(192, 255, 192);
const QColor kBoxTextColour(0, 0, 192);
const QColor kTitleColour(128, 255, 128);
const QColor kButtonColour(0, 192, 0);

const QString kAutomaticTip = QStringLiteral("Se selecciona automáticamente");
const QString kCodeTip = QStringLiteral(
    "Escriba el código del cargo. Si luego de escribir las tres cifras no se selecciona el "
    "cargo, vuelva a elegir un código correcto.");

// One title and the box below it, in twips.
struct TitledBox {
    const char *titleName;
    std::string_view title;
    std::string_view boxName;
    int left;
    int width;
};

// The title and box of a point of the position, named as the table of inputs names them.
constexpr TitledBox pointBox(const char *titleName, InputField field, int left, int width)
{
    return {titleName, infoOf(field).label, infoOf(field).boxName, left, width};
}

// The position's code in the table of inputs.
constexpr const InputTextInfo &kCodeText = kInputTexts[1];
static_assert(kCodeText.key == "position.code");

constexpr int kTitleTop = 720;
constexpr int kTitleHeight = 495;
constexpr int kTitleMargin = 120; // a title overhangs its box on each side
constexpr int kBoxTop = 1320;
constexpr int kBoxHeight = 330;

constexpr TitledBox kTitledBoxes[] = {
    {"Label1", kCodeText.label, kCodeText.boxName, 240, 1275},
    pointBox("Label3", InputField::BasicPoints, 2040, 1065),
    pointBox("Label8", InputField::ComplementPoints, 3720, 1155),
    pointBox("Label5", InputField::ExtendedDayPoints, 5280, 1065),
    pointBox("Label6", InputField::FullDayPoints, 6840, 960),
    pointBox("Label7", InputField::DifferentiatedTaskPoints, 8400, 960),
};

void paint(QWidget &widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

QLabel *makeLabel(QWidget &screen, const char *name, const QString &text, const QRect &rect,
                  const QColor &background)
{
    auto *label = new QLabel(text, &screen);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(rect);
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    paint(*label, QPalette::Window, background);
    return label;
}

QLineEdit *makeBox(QWidget &screen, const TitledBox &layout)
{
    auto *box = new QLineEdit(&screen);
    box->setObjectName(QLatin1String(layout.boxName.data(), qsizetype(layout.boxName.size())));
    box->setGeometry(twipsRect(layout.left, kBoxTop, layout.width, kBoxHeight));
    box->setFont(programFont(10, false));
    box->setToolTip(kAutomaticTip);
    paint(*box, QPalette::Base, kBoxColour);
    paint(*box, QPalette::Text, kBoxTextColour);
    return box;
}

QLabel *makeTitle(QWidget &screen, const TitledBox &layout)
{
    const QRect rect = twipsRect(layout.left - kTitleMargin, kTitleTop,
                                 layout.width + 2 * kTitleMargin, kTitleHeight);
    QLabel *title = makeLabel(
        screen, layout.titleName,
        QString::fromUtf8(layout.title.data(), qsizetype(layout.title.size())), rect, kTitleColour);
    title->setFont(programFont(8, true));
    title->setToolTip(title->text());
    return title;
}

QPushButton *makeButton(QWidget &screen, const char *name, const QString &text, int top)
{
    auto *button = new QPushButton(text, &screen);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(twipsRect(6480, top, 2325, 435));
    button->setFont(programFont(10, true));
    button->setToolTip(text);
    button->setAutoDefault(true);
    paint(*button, QPalette::Button, kButtonColour);
    return button;
}

// The two buttons of the table in use stand above "Listo", smaller than it,
// clear of the name list and of the picture.
QPushButton *makeTableButton(QWidget &screen, const char *name, const QString &text,
                             const QString &tip, int top)
{
    QPushButton *button = makeButton(screen, name, text, top);
    button->setGeometry(twipsRect(6480, top, 2325, 375));
    button->setFont(programFont(8, false));
    button->setToolTip(tip);
    return button;
}

QListWidget *makeHiddenList(QWidget &screen, const char *name)
{
    auto *list = new QListWidget(&screen);
    list->setObjectName(QString::fromLatin1(name));
    list->setFocusPolicy(Qt::NoFocus);
    list->hide();
    return list;
}

void fillList(QListWidget &list, const PositionCatalogue &table,
              std::string PositionRecord::*column)
{
    list.clear();
    int rowNumber = 1;
    for (const PositionRecord &record : table.rows()) {
        auto *item = new QListWidgetItem(QString::fromStdString(record.*column), &list);
        item->setData(Qt::UserRole, rowNumber++);
    }
}

void setTextIfDifferent(QLineEdit *box, const QString &text)
{
    if (box->text() != text)
        box->setText(text);
}

} // namespace

AdvertenciaScreen::Controls::Controls(QWidget &screen)
{
    Label2 =
        makeLabel(screen, "Label2", QStringLiteral("Seleccione el cargo o el código del cargo"),
                  twipsRect(60, 105, 5895, 420), kButtonColour);
    Label2->setFont(programFont(12, true));
    Label2->setToolTip(Label2->text());
    createTitlesAndBoxes(screen);
    createNameList(screen);
    createButtonsAndPicture(screen);
    createTableControls(screen);
    createHiddenLists(screen);
    setTabOrder();
    codcargo->setFocus();
}

void AdvertenciaScreen::Controls::createTitlesAndBoxes(QWidget &screen)
{
    QLabel **titles[] = {&Label1, &Label3, &Label8, &Label5, &Label6, &Label7};
    QLineEdit **boxes[] = {&codcargo, &punbas, &compbas, &proljor, &jorcom, &tardif};
    for (std::size_t i = 0; i < std::size(kTitledBoxes); ++i) {
        *titles[i] = makeTitle(screen, kTitledBoxes[i]);
        *boxes[i] = makeBox(screen, kTitledBoxes[i]);
        // The title names its box for assistive technology.
        (*titles[i])->setBuddy(*boxes[i]);
    }
    codcargo->setText(QStringLiteral("0"));
    codcargo->setToolTip(kCodeTip);
    punbas->setReadOnly(true);
}

void AdvertenciaScreen::Controls::createNameList(QWidget &screen)
{
    Label4 = makeLabel(screen, "Label4", QStringLiteral("Cargo"), twipsRect(120, 2760, 1485, 330),
                       kButtonColour);
    Label4->setFont(programFont(10, true));
    Label4->setToolTip(Label4->text());

    cargox = new QComboBox(&screen);
    cargox->setObjectName(QStringLiteral("cargox"));
    cargox->setGeometry(twipsRect(1785, 2760, 7050, 345));
    cargox->setFont(programFont(10, false));
    cargox->setEditable(true);
    cargox->setInsertPolicy(QComboBox::NoInsert);
    cargox->setCompleter(nullptr);
    cargox->setMaxVisibleItems(20);
    cargox->setToolTip(QStringLiteral("Seleccione el cargo"));
    paint(*cargox, QPalette::Base, kTitleColour);
    paint(*cargox, QPalette::Button, kTitleColour);
    Label4->setBuddy(cargox);
    cargox->lineEdit()->setAccessibleName(Label4->text());
}

void AdvertenciaScreen::Controls::createButtonsAndPicture(QWidget &screen)
{
    Command1 = makeButton(screen, "Command1", QStringLiteral("Listo"), 4800);
    Command1->setDefault(true);
    Command2 = makeButton(screen, "Command2", QStringLiteral("Salir sin datos"), 5520);
    Picture1 = new AdvertenciaPicture(&screen);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipsRect(480, 3480, 5400, 3060));
}

// Between the point boxes and the name list: the notice of reference
// points, or which table is in use.
void AdvertenciaScreen::Controls::createTableControls(QWidget &screen)
{
    aviso = new QLabel(&screen);
    aviso->setObjectName(QStringLiteral("aviso"));
    aviso->setGeometry(twipsRect(240, 1800, 9120, 480));
    aviso->setTextFormat(Qt::PlainText);
    aviso->setWordWrap(true);
    aviso->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    cargartabla = makeTableButton(
        screen, "cargartabla", QStringLiteral("Cargar tabla…"),
        QStringLiteral("Usa la tabla de cargos de un archivo (la escala oficial) en lugar de "
                       "la incorporada, también las próximas veces"),
        3480);
    tablaincorporada =
        makeTableButton(screen, "tablaincorporada", QStringLiteral("Tabla incorporada"),
                        QStringLiteral("Vuelve a la tabla de cargos que trae el programa"), 3960);
    tablaincorporada->setEnabled(false);
}

void AdvertenciaScreen::Controls::createHiddenLists(QWidget &screen)
{
    codigocargo = makeHiddenList(screen, "codigocargo");
    puntosbasicos = makeHiddenList(screen, "puntosbasicos");
    proljornada = makeHiddenList(screen, "proljornada");
    jorcompleta = makeHiddenList(screen, "jorcompleta");
    tareadif = makeHiddenList(screen, "tareadif");
    compbasico = makeHiddenList(screen, "compbasico");
}

void AdvertenciaScreen::Controls::fillLists(const PositionCatalogue &table)
{
    fillList(*codigocargo, table, &PositionRecord::code);
    fillList(*puntosbasicos, table, &PositionRecord::basicPoints);
    fillList(*proljornada, table, &PositionRecord::extendedDayPoints);
    fillList(*jorcompleta, table, &PositionRecord::fullDayPoints);
    fillList(*tareadif, table, &PositionRecord::differentiatedTaskPoints);
    fillList(*compbasico, table, &PositionRecord::complementPoints);
    cargox->clear();
    int rowNumber = 1;
    for (const std::string &name : table.names())
        cargox->addItem(QString::fromStdString(name), rowNumber++);
    cargox->setCurrentIndex(-1);
    cargox->setEditText(QString());
}

void AdvertenciaScreen::Controls::setTabOrder()
{
    QWidget *const chain[] = {codcargo, cargox,   punbas,   compbas,     proljor,         jorcom,
                              tardif,   Command1, Command2, cargartabla, tablaincorporada};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

std::array<QListWidget *, 6> AdvertenciaScreen::Controls::hiddenLists() const
{
    return {codigocargo, puntosbasicos, proljornada, jorcompleta, tareadif, compbasico};
}

std::array<AdvertenciaScreen::Controls::PointColumn, 5>
AdvertenciaScreen::Controls::pointColumns() const
{
    return {{{punbas, puntosbasicos},
             {compbas, compbasico},
             {proljor, proljornada},
             {jorcom, jorcompleta},
             {tardif, tareadif}}};
}

int AdvertenciaScreen::Controls::currentRow() const
{
    return codigocargo->currentRow();
}

QString AdvertenciaScreen::Controls::currentItem(const QListWidget *list) const
{
    const QListWidgetItem *item = list->currentItem();
    return item ? item->text() : QString();
}

void AdvertenciaScreen::Controls::showRow(int row)
{
    for (QListWidget *list : hiddenLists())
        if (list->currentRow() != row)
            list->setCurrentRow(row);
    showName(row);
    setTextIfDifferent(codcargo, codigocargo->item(row)->text());
    for (const PointColumn &column : pointColumns())
        setTextIfDifferent(column.box, column.list->item(row)->text());
}

void AdvertenciaScreen::Controls::showName(int row)
{
    if (cargox->currentIndex() != row)
        cargox->setCurrentIndex(row);
    const QString name = row < 0 ? QString() : cargox->itemText(row);
    if (cargox->currentText() != name)
        cargox->setEditText(name);
}

void AdvertenciaScreen::Controls::clearRow()
{
    for (QListWidget *list : hiddenLists())
        if (list->currentRow() != -1)
            list->setCurrentRow(-1);
    showName(-1);
    for (const PointColumn &column : pointColumns())
        setTextIfDifferent(column.box, QString());
}

// Leaving without a position: the name and code lists lose their row while
// the five point lists stay on the last one (the payslip header keeps its
// basic points), and the five point boxes show "0".
void AdvertenciaScreen::Controls::leaveWithoutPosition()
{
    if (codigocargo->currentRow() != -1)
        codigocargo->setCurrentRow(-1);
    showName(-1);
    for (const PointColumn &column : pointColumns())
        column.box->setText(QStringLiteral("0"));
}

} // namespace pagaluz::ui
