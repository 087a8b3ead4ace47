#include "IngresoScreen.h"

#include "IngresoControls.h"
#include "IngresoScaleButton.h"
#include "IngresoZoneBox.h"
#include "ProgramFont.h"
#include "SeniorityAndZone.h"
#include "WindowSurface.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <vector>

namespace pagaluz::ui {

namespace {

constexpr std::size_t indexOf(InputField field)
{
    return static_cast<std::size_t>(field);
}

// The control of each entry of `table` on `screen`, by its place in the table, found by the
// name the table gives it; nullptr for an entry of the position, whose box is on the selection
// screen.
template <typename Control, typename Table>
std::array<Control *, std::tuple_size_v<Table>> controlsOn(const QWidget &screen,
                                                           const Table &table)
{
    std::array<Control *, std::tuple_size_v<Table>> controls{};
    for (std::size_t index = 0; index < table.size(); ++index) {
        const std::string_view name = table[index].boxName;
        if constexpr (requires(const typename Table::value_type &entry) { entry.ofPosition(); }) {
            if (table[index].ofPosition())
                continue;
        }
        controls[index] =
            screen.findChild<Control *>(QLatin1String(name.data(), qsizetype(name.size())));
    }
    return controls;
}

// The boxes of the converted inputs, by InputField.
using FieldBoxes = std::array<QLineEdit *, kInputFields.size()>;

const QString kZeroText = QStringLiteral("0");
const QString kCaption = QStringLiteral("Ingreso de datos");

void setShown(const std::vector<QWidget *> &widgets, bool shown)
{
    for (QWidget *widget : widgets)
        widget->setVisible(shown);
}

void resetToZero(const std::vector<QLineEdit *> &boxes)
{
    for (QLineEdit *box : boxes)
        box->setText(kZeroText);
}

// A check box's dependent fields show while it is ticked; when it is
// unticked they hide and its count box goes back to "0".
void followCheckBox(const QCheckBox &checkBox, QLineEdit &countBox, QWidget *message = nullptr)
{
    std::vector<QWidget *> dependents{&countBox};
    if (message)
        dependents.insert(dependents.begin(), message);
    setShown(dependents, checkBox.isChecked());
    if (!checkBox.isChecked())
        resetToZero({&countBox});
}

std::string textOf(const QLineEdit &box)
{
    return box.text().toStdString();
}

QString fromText(const std::string &text)
{
    return QString::fromStdString(text);
}

// The texts of `table` whose boxes are on this screen, as typed; then the same put back.
template <typename Table, std::size_t Count>
void gatherTexts(const Table &table, const std::array<QLineEdit *, Count> &boxes, PayInputs &in)
{
    for (std::size_t index = 0; index < Count; ++index)
        if (const QLineEdit *box = boxes[index])
            textIn(in, table[index]) = textOf(*box);
}

template <typename Table, std::size_t Count>
void restoreTexts(const Table &table, const std::array<QLineEdit *, Count> &boxes,
                  const PayInputs &in)
{
    for (std::size_t index = 0; index < Count; ++index)
        if (QLineEdit *box = boxes[index])
            box->setText(fromText(textIn(in, table[index])));
}

// Checks `chosen` in the exclusive `group`, or no button of it for nullptr.
void checkInGroup(QButtonGroup &group, QAbstractButton *chosen)
{
    group.setExclusive(false);
    for (QAbstractButton *button : group.buttons())
        button->setChecked(button == chosen);
    group.setExclusive(true);
}

} // namespace

// The controls with the tables of inputs' names for them.
struct IngresoScreen::Controls : IngresoControls {
    explicit Controls(QWidget &screen)
        : IngresoControls(screen), fieldBoxes(controlsOn<QLineEdit>(screen, kInputFields)),
          textBoxes(controlsOn<QLineEdit>(screen, kInputTexts)),
          tickBoxes(controlsOn<QCheckBox>(screen, kInputTicks)),
          payKindOptions(controlsOn<QRadioButton>(screen, kPayKinds))
    {
    }

    FieldBoxes fieldBoxes;
    std::array<QLineEdit *, kInputTexts.size()> textBoxes;
    std::array<QCheckBox *, kInputTicks.size()> tickBoxes;
    std::array<QRadioButton *, kPayKinds.size()> payKindOptions;

    QCheckBox &tickBox(InputTick tick) const { return *tickBoxes[static_cast<std::size_t>(tick)]; }

    // The kind of pay, the bracket, the zone, each tick and each deduction as chosen.
    void gatherChoices(PayInputs &in) const
    {
        for (std::size_t index = 0; index < kPayKinds.size(); ++index)
            in.*kPayKinds[index].chosen = payKindOptions[index]->isChecked();
        in.seniorityBracket = std::max(antiguedad->checkedId(), 0);
        in.zone = zona->chosenZone();
        for (const InputTickInfo &tick : kInputTicks)
            in.*tick.ticked = tickBox(tick.tick).isChecked();
        for (std::size_t index = 0; index < kDeductionInputs.size(); ++index)
            in.deductionsChosen.*kDeductionInputs[index].chosen =
                deductionBoxes[index]->isChecked();
    }

    // The option of the kind of pay chosen in `in`, or nullptr for none.
    QRadioButton *payKindOf(const PayInputs &in) const
    {
        for (std::size_t index = 0; index < kPayKinds.size(); ++index)
            if (in.*kPayKinds[index].chosen)
                return payKindOptions[index];
        return nullptr;
    }

    void restoreTicksAndDeductions(const PayInputs &in) const
    {
        for (const InputTickInfo &tick : kInputTicks)
            tickBox(tick.tick).setChecked(in.*tick.ticked);
        for (std::size_t index = 0; index < kDeductionInputs.size(); ++index)
            deductionBoxes[index]->setChecked(in.deductionsChosen.*kDeductionInputs[index].chosen);
    }
};

IngresoScreen::IngresoScreen(QWidget *parent, const std::function<void()> &awaitFonts)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ingreso"));
    showFileName({});
    setFixedSize(792, 566);
    setFont(programFont());
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(236, 241, 246));
    setPalette(background);
    prepareWindowSurface(*this);
    if (awaitFonts)
        awaitFonts();
    m_controls = std::make_unique<Controls>(*this);
    connectActions();
    connectFileActions();
    connectEdits();
    showScale(nullptr, true);
}

IngresoScreen::~IngresoScreen() = default;

void IngresoScreen::connectActions()
{
    const Controls &c = *m_controls;
    connect(c.cargo, &QRadioButton::clicked, this, &IngresoScreen::ingreso_cargo_Click);
    connect(c.horasmedio, &QRadioButton::clicked, this, &IngresoScreen::ingreso_horasmedio_Click);
    connect(c.horassup, &QRadioButton::clicked, this, &IngresoScreen::ingreso_horassup_Click);
    connect(c.antiguedad, &QButtonGroup::idClicked, this, &IngresoScreen::ingreso_Option_Click);
    for (QRadioButton *option : c.seniorityOptions)
        option->installEventFilter(this);
    connect(c.opincentivo, &QCheckBox::clicked, this, &IngresoScreen::ingreso_opincentivo_Click);
    connect(c.transporte, &QCheckBox::clicked, this, &IngresoScreen::ingreso_transporte_Click);
    connect(c.inasist, &QCheckBox::clicked, this, &IngresoScreen::ingreso_inasist_Click);
    connect(c.hijos, &QCheckBox::clicked, this, &IngresoScreen::ingreso_hijos_Click);
    connect(c.hijosdisc, &QCheckBox::clicked, this, &IngresoScreen::ingreso_hijosdisc_Click);
    connect(c.Command1, &QPushButton::clicked, this, &IngresoScreen::ingreso_Command1_Click);
    connect(c.Command2, &QPushButton::clicked, this, &IngresoScreen::ingreso_Command2_Click);
}

void IngresoScreen::connectFileActions()
{
    const Controls &c = *m_controls;
    connect(c.Guardar, &QPushButton::clicked, this, &IngresoScreen::saveRequested);
    connect(c.Abrir, &QToolButton::clicked, this, &IngresoScreen::openRequested);
    connect(c.recientes, &QMenu::aboutToShow, this, &IngresoScreen::recentFilesWanted);
    connect(c.escala, &IngresoScaleButton::scaleFileChosen, this, &IngresoScreen::scaleFileChosen);
    connect(c.escala, &IngresoScaleButton::builtInScaleChosen, this,
            &IngresoScreen::builtInScaleChosen);
    const auto shortcut = [this](QKeyCombination keys, void (IngresoScreen::*signal)()) {
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this, signal);
    };
    shortcut(Qt::CTRL | Qt::Key_S, &IngresoScreen::saveRequested);
    shortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_S, &IngresoScreen::saveAsRequested);
    shortcut(Qt::CTRL | Qt::Key_O, &IngresoScreen::openRequested);
}

// Every change of what the screen holds: the texts of its boxes (the zone's included), its
// options and ticks, the zone picked.
void IngresoScreen::connectEdits()
{
    for (QLineEdit *box : findChildren<QLineEdit *>())
        connect(box, &QLineEdit::textChanged, this, &IngresoScreen::inputsEdited);
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        connect(button, &QAbstractButton::toggled, this, &IngresoScreen::inputsEdited);
    connect(m_controls->zona, &QComboBox::currentIndexChanged, this, &IngresoScreen::inputsEdited);
    connect(m_controls->zona, &QComboBox::activated, this, &IngresoScreen::inputsEdited);
}

QString IngresoScreen::zoneRefusal()
{
    QString refusal = m_controls->zona->refusal();
    if (!refusal.isEmpty())
        m_controls->zona->setFocus(Qt::OtherFocusReason);
    return refusal;
}

PayInputs IngresoScreen::gatherInputs(const SelectedPosition &position) const
{
    const Controls &c = *m_controls;
    PayInputs in;
    in.position = position;
    gatherTexts(kInputFields, c.fieldBoxes, in);
    gatherTexts(kInputTexts, c.textBoxes, in);
    c.gatherChoices(in);
    return in;
}

void IngresoScreen::showPositionSummary(const PositionSummary &summary)
{
    Controls &c = *m_controls;
    c.cargoselect->setText(summary.name);
    c.cargoselect->adjustSize();
    c.codcarval->setText(summary.code);
    c.puncarval->setText(summary.basicPoints);
    c.puncompbasval->setText(summary.complementPoints);
    c.punproljorval->setText(summary.extendedDayPoints);
    c.punjorcomval->setText(summary.fullDayPoints);
    c.puntardifval->setText(summary.differentiatedTaskPoints);
    for (QLabel *label : c.positionSummary())
        label->show();
}

void IngresoScreen::clearPositionOption()
{
    // An exclusive group keeps its checked button; lift that for the uncheck.
    Controls &c = *m_controls;
    c.categoria->setExclusive(false);
    for (QRadioButton *option : {c.cargo, c.horasmedio, c.horassup})
        option->setChecked(false);
    c.categoria->setExclusive(true);
    hidePositionSummary();
}

void IngresoScreen::returnFromPayslip()
{
    Controls &c = *m_controls;
    clearPositionOption();
    hidePositionSummary();
    setShown({c.numerohorasmed, c.numerohorassup, c.Label3, c.Label4}, false);
}

bool IngresoScreen::focusField(InputField field)
{
    QLineEdit *box = m_controls->fieldBoxes[indexOf(field)];
    if (!box)
        return false;
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    return true;
}

bool IngresoScreen::absencesTicked() const
{
    return m_controls->inasist->isChecked();
}

void IngresoScreen::restoreInputs(const PayInputs &inputs, bool absencesTicked)
{
    Controls &c = *m_controls;
    restoreTexts(kInputFields, c.fieldBoxes, inputs);
    restoreTexts(kInputTexts, c.textBoxes, inputs);

    checkInGroup(*c.categoria, c.payKindOf(inputs));
    showHourFieldsOf(inputs);
    hidePositionSummary();

    c.restoreTicksAndDeductions(inputs);
    ingreso_opincentivo_Click();
    checkInGroup(*c.antiguedad, c.antiguedad->button(inputs.seniorityBracket));
    c.porcantig->setText(fromText(seniorityText(inputs, *m_scale)));
    c.zona->chooseZone(inputs.zone);

    // A count keeps its text even under an unticked box, which does not read it.
    c.inasist->setChecked(absencesTicked);
    c.dinasist->setVisible(absencesTicked);
    setShown({c.cantkm, c.mensajekm}, inputs.transport);
    c.cantidadhijos->setVisible(inputs.children);
    c.cantidadhijosdisc->setVisible(inputs.disabledChildren);
}

// The hour fields as choosing the kind of pay shows them: a level's hours and the code counts
// for hours, none for a position. While no kind is chosen the code counts stay in view as long
// as any hours are kept, as after "Volver" from a payslip of hours ("Cargo" sets them to "0").
void IngresoScreen::showHourFieldsOf(const PayInputs &inputs)
{
    Controls &c = *m_controls;
    const bool noKind =
        !inputs.positionChosen && !inputs.secondaryHoursChosen && !inputs.higherHoursChosen;
    const auto keptHours = [&inputs] {
        constexpr InputField kHours[] = {InputField::SecondaryHours, InputField::HigherHours,
                                         InputField::Code06Hours, InputField::IncentiveHours,
                                         InputField::Code113Hours};
        return std::any_of(std::begin(kHours), std::end(kHours),
                           [&inputs](InputField hours) { return fieldText(inputs, hours) != "0"; });
    };
    setShown({c.numerohorasmed, c.Label3}, inputs.secondaryHoursChosen);
    setShown({c.numerohorassup, c.Label4}, inputs.higherHoursChosen);
    setShown(c.codeHourFields(),
             inputs.secondaryHoursChosen || inputs.higherHoursChosen || (noKind && keptHours()));
}

void IngresoScreen::showFileName(const QString &fileName)
{
    setWindowTitle(fileName.isEmpty() ? kCaption + QStringLiteral("[*]")
                                      : fileName + QStringLiteral("[*] — ") + kCaption);
}

void IngresoScreen::showRecentFiles(const QStringList &paths)
{
    QMenu &menu = *m_controls->recientes;
    menu.clear();
    for (const QString &path : paths) {
        const QFileInfo file(path);
        QAction *entry = menu.addAction(
            QStringLiteral("%1  (%2)")
                .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath())));
        entry->setToolTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] { emit recentFileChosen(path); });
    }
    if (paths.isEmpty())
        menu.addAction(QStringLiteral("Ningún archivo abierto todavía"))->setEnabled(false);
}

void IngresoScreen::ingreso_cargo_Click()
{
    Controls &c = *m_controls;
    emit positionOptionClicked();
    setShown({c.numerohorasmed, c.Label3}, false);
    setShown(c.codeHourFields(), false);
    resetToZero({c.numhorascod06, c.numhorasincen, c.numhorascod113, c.numerohorasmed});
    setShown({c.numerohorassup, c.Label4}, false);
    resetToZero({c.numerohorassup});
}

void IngresoScreen::ingreso_horasmedio_Click()
{
    Controls &c = *m_controls;
    setShown({c.numerohorasmed, c.Label3}, true);
    setShown(c.codeHourFields(), true);
    emit hoursOptionClicked();
    hidePositionSummary();
    setShown({c.numerohorassup, c.Label4}, false);
    resetToZero({c.numerohorassup});
}

void IngresoScreen::ingreso_horassup_Click()
{
    Controls &c = *m_controls;
    setShown({c.numerohorassup, c.Label4}, true);
    setShown(c.codeHourFields(), true);
    emit hoursOptionClicked();
    resetToZero({c.numerohorasmed});
    setShown({c.numerohorasmed, c.Label3}, false);
    hidePositionSummary();
}

void IngresoScreen::ingreso_Option_Click(int bracket)
{
    PayInputs chosen;
    chooseSeniorityBracket(chosen, bracket, *m_scale);
    m_controls->porcantig->setText(fromText(seniorityText(chosen, *m_scale)));
}

void IngresoScreen::showScale(std::shared_ptr<const PayScale> scale, bool builtIn)
{
    m_scale = scale ? std::move(scale)
                    : std::shared_ptr<const PayScale>(std::shared_ptr<const PayScale>(),
                                                      &PayScale::builtIn());
    Controls &c = *m_controls;
    c.Label10->setText(fromText(m_scale->period.month));
    c.Label8->setToolTip(fromText(m_scale->period.tooltip));
    c.escala->showScale(fromText(m_scale->period.title), builtIn);
    showSeniorityBrackets();
    // Another list of zones changes no data: the zone picked stays picked.
    const QSignalBlocker quietList(c.zona);
    const QSignalBlocker quietText(c.zona->lineEdit());
    c.zona->setZones(m_scale->zones);
}

// The scale's brackets on the options, in order; a bracket chosen that the scale has not is
// unchosen.
void IngresoScreen::showSeniorityBrackets()
{
    Controls &c = *m_controls;
    const std::vector<SeniorityBracket> &brackets = m_scale->seniorityBrackets;
    const int room = c.Frame1->width() - c.seniorityOptions.front()->x() - 2;
    for (std::size_t index = 0; index < c.seniorityOptions.size(); ++index) {
        QRadioButton *option = c.seniorityOptions.at(index);
        const bool offered = index < brackets.size();
        option->setVisible(offered);
        if (!offered)
            continue;
        option->setText(fromText(brackets.at(index).caption));
        option->setToolTip(fromText(brackets.at(index).percentText));
        option->resize(std::min(option->sizeHint().width(), room), option->height());
    }
    if (c.antiguedad->checkedId() > static_cast<int>(brackets.size())) {
        c.antiguedad->setExclusive(false);
        c.antiguedad->checkedButton()->setChecked(false);
        c.antiguedad->setExclusive(true);
    }
    PayInputs chosen;
    chooseSeniorityBracket(chosen, std::max(c.antiguedad->checkedId(), 0), *m_scale);
    c.porcantig->setText(fromText(seniorityText(chosen, *m_scale)));
}

void IngresoScreen::setScaleFileChooser(std::function<QString(QWidget *parent)> chooser)
{
    m_controls->escala->setFileChooser(std::move(chooser));
}

void IngresoScreen::ingreso_opincentivo_Click()
{
    Controls &c = *m_controls;
    c.Text1->setText(c.opincentivo->isChecked() ? QStringLiteral("Si") : QStringLiteral("No"));
}

void IngresoScreen::ingreso_transporte_Click()
{
    followCheckBox(*m_controls->transporte, *m_controls->cantkm, m_controls->mensajekm);
}

void IngresoScreen::ingreso_inasist_Click()
{
    followCheckBox(*m_controls->inasist, *m_controls->dinasist);
}

void IngresoScreen::ingreso_hijos_Click()
{
    followCheckBox(*m_controls->hijos, *m_controls->cantidadhijos);
}

void IngresoScreen::ingreso_hijosdisc_Click()
{
    followCheckBox(*m_controls->hijosdisc, *m_controls->cantidadhijosdisc);
}

void IngresoScreen::ingreso_Command1_Click()
{
    emit calculateRequested();
}

void IngresoScreen::ingreso_Command2_Click()
{
    emit quitRequested();
}

void IngresoScreen::hidePositionSummary()
{
    for (QLabel *label : m_controls->positionSummary())
        label->hide();
}

// An arrow key in the brackets clicks the next or the previous one, round the group, as option
// groups do on every desktop: moving the focus alone would leave the bracket unchecked (and
// the seniority at 0 %) while the focus shows another.
bool IngresoScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto &options = m_controls->seniorityOptions;
    const auto current = std::find(options.begin(), options.end(), watched);
    int step = 0;
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    default:
        break;
    }
    if (current == options.end() || step == 0)
        return QWidget::eventFilter(watched, event);
    const auto count = static_cast<int>(options.size());
    const int next = (static_cast<int>(current - options.begin()) + step + count) % count;
    QRadioButton *option = options.at(static_cast<std::size_t>(next));
    option->setFocus(Qt::OtherFocusReason);
    option->click();
    return true;
}

void IngresoScreen::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    m_controls->Command1->click();
}

void IngresoScreen::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit quitRequested();
}

} // namespace pagaluz::ui
