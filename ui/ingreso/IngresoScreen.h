#pragma once

#include "InputField.h"
#include "PayInputs.h"
#include "PositionSummary.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

class QCloseEvent;
class QKeyEvent;

// The scale's header is kept from moc, which cannot read all of C++20's headers.
namespace pagaluz {
struct PayScale;
} // namespace pagaluz

namespace pagaluz::ui {

// The data entry screen "Ingreso de datos": the program's home screen. It
// holds every input of a calculation, shows dependent fields only while
// they apply, and hands its content over as PayInputs when "Calcular" is
// pressed. It does no arithmetic itself.
class IngresoScreen : public QWidget {
    Q_OBJECT

public:
    // `awaitFonts`, when given, returns once the fonts can be used: the screen calls it after
    // making its window and drawing surface, which need none, and before its first control.
    explicit IngresoScreen(QWidget *parent = nullptr, const std::function<void()> &awaitFonts = {});
    ~IngresoScreen() override;

    // The inputs as the screen holds them now, with the position the
    // selection screen holds.
    PayInputs gatherInputs(const SelectedPosition &position) const;
    // Why the text of the zone box cannot be calculated with, the box then focused; empty
    // when it can.
    QString zoneRefusal();

    // "Listo" on the selection screen: show the position summary with these values.
    void showPositionSummary(const PositionSummary &summary);
    // Leaves the option "Cargo" unselected (no other option is selected either) and hides the
    // position summary.
    void clearPositionOption();
    // "Volver" on the payslip: no pay basis selected, the position summary and
    // the two level-hour boxes with their labels hidden; every text kept.
    void returnFromPayslip();
    // Gives the keyboard focus to the box of `field` with its text selected,
    // when that box is on this screen. Returns whether it is.
    bool focusField(InputField field);

    // Whether "Inasistencias Just" is ticked (it is no input: it shows the box of the days).
    bool absencesTicked() const;
    // Saved data opened: every option, box, tick, the bracket and the zone as `inputs` hold
    // them, the fields that depend on them shown as those choices show them. The position
    // summary is hidden; the position's own texts are the selection screen's.
    void restoreInputs(const PayInputs &inputs, bool absencesTicked);
    // The window title: the name of the file the data are kept in, or the screen's caption
    // alone while there is none; either marked while there are unsaved changes.
    void showFileName(const QString &fileName);
    // The files "Abrir" offers on its menu, the newest first.
    void showRecentFiles(const QStringList &paths);

    // The most seniority brackets the screen offers: its option buttons.
    static constexpr int kMostBrackets = 12;
    // The pay scale in use (null: the built-in one), which `builtIn` says it is: the month it
    // pays over the screen, its name on the button "escala", its seniority brackets on the
    // options (those beyond its count hidden, a bracket it has not unchosen) and its zones in
    // the list. It must have at most kMostBrackets brackets.
    void showScale(std::shared_ptr<const PayScale> scale, bool builtIn);
    // How "Cargar escala…" asks for the file; tests answer without a dialog.
    void setScaleFileChooser(std::function<QString(QWidget *parent)> chooser);

signals:
    void positionOptionClicked(); // "Cargo": open the position selection screen
    void hoursOptionClicked();    // either hours option: hide the selection screen
    void calculateRequested();    // "Calcular"
    void quitRequested();         // "Salir", or the window closed through its frame
    void saveRequested();         // "Guardar", Ctrl+S
    void saveAsRequested();       // Ctrl+Shift+S
    void openRequested();         // "Abrir", Ctrl+O
    void recentFilesWanted();     // the menu of "Abrir" is about to show: showRecentFiles
    void recentFileChosen(const QString &path);
    void inputsEdited();                       // any option, box, tick, bracket or zone changed
    void scaleFileChosen(const QString &path); // "Cargar escala…", a file chosen
    void builtInScaleChosen();                 // back to the built-in scale

private slots:
    void ingreso_cargo_Click();
    void ingreso_horasmedio_Click();
    void ingreso_horassup_Click();
    void ingreso_Option_Click(int bracket); // Option1 to Option12
    void ingreso_opincentivo_Click();
    void ingreso_transporte_Click();
    void ingreso_inasist_Click();
    void ingreso_hijos_Click();
    void ingreso_hijosdisc_Click();
    void ingreso_Command1_Click();
    void ingreso_Command2_Click();

private:
    // Enter, from any field, presses the default button "Calcular".
    void keyPressEvent(QKeyEvent *event) override;
    // Closing the window ends the program, as "Salir" does.
    void closeEvent(QCloseEvent *event) override;
    // The arrow keys in the seniority brackets check the option they move to.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void connectActions();
    void connectFileActions();
    void connectEdits();
    void hidePositionSummary();
    void showHourFieldsOf(const PayInputs &inputs);
    void showSeniorityBrackets();

    struct Controls;
    std::unique_ptr<Controls> m_controls; // the child widgets, by their names
    std::shared_ptr<const PayScale> m_scale;
};

} // namespace pagaluz::ui
