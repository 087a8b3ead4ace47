#include "IngresoControls.h"

#include "IngresoPictures.h"
#include "IngresoScaleButton.h"
#include "IngresoZoneBox.h"
#include "SeniorityAndZone.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QToolButton>

#include <future>
#include <string_view>
#include <utility>

namespace pagaluz::ui {

namespace {

const QString kZeroText = QStringLiteral("0");
const QString kHoursToolTip = QStringLiteral("Ingrese la cantidad de horas");
const QString kChildrenToolTip = QStringLiteral("¿Cuántos Hijos?");

// Sizes of the kinds of control; positions come from the layout of the screen.
constexpr QSize kCountBoxSize{41, 20};
constexpr QSize kHoursBoxSize{65, 20};
constexpr int kCheckBoxHeight = 21;
constexpr int kDeductionTop = 16; // the first deduction's box in its frame, and the step down
constexpr int kDeductionStep = 24;
const QColor kHeadingColour(0, 51, 102); // the program's name and the pay scale's date
constexpr QRect kEmblemGeometry{600, 136, 185, 172};
constexpr QRect kSchoolGeometry{544, 320, 242, 97};
constexpr QSize kHoursLabelSize{185, 20};
constexpr QSize kSummaryTitleSize{89, 28};
constexpr QSize kSummaryValueSize{89, 20};
constexpr QSize kButtonSize{169, 25};
// "Guardar" and "Abrir" stand side by side under the pay scale's date, above the emblem and to
// the right of the position's name, where nothing else is.
constexpr QRect kGuardarGeometry{600, 72, 88, 24};
constexpr QRect kAbrirGeometry{697, 72, 88, 24};
// The scale's button under them, in the free strip above the emblem.
constexpr QRect kEscalaGeometry{600, 104, 185, 24};

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString labelOf(InputField field)
{
    return fromView(infoOf(field).label);
}

template <typename Widget> Widget *place(QWidget &parent, std::string_view name, QRect geometry)
{
    auto *widget = new Widget(&parent);
    widget->setObjectName(QLatin1String(name.data(), qsizetype(name.size())));
    widget->setGeometry(geometry);
    return widget;
}

QLabel *label(QWidget &parent, std::string_view name, const QString &text, QRect geometry)
{
    auto *created = place<QLabel>(parent, name, geometry);
    created->setText(text);
    return created;
}

// A control with a text and a tool-tip: a text box or a button.
template <typename Control>
Control *withText(QWidget &parent, std::string_view name, const QString &text, QRect geometry,
                  const QString &toolTip = {})
{
    auto *created = place<Control>(parent, name, geometry);
    created->setText(text);
    created->setToolTip(toolTip);
    return created;
}

QLineEdit *textBox(QWidget &parent, std::string_view name, const QString &text, QRect geometry,
                   const QString &toolTip = {})
{
    return withText<QLineEdit>(parent, name, text, geometry, toolTip);
}

// Check boxes and option buttons are as wide as their caption, so that a
// click anywhere on them reaches them.
template <typename Button>
Button *captioned(QWidget &parent, std::string_view name, const QString &caption, QPoint at,
                  int height, const QString &toolTip = {})
{
    auto *created = withText<Button>(parent, name, caption, {at, QSize(1, height)}, toolTip);
    created->resize(created->sizeHint().width(), height);
    return created;
}

QCheckBox *checkBox(QWidget &parent, std::string_view name, const QString &caption, QPoint at,
                    const QString &toolTip = {})
{
    return captioned<QCheckBox>(parent, name, caption, at, kCheckBoxHeight, toolTip);
}

QRadioButton *optionButton(QWidget &parent, std::string_view name, const QString &caption,
                           QPoint at, int height, const QString &toolTip)
{
    return captioned<QRadioButton>(parent, name, caption, at, height, toolTip);
}

// The check box of a tick, named and captioned as the table of inputs has it.
QCheckBox *tickBox(QWidget &parent, InputTick tick, QPoint at, const QString &toolTip = {})
{
    const InputTickInfo &info = infoOf(tick);
    return checkBox(parent, info.boxName, fromView(info.label), at, toolTip);
}

// The option of a kind of pay, named and captioned as the table of inputs has it.
QRadioButton *payKindOption(QWidget &frame, const PayKindInfo &kind, QPoint at,
                            const QString &toolTip)
{
    return optionButton(frame, kind.boxName, fromView(kind.label), at, 25, toolTip);
}

QGroupBox *frame(QWidget &parent, std::string_view name, const QString &title, QRect geometry,
                 QStyle *style)
{
    auto *created = place<QGroupBox>(parent, name, geometry);
    created->setTitle(title);
    if (style)
        created->setStyle(style);
    return created;
}

// The classic look of the frames: the title stands on the frame's top line,
// leaving the inside to the fields placed in it. Owned by the screen.
QStyle *createClassicFrameStyle(QWidget &screen)
{
    QStyle *style = QStyleFactory::create(QStringLiteral("Windows"));
    if (style)
        style->setParent(&screen);
    return style;
}

// The hidden box of a count, named as the table of inputs names it, that starts at "0".
QLineEdit *countBox(QWidget &parent, InputField field, QRect geometry, const QString &toolTip)
{
    QLineEdit *box = textBox(parent, infoOf(field).boxName, kZeroText, geometry, toolTip);
    box->hide();
    return box;
}

QLabel *hiddenLabel(QWidget &parent, std::string_view name, const QString &text, QRect geometry)
{
    QLabel *created = label(parent, name, text, geometry);
    created->hide();
    return created;
}

QLabel *summaryTitle(QWidget &parent, std::string_view name, const QString &text, QPoint at)
{
    QLabel *title = hiddenLabel(parent, name, text, {at, kSummaryTitleSize});
    title->setWordWrap(true);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return title;
}

QLabel *summaryValue(QWidget &parent, std::string_view name, QPoint at)
{
    QLabel *value = hiddenLabel(parent, name, {}, {at, kSummaryValueSize});
    value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    value->setAlignment(Qt::AlignCenter);
    return value;
}

// The two stacked labels over a level's hours box.
QLabel *levelHoursLabel(QWidget &parent, std::string_view name, const QString &text, QPoint at)
{
    QLabel *created = hiddenLabel(parent, name, text, {at, QSize(97, 36)});
    created->setWordWrap(true);
    created->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return created;
}

void setPointSize(QWidget &widget, int pointSize, bool bold)
{
    QFont font = widget.font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    widget.setFont(font);
}

void setTextColour(QWidget &widget, QColor colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

} // namespace

IngresoControls::IngresoControls(QWidget &screen) : frameStyle(createClassicFrameStyle(screen))
{
    // The pictures are drawn on another thread while the controls are built: the screen shows
    // sooner on a machine with two cores.
    auto pictures = std::async(std::launch::async, [] {
        return std::pair(drawEmblemPicture(kEmblemGeometry.size()),
                         drawSchoolPicture(kSchoolGeometry.size()));
    });
    createDecorations(screen);
    createHeading(screen);
    createCategoryFrame(screen);
    createPositionSummary(screen);
    createHourFields(screen);
    createIncentiveTransportAndZone(screen);
    createDeductionsFrame(screen);
    createSeniorityFrame(screen);
    createAbsenceAndFamilyFields(screen);
    createButtons(screen);
    createFileButtons(screen);
    nameTextBoxes();
    const auto [emblem, school] = pictures.get();
    Picture1->setPixmap(QPixmap::fromImage(emblem));
    Picture2->setPixmap(QPixmap::fromImage(school));
}

std::vector<QLabel *> IngresoControls::positionSummary() const
{
    return {cargoselect,   codcartit,     codcarval,    puncartit,    puncarval,
            punproljortit, punproljorval, punjorcomtit, punjorcomval, puntardiftit,
            puntardifval,  puncompbastit, puncompbasval};
}

std::vector<QWidget *> IngresoControls::codeHourFields() const
{
    return {Label2, Label7, Label6, numhorascod06, numhorasincen, numhorascod113};
}

void IngresoControls::createHeading(QWidget &screen)
{
    Label5 = label(screen, "Label5", QStringLiteral("Apellido y nombre:"), {28, 8, 150, 21});
    docente = textBox(screen, "docente", {}, {184, 8, 257, 21});
    Label9 = label(screen, "Label9", QStringLiteral("Pagaluz"), {464, 8, 320, 32});
    setPointSize(*Label9, 20, true);
    setTextColour(*Label9, kHeadingColour);
    // The month the pay scale in use pays, which IngresoScreen::showScale writes.
    Label10 = label(screen, "Label10", QString(), {464, 40, 320, 22});
    setPointSize(*Label10, 12, false);
    setTextColour(*Label10, kHeadingColour);
}

void IngresoControls::createCategoryFrame(QWidget &screen)
{
    Frame2 = frame(screen, "Frame2", QStringLiteral("Categoría"), {9, 45, 438, 49}, frameStyle);
    // The kinds of pay in the table's order, left to right.
    cargo = payKindOption(*Frame2, kPayKinds[0], {8, 16},
                          QStringLiteral("Seleccione para evaluar un cargo"));
    horasmedio = payKindOption(*Frame2, kPayKinds[1], {128, 16},
                               QStringLiteral("Seleccione para evaluar horas de nivel medio"));
    horassup = payKindOption(*Frame2, kPayKinds[2], {296, 16},
                             QStringLiteral("Seleccione para evaluar horas de nivel superior"));
    categoria = new QButtonGroup(&screen);
    categoria->setObjectName(QStringLiteral("categoria"));
    categoria->addButton(cargo);
    categoria->addButton(horasmedio);
    categoria->addButton(horassup);
}

void IngresoControls::createPositionSummary(QWidget &screen)
{
    cargoselect = hiddenLabel(screen, "cargoselect", {}, {8, 104, 0, 0});
    setPointSize(*cargoselect, 10, true);
    codcartit = summaryTitle(screen, "codcartit", QStringLiteral("Código del cargo"), {8, 136});
    codcarval = summaryValue(screen, "codcarval", {8, 167});
    puncartit = summaryTitle(screen, "puncartit", QStringLiteral("Puntaje del cargo"), {104, 136});
    puncarval = summaryValue(screen, "puncarval", {104, 167});
    puncompbastit =
        summaryTitle(screen, "puncompbastit", QStringLiteral("Comp de Básico"), {200, 136});
    puncompbasval = summaryValue(screen, "puncompbasval", {200, 167});
    punproljortit =
        summaryTitle(screen, "punproljortit", QStringLiteral("Puntos prol jorn"), {296, 136});
    punproljorval = summaryValue(screen, "punproljorval", {296, 168});
    punjorcomtit =
        summaryTitle(screen, "punjorcomtit", QStringLiteral("Puntos Jor comp"), {392, 136});
    punjorcomval = summaryValue(screen, "punjorcomval", {392, 168});
    puntardiftit =
        summaryTitle(screen, "puntardiftit", QStringLiteral("Puntos tarea difer"), {488, 136});
    puntardifval = summaryValue(screen, "puntardifval", {488, 168});
}

void IngresoControls::createHourFields(QWidget &screen)
{
    Label3 = levelHoursLabel(screen, "Label3", labelOf(InputField::SecondaryHours), {151, 101});
    numerohorasmed =
        countBox(screen, InputField::SecondaryHours, {{168, 141}, kHoursBoxSize}, kHoursToolTip);
    Label4 = levelHoursLabel(screen, "Label4", labelOf(InputField::HigherHours), {312, 101});
    numerohorassup =
        countBox(screen, InputField::HigherHours, {{328, 141}, kHoursBoxSize}, kHoursToolTip);
    Label2 = hiddenLabel(screen, "Label2", labelOf(InputField::Code06Hours),
                         {{136, 168}, kHoursLabelSize});
    numhorascod06 =
        countBox(screen, InputField::Code06Hours, {{328, 168}, kHoursBoxSize}, kHoursToolTip);
    Label7 = hiddenLabel(screen, "Label7", labelOf(InputField::IncentiveHours),
                         {{136, 192}, kHoursLabelSize});
    numhorasincen =
        countBox(screen, InputField::IncentiveHours, {{328, 192}, kHoursBoxSize}, kHoursToolTip);
    Label6 = hiddenLabel(screen, "Label6", labelOf(InputField::Code113Hours),
                         {{136, 216}, kHoursLabelSize});
    numhorascod113 =
        countBox(screen, InputField::Code113Hours, {{328, 214}, kHoursBoxSize}, kHoursToolTip);
}

void IngresoControls::createIncentiveTransportAndZone(QWidget &screen)
{
    opincentivo = tickBox(screen, InputTick::Incentive, {7, 232},
                          QStringLiteral("Deshabilite si no se cobra"));
    opincentivo->setChecked(true);
    // Only echoes the incentive box; nothing to type there.
    Text1 = textBox(screen, "Text1", QStringLiteral("Si"), {96, 233, 33, 20});
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::NoFocus);
    transporte = tickBox(screen, InputTick::Transport, {8, 272});
    cantkm = countBox(screen, InputField::TransportKm, {128, 272, 49, 20},
                      QStringLiteral("¿Cuántos Km semanales?"));
    mensajekm = hiddenLabel(screen, "mensajekm", QStringLiteral("cantidad de km semanales"),
                            {184, 272, 170, 20});
    zona = place<IngresoZoneBox>(screen, "zona", {8, 304, 201, 22});
}

void IngresoControls::createDeductionsFrame(QWidget &screen)
{
    Frame3 =
        frame(screen, "Frame3", QStringLiteral("Descuentos"), {224, 304, 145, 209}, frameStyle);
    // One box a row, top to bottom, so that Tab goes down the frame.
    for (const DeductionInputInfo *deduction : kDeductionsInFrameOrder) {
        const auto index = static_cast<std::size_t>(deduction - kDeductionInputs.data());
        deductionBoxes.at(index) =
            checkBox(*Frame3, deduction->boxName, fromView(deduction->label),
                     {8, kDeductionTop + kDeductionStep * deduction->frameRow});
    }
}

void IngresoControls::createSeniorityFrame(QWidget &screen)
{
    Frame1 =
        frame(screen, "Frame1", QStringLiteral("Antigüedad"), {400, 264, 137, 251}, frameStyle);
    antiguedad = new QButtonGroup(&screen);
    antiguedad->setObjectName(QStringLiteral("antiguedad"));
    for (int index = 0; index < static_cast<int>(kSeniorityBrackets.size()); ++index) {
        const SeniorityBracket &bracket = kSeniorityBrackets.at(static_cast<std::size_t>(index));
        const int bracketNumber = index + 1;
        const QByteArray name = "Option" + QByteArray::number(bracketNumber);
        QRadioButton *option =
            optionButton(*Frame1, name.constData(), fromView(bracket.caption), {8, 16 + 16 * index},
                         16, fromView(bracket.percentText));
        antiguedad->addButton(option, bracketNumber);
        seniorityOptions.at(static_cast<std::size_t>(index)) = option;
    }
    porcantig = textBox(*Frame1, "porcantig", QStringLiteral("0 %"), {40, 216, 57, 20},
                        QStringLiteral("Porcentaje de Antigüedad"));
    // The brackets write it; read-only keeps it in step with the percentage paid. Nothing to
    // type there, so Tab passes it by; a click still selects its text for copying.
    porcantig->setReadOnly(true);
    porcantig->setFocusPolicy(Qt::ClickFocus);
}

void IngresoControls::createAbsenceAndFamilyFields(QWidget &screen)
{
    inasist = checkBox(screen, "inasist", QStringLiteral("Inasistencias Just"), {8, 400},
                       QStringLiteral("Haga Click si tiene inasistencias"));
    dinasist = countBox(screen, InputField::AbsenceDays, {{144, 400}, kCountBoxSize},
                        QStringLiteral("Cantidad de días."));
    // Drawn first so that the family fields lie on top of it.
    Shape1 = place<QFrame>(screen, "Shape1", {8, 432, 185, 81});
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    hijos = tickBox(screen, InputTick::Children, {16, 440});
    cantidadhijos =
        countBox(screen, InputField::ChildCount, {{144, 440}, kCountBoxSize}, kChildrenToolTip);
    hijosdisc = tickBox(screen, InputTick::DisabledChildren, {16, 464});
    cantidadhijosdisc = countBox(screen, InputField::DisabledChildCount,
                                 {{144, 464}, kCountBoxSize}, kChildrenToolTip);
    conyuge = tickBox(screen, InputTick::Spouse, {16, 488});
}

void IngresoControls::createButtons(QWidget &screen)
{
    Command1 = withText<QPushButton>(screen, "Command1", QStringLiteral("Calcular"),
                                     {{600, 440}, kButtonSize}, QStringLiteral("Genera el recibo"));
    Command1->setDefault(true);
    Command2 = withText<QPushButton>(screen, "Command2", QStringLiteral("Salir"),
                                     {{600, 488}, kButtonSize});
    // Enter on a focused "Salir" presses "Salir", as on any focused button.
    Command2->setAutoDefault(true);
}

// What assistive technology announces for each text box: the caption of the label beside it,
// tied to the box as its buddy, or a short name where no label stands beside the box (only a
// check box, or the frame around it). The tool-tips are the boxes' descriptions.
void IngresoControls::nameTextBoxes()
{
    const std::pair<QLabel *, QLineEdit *> captioned[] = {
        {Label5, docente},       {Label3, numerohorasmed}, {Label4, numerohorassup},
        {Label2, numhorascod06}, {Label7, numhorasincen},  {Label6, numhorascod113},
        {mensajekm, cantkm},
    };
    for (const auto &[caption, box] : captioned)
        caption->setBuddy(box);
    Text1->setAccessibleName(QStringLiteral("Incentivo"));
    porcantig->setAccessibleName(QStringLiteral("Porcentaje de Antigüedad"));
    dinasist->setAccessibleName(QStringLiteral("Cantidad de días"));
    cantidadhijos->setAccessibleName(QStringLiteral("Cantidad de Hijos"));
    cantidadhijosdisc->setAccessibleName(QStringLiteral("Cantidad de Hijos Diferenc"));
}

void IngresoControls::createFileButtons(QWidget &screen)
{
    Guardar = withText<QPushButton>(screen, "Guardar", QStringLiteral("Guardar"), kGuardarGeometry,
                                    QStringLiteral("Guarda los datos en un archivo (Ctrl+S; "
                                                   "con otro nombre, Ctrl+Mayús+S)"));
    Guardar->setAutoDefault(true);
    Abrir = withText<QToolButton>(
        screen, "Abrir", QStringLiteral("Abrir"), kAbrirGeometry,
        QStringLiteral("Abre datos guardados (Ctrl+O); la flecha muestra los últimos abiertos"));
    recientes = new QMenu(Abrir);
    recientes->setObjectName(QStringLiteral("recientes"));
    recientes->setToolTipsVisible(true);
    Abrir->setMenu(recientes);
    Abrir->setPopupMode(QToolButton::MenuButtonPopup);
    escala = place<IngresoScaleButton>(screen, "escala", kEscalaGeometry);
}

void IngresoControls::createDecorations(QWidget &screen)
{
    Picture1 = place<QLabel>(screen, "Picture1", kEmblemGeometry);
    Picture2 = place<QLabel>(screen, "Picture2", kSchoolGeometry);
    // One line, clear of the publisher label on its right.
    Label1 =
        label(screen, "Label1", QStringLiteral("Pagaluz — haberes docentes"), {344, 528, 200, 32});
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setToolTip(QStringLiteral("Calcula el recibo de sueldo de un docente"));
    Label8 = label(screen, "Label8", QStringLiteral("Versión 0.1"), {552, 528, 232, 32});
    Label8->setAlignment(Qt::AlignRight | Qt::AlignTop);
    for (QLabel *decoration : {Label1, Label8})
        setTextColour(*decoration, QColor(70, 70, 70));
}

} // namespace pagaluz::ui
