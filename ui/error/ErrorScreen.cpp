#include "ErrorScreen.h"

#include "ProgramFont.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace pagaluz::ui {

namespace {

constexpr int kClientWidth = 341;
constexpr int kClientHeight = 101;
constexpr QSize kButtonSize{81, 25};

QLabel *createMessage(QWidget &screen)
{
    auto *message = new QLabel(QStringLiteral("No seleccionaste cargo ni horas"), &screen);
    message->setObjectName(QStringLiteral("Label1"));
    message->setGeometry(0, 14, kClientWidth, 32);
    message->setAlignment(Qt::AlignCenter);
    message->setFont(programFont(14, true));
    QPalette palette = message->palette();
    palette.setColor(QPalette::WindowText, QColor(139, 0, 0));
    message->setPalette(palette);
    return message;
}

QPushButton *createAceptar(QWidget &screen)
{
    auto *aceptar = new QPushButton(QStringLiteral("Aceptar"), &screen);
    aceptar->setObjectName(QStringLiteral("Aceptar"));
    aceptar->setGeometry((kClientWidth - kButtonSize.width()) / 2, 60, kButtonSize.width(),
                         kButtonSize.height());
    aceptar->setDefault(true);
    return aceptar;
}

// Assistive technology reads the screen as a message, as it reads a message box: a window of
// the alert role, which it presents whole when it appears.
QAccessibleInterface *alertInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String(ErrorScreen::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::AlertMessage);
}

} // namespace

ErrorScreen::ErrorScreen(QWidget *parent) : QDialog(parent)
{
    [[maybe_unused]] static const bool alertInstalled = [] {
        QAccessible::installFactory(&alertInterface);
        return true;
    }();
    setObjectName(QStringLiteral("error"));
    setWindowTitle(QStringLiteral("Error de selección"));
    setModal(false);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(programFont());
    const QLabel *message = createMessage(*this);
    setAccessibleDescription(message->text()); // read after the title when the screen appears
    m_aceptar = createAceptar(*this);
    connect(m_aceptar, &QPushButton::clicked, this, &ErrorScreen::error_Aceptar_Click);
}

void ErrorScreen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void ErrorScreen::error_Aceptar_Click()
{
    hide();
}

void ErrorScreen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_aceptar->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace pagaluz::ui
