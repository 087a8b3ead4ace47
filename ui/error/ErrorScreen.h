#pragma once

#include <QDialog>

class QKeyEvent;
class QPushButton;
class QShowEvent;

namespace pagaluz::ui {

// The message screen "Error de selección": tells the user that no kind of
// pay was chosen. Shown without blocking; "Aceptar", Enter or Escape hide it.
class ErrorScreen : public QDialog {
    Q_OBJECT

public:
    explicit ErrorScreen(QWidget *parent = nullptr);

private slots:
    void error_Aceptar_Click();

private:
    // Escape presses "Aceptar", the screen's cancel button.
    void keyPressEvent(QKeyEvent *event) override;
    // Tells assistive technology that the message has appeared, as a message box does.
    void showEvent(QShowEvent *event) override;

    QPushButton *m_aceptar = nullptr;
};

} // namespace pagaluz::ui
