#include "AdvertenciaScreen.h"

#include "AdvertenciaControls.h"
#include "PositionCatalogue.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QScopedValueRollback>

namespace pagaluz::ui {

namespace {

const QColor kScreenColour(255, 192, 128);

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

} // namespace

AdvertenciaScreen::AdvertenciaScreen(QWidget *parent)
    : QWidget(parent), m_controls(std::make_unique<Controls>(*this))
{
    setObjectName(QStringLiteral("advertencia"));
    setWindowTitle(QStringLiteral("Selección de cargo"));
    setFixedSize(twipsSize(9735, 6855));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, kScreenColour);
    setPalette(background);
    connectHandlers();
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
    c.codcargo->installEventFilter(this);
    // Typing a name selects nothing. Left alone, the name list would pick the
    // first item equal to the typed text when the typing ends (Enter or
    // leaving the list), and so lose the row of a repeated name.
    disconnect(c.cargox->lineEdit(), &QLineEdit::editingFinished, c.cargox, nullptr);
}

SelectedPosition AdvertenciaScreen::selectedPosition() const
{
    const Controls &c = *m_controls;
    return {toText(c.currentItem(c.codigocargo)),
            toText(c.currentItem(c.puntosbasicos)),
            toText(c.cargox->currentText()),
            toText(c.punbas->text()),
            toText(c.compbas->text()),
            toText(c.jorcom->text()),
            toText(c.proljor->text()),
            toText(c.tardif->text())};
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
}

void AdvertenciaScreen::advertencia_codcargo_Change(const QString &text)
{
    if (m_reactingToCode)
        return;
    const QScopedValueRollback guard(m_reactingToCode, true);
    const int row = PositionCatalogue::builtIn().findCode(toText(text));
    if (row == PositionCatalogue::kNoRow)
        m_controls->clearRow();
    else
        m_controls->showRow(row);
    m_controls->Command1->setEnabled(row != PositionCatalogue::kNoRow);
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
    hide();
    emit positionCleared();
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
// while it is enabled (a focused button takes Enter itself).
void AdvertenciaScreen::keyPressEvent(QKeyEvent *event)
{
    const bool isEnter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!isEnter) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (m_controls->Command1->isEnabled())
        m_controls->Command1->click();
}

} // namespace pagaluz::ui
