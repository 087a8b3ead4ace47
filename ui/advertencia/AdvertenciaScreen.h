#pragma once

#include "PayInputs.h"
#include "PositionSummary.h"

#include <QWidget>

#include <memory>

namespace pagaluz::ui {

// The position selection screen "Selección de cargo": the user picks a
// position by name or types its code, sees its points, and confirms with
// "Listo". The calculation reads the chosen position from this screen.
class AdvertenciaScreen : public QWidget {
    Q_OBJECT

public:
    explicit AdvertenciaScreen(QWidget *parent = nullptr);
    ~AdvertenciaScreen() override;

    // The position as the screen holds it now (typed point texts included).
    SelectedPosition selectedPosition() const;
    // The same with the code box's text as its code, whether a row has that code or not: what
    // a saved file keeps.
    SelectedPosition typedPosition() const;
    // Saved data opened: `typed.code` typed into the code box (which chooses its row, or none),
    // then the name list's text and the five point boxes set to the saved texts.
    void restorePosition(const SelectedPosition &typed);
    // What "Listo" hands on now.
    PositionSummary confirmedSummary() const;

signals:
    // "Listo": the payslip header and the data entry screen's summary take
    // these values. Emitted before the screen hides itself.
    void positionConfirmed(const PositionSummary &summary);
    // "Listo" with the code box still at its initial "0", or "Salir sin
    // datos": the data entry screen's option "Cargo" is to be cleared.
    void positionCleared();
    // The code, the name or a point box changed.
    void positionEdited();

private slots:
    void advertencia_cargox_Click(int row);
    void advertencia_codcargo_Change(const QString &text);
    void advertencia_codcargo_Click();
    void advertencia_Command1_Click();
    void advertencia_Command2_Click();

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    void connectHandlers();

    struct Controls;
    std::unique_ptr<Controls> m_controls; // the child widgets, by their names
    bool m_reactingToCode = false;        // inside advertencia_codcargo_Change
};

} // namespace pagaluz::ui
