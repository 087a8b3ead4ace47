#include "IngresoScaleButton.h"

#include <QFileDialog>
#include <QMenu>

namespace pagaluz::ui {

namespace {

QString chooseScaleFile(QWidget *parent)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Cargar escala de haberes"),
                                        QString(),
                                        QStringLiteral("Escalas de haberes (*.toml);;"
                                                       "Todos los archivos (*)"));
}

} // namespace

IngresoScaleButton::IngresoScaleButton(QWidget *parent)
    : QToolButton(parent), m_chooseFile(chooseScaleFile)
{
    setObjectName(QStringLiteral("escala"));
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("escalas"));
    m_load = menu->addAction(QStringLiteral("Cargar escala…"));
    m_load->setObjectName(QStringLiteral("cargarescala"));
    m_builtIn = menu->addAction(QString());
    m_builtIn->setObjectName(QStringLiteral("escalaincorporada"));
    setMenu(menu);
    connect(m_load, &QAction::triggered, this, &IngresoScaleButton::chooseFile);
    connect(m_builtIn, &QAction::triggered, this, &IngresoScaleButton::builtInScaleChosen);
}

void IngresoScaleButton::showScale(const QString &name, bool builtIn)
{
    const QString text = QStringLiteral("Escala: %1").arg(name);
    const int room = contentsRect().width() - 2 * fontMetrics().horizontalAdvance(QLatin1Char(' '));
    // "&" would mark the next letter as the button's shortcut.
    QString shown = fontMetrics().elidedText(text, Qt::ElideRight, room);
    setText(shown.replace(QLatin1Char('&'), QStringLiteral("&&")));
    setToolTip(QStringLiteral("Escala de haberes en uso: «%1». Puede cargar otra desde un "
                              "archivo, o volver a la incorporada.")
                   .arg(name));
    setAccessibleName(text);
    m_builtIn->setText(builtIn ? QStringLiteral("Escala incorporada (en uso)")
                               : QStringLiteral("Volver a la escala incorporada"));
    m_builtIn->setEnabled(!builtIn);
}

void IngresoScaleButton::chooseFile()
{
    const QString path = m_chooseFile(this);
    if (!path.isEmpty())
        emit scaleFileChosen(path);
}

} // namespace pagaluz::ui
