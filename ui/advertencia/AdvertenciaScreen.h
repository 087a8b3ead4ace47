#pragma once

#include "PayInputs.h"
#include "PositionCatalogue.h"
#include "PositionSummary.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace pagaluz::ui {

// The position selection screen "Selección de cargo": the user picks a
// position by name or types its code, sees its points, and confirms with
// "Listo". The calculation reads the chosen position from this screen.
// Its rows come from the table in use, the built-in one at first; a row
// whose points are reference values is told by a notice, and a table loaded
// from a file by its description in the same place.
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
    // Whether the current row's points are reference values.
    bool referencePointsChosen() const;

    // The screen offers `table`'s rows, and says `description` in place of
    // the notice; an empty description stands for the built-in table, which
    // "Tabla incorporada" cannot then be asked for. A row shown is looked up
    // again by the code box's text, as if typed, in the new table; otherwise
    // the boxes and "Listo" stay as they are.
    void setTable(std::shared_ptr<const PositionCatalogue> table, const QString &description);
    // What "Cargar tabla…" asks the file with; tests answer without a dialog.
    // An empty answer chooses nothing.
    void setTableFileChooser(std::function<QString(QWidget *parent)> chooser);

signals:
    // "Listo": the payslip header and the data entry screen's summary take
    // these values. Emitted before the screen hides itself.
    void positionConfirmed(const PositionSummary &summary);
    // "Listo" with the code box still at its initial "0", or "Salir sin
    // datos": the data entry screen's option "Cargo" is to be cleared.
    void positionCleared();
    // The code, the name or a point box changed.
    void positionEdited();
    // "Cargar tabla…", once a file was chosen.
    void tableFileChosen(const QString &path);
    // "Tabla incorporada".
    void builtInTableChosen();

private slots:
    void advertencia_cargox_Click(int row);
    void advertencia_codcargo_Change(const QString &text);
    void advertencia_codcargo_Click();
    void advertencia_Command1_Click();
    void advertencia_Command2_Click();
    void advertencia_cargartabla_Click();

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    void connectHandlers();
    void showNotice();
    // "Ningún cargo de la tabla tiene el código …" for a typed code no row has; else empty.
    QString unknownCodeNotice() const;

    struct Controls;
    std::unique_ptr<Controls> m_controls; // the child widgets, by their names
    bool m_reactingToCode = false;        // inside advertencia_codcargo_Change
    std::shared_ptr<const PositionCatalogue> m_table;
    QString m_tableDescription; // empty for the built-in table
    std::function<QString(QWidget *)> m_chooseTableFile;
};

} // namespace pagaluz::ui
