#include "AdvertenciaScreen.h"

#include "AdvertenciaControls.h"
#include "InputField.h"
#include "PositionCatalogue.h"
#include "PositionTableFile.h"
#include "ProgramFont.h"
#include "ReferencePointsNotice.h"
#include "ShownText.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QScopedValueRollback>

#include <utility>
#include <vector>

namespace pagaluz::ui {

namespace {

const QColor kScreenColour(255, 192, 128);
const QColor kNoticeColour(160, 0, 0);
const QColor kTableColour(0, 0, 192);

// The code box's text read as a number is 0 (the box's initial "0").
bool isCodeZero(const QString &code)
{
    bool isNumber = false;
    const double value = code.trimmed().toDouble(&isNumber);
    return isNumber && value == 0.0;
}

std::string toText(const QString &text)
{
    return text.toStdString();
}

// The point boxes on `screen`, each with its entry of the table of inputs.
std::vector<std::pair<QLineEdit *, const InputFieldInfo *>> pointBoxesOn(const QWidget &screen)
{
    std::vector<std::pair<QLineEdit *, const InputFieldInfo *>> boxes;
    for (const InputFieldInfo &field : kInputFields) {
        if (field.ofPosition()) {
            const QLatin1String name(field.boxName.data(), qsizetype(field.boxName.size()));
            boxes.emplace_back(screen.findChild<QLineEdit *>(name), &field);
        }
    }
    return boxes;
}

QString chooseTableFile(QWidget *parent)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Cargar tabla de cargos"), QString(),
                                        QStringLiteral("Tablas de cargos (*.csv);;"
                                                       "Todos los archivos (*)"));
}

} // namespace

AdvertenciaScreen::AdvertenciaScreen(QWidget *parent)
    : QWidget(parent), m_controls(std::make_unique<Controls>(*this)), m_table(sharedBuiltInTable()),
      m_chooseTableFile(chooseTableFile)
{
    setObjectName(QStringLiteral("advertencia"));
    setWindowTitle(QStringLiteral("Selección de cargo"));
    setFixedSize(twipsSize(9735, 6855));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, kScreenColour);
    setPalette(background);
    m_controls->fillLists(*m_table);
    connectHandlers();
    showNotice();
}

AdvertenciaScreen::~AdvertenciaScreen() = default;

void AdvertenciaScreen::connectHandlers()
{
    Controls &c = *m_controls;
    connect(c.cargox, &QComboBox::activated, this, &AdvertenciaScreen::advertencia_cargox_Click);
    connect(c.codcargo, &QLineEdit::textChanged, this,
            &AdvertenciaScreen::advertencia_codcargo_Change);
    connect(c.Command1, &QPushButton::clicked, this,
            &AdvertenciaScreen::advertencia_Command1_Click);
    connect(c.Command2, &QPushButton::clicked, this,
            &AdvertenciaScreen::advertencia_Command2_Click);
    for (QLineEdit *box : {c.codcargo, c.punbas, c.compbas, c.proljor, c.jorcom, c.tardif})
        connect(box, &QLineEdit::textChanged, this, &AdvertenciaScreen::positionEdited);
    connect(c.cargox, &QComboBox::editTextChanged, this, &AdvertenciaScreen::positionEdited);
    connect(c.cargartabla, &QPushButton::clicked, this,
            &AdvertenciaScreen::advertencia_cargartabla_Click);
    connect(c.tablaincorporada, &QPushButton::clicked, this,
            &AdvertenciaScreen::builtInTableChosen);
    c.codcargo->installEventFilter(this);
    // Typing a name selects nothing. Left alone, the name list would pick the
    // first item equal to the typed text when the typing ends (Enter or
    // leaving the list), and so lose the row of a repeated name.
    disconnect(c.cargox->lineEdit(), &QLineEdit::editingFinished, c.cargox, nullptr);
}

SelectedPosition AdvertenciaScreen::selectedPosition() const
{
    const Controls &c = *m_controls;
    SelectedPosition position;
    position.code = toText(c.currentItem(c.codigocargo));
    position.name = toText(c.cargox->currentText());
    for (const auto &[box, field] : pointBoxesOn(*this))
        position.*field->positionText = toText(box->text());
    return position;
}

SelectedPosition AdvertenciaScreen::typedPosition() const
{
    SelectedPosition typed = selectedPosition();
    typed.code = toText(m_controls->codcargo->text());
    return typed;
}

void AdvertenciaScreen::restorePosition(const SelectedPosition &typed)
{
    Controls &c = *m_controls;
    const QString code = QString::fromStdString(typed.code);
    c.codcargo->setText(code);
    advertencia_codcargo_Change(code); // also when the box held that text already
    const QString name = QString::fromStdString(typed.name);
    if (c.cargox->currentText() != name)
        c.cargox->setEditText(name);
    for (const auto &[box, field] : pointBoxesOn(*this))
        box->setText(QString::fromStdString(typed.*field->positionText));
}

bool AdvertenciaScreen::referencePointsChosen() const
{
    const int row = m_controls->currentRow();
    return row != PositionCatalogue::kNoRow && !m_table->row(row).verified;
}

void AdvertenciaScreen::setTable(std::shared_ptr<const PositionCatalogue> table,
                                 const QString &description)
{
    const bool rowShown = m_controls->currentRow() != PositionCatalogue::kNoRow;
    m_table = std::move(table);
    m_tableDescription = description;
    m_controls->fillLists(*m_table);
    m_controls->tablaincorporada->setEnabled(!description.isEmpty());
    if (rowShown)
        advertencia_codcargo_Change(m_controls->codcargo->text());
    else
        showNotice();
}

void AdvertenciaScreen::setTableFileChooser(std::function<QString(QWidget *)> chooser)
{
    m_chooseTableFile = std::move(chooser);
}

// A typed code that no row has is told; otherwise a loaded table is described, or a row with
// reference points is told.
void AdvertenciaScreen::showNotice()
{
    QLabel &aviso = *m_controls->aviso;
    const QString unknown = unknownCodeNotice();
    const bool described = unknown.isEmpty() && !m_tableDescription.isEmpty();
    const QString text = !unknown.isEmpty()        ? unknown
                         : described               ? m_tableDescription
                         : referencePointsChosen() ? kReferencePointsNotice
                                                   : QString();
    aviso.setTextFormat(Qt::PlainText);
    aviso.setVisible(!text.isEmpty());
    if (aviso.text() == text)
        return;
    aviso.setText(text);
    aviso.setToolTip(text);
    aviso.setFont(programFont(described ? 8 : 9, !described));
    QPalette palette = aviso.palette();
    palette.setColor(QPalette::WindowText, described ? kTableColour : kNoticeColour);
    aviso.setPalette(palette);
}

QString AdvertenciaScreen::unknownCodeNotice() const
{
    const QString code = m_controls->codcargo->text().trimmed();
    if (code.isEmpty() || isCodeZero(code) ||
        m_table->findCode(toText(code)) != PositionCatalogue::kNoRow)
        return {};
    return QStringLiteral("Ningún cargo de la tabla tiene el código %1.").arg(shownText(code));
}

PositionSummary AdvertenciaScreen::confirmedSummary() const
{
    const Controls &c = *m_controls;
    return {c.cargox->currentText(), c.codcargo->text(), c.punbas->text(), c.proljor->text(),
            c.jorcom->text(),        c.tardif->text(),   c.compbas->text()};
}

void AdvertenciaScreen::advertencia_cargox_Click(int row)
{
    m_controls->showRow(row);
    m_controls->Command1->setEnabled(true);
    showNotice();
}

void AdvertenciaScreen::advertencia_codcargo_Change(const QString &text)
{
    if (m_reactingToCode)
        return;
    const QScopedValueRollback guard(m_reactingToCode, true);
    const int row = m_table->findCode(toText(text));
    if (row == PositionCatalogue::kNoRow)
        m_controls->clearRow();
    else
        m_controls->showRow(row);
    m_controls->Command1->setEnabled(row != PositionCatalogue::kNoRow);
    showNotice();
}

void AdvertenciaScreen::advertencia_codcargo_Click()
{
    m_controls->codcargo->clear();
}

void AdvertenciaScreen::advertencia_Command1_Click()
{
    emit positionConfirmed(confirmedSummary());
    if (isCodeZero(m_controls->codcargo->text()))
        emit positionCleared();
    hide();
}

void AdvertenciaScreen::advertencia_Command2_Click()
{
    m_controls->leaveWithoutPosition();
    showNotice();
    hide();
    emit positionCleared();
}

void AdvertenciaScreen::advertencia_cargartabla_Click()
{
    const QString path = m_chooseTableFile(this);
    if (!path.isEmpty())
        emit tableFileChosen(path);
}

bool AdvertenciaScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_controls->codcargo && event->type() == QEvent::MouseButtonPress)
        advertencia_codcargo_Click();
    return QWidget::eventFilter(watched, event);
}

// Each time the screen opens the code box's text is selected, so that a code
// typed straight away replaces it instead of being appended to it.
void AdvertenciaScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_controls->codcargo->selectAll();
}

// Closing through the window frame confirms a chosen row and otherwise leaves
// without a position; the screen is only hidden and keeps its contents.
void AdvertenciaScreen::closeEvent(QCloseEvent *event)
{
    if (m_controls->currentRow() != PositionCatalogue::kNoRow)
        advertencia_Command1_Click();
    else
        advertencia_Command2_Click();
    event->ignore();
    hide();
}

// "Listo" is the default button: Enter anywhere on the screen presses it
// while it is enabled (a focused button takes Enter itself). Escape is
// "Salir sin datos".
void AdvertenciaScreen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        m_controls->Command2->click();
        return;
    }
    const bool isEnter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!isEnter) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (m_controls->Command1->isEnabled())
        m_controls->Command1->click();
}

} // namespace pagaluz::ui
