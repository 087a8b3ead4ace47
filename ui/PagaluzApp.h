#pragma once

#include "DecimalConventions.h"
#include "InputField.h"
#include "PositionCatalogue.h"
#include "PositionSummary.h"
#include "PositionTableStore.h"
#include "SavedInputs.h"
#include "ScaleStore.h"

#include <QLocale>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class QMessageBox;

namespace pagaluz::ui {

class AdvertenciaScreen;
class DocumentKeeper;
class ErrorScreen;
class HaberesScreen;
class IngresoScreen;

// The program's screens and how they meet: the data entry screen lives as
// long as the program; the position selection, payslip and message screens
// are created on first use, hidden rather than destroyed, and keep their
// contents. "Calcular" runs here: inputs from the screens, the calculation,
// and the payslip or a message.
class PagaluzApp : public QObject {
    Q_OBJECT

public:
    // `awaitFonts`: see IngresoScreen.
    explicit PagaluzApp(const QLocale &locale = QLocale(),
                        const std::function<void()> &awaitFonts = {});
    ~PagaluzApp() override;

    // Shows the data entry screen.
    void start();
    // The position table the program starts with: the table file `positionsFile`, for this
    // run only, when one is given and can be used; else the copy kept by the last "Cargar
    // tabla…"; else the built-in table. A file or a copy that cannot be used is told.
    void chooseStartingTable(const std::optional<QString> &positionsFile);
    // The pay scale the program starts with: the scale file `scaleFile`, for this run only,
    // when one is given and can be used; else the copy kept by the last scale file loaded;
    // else the built-in scale. A file or a copy that cannot be used is told.
    void chooseStartingScale(const std::optional<QString> &scaleFile);
    // The pay scale every calculation, explanation and comparison uses.
    const PayScale &scale() const { return *m_scale; }
    // A scale file that can be used takes the place of the scale in use and is kept for the
    // next start; one that cannot is told, and the scale in use stays.
    void loadScaleFile(const QString &path);
    // The built-in scale takes the place of the scale in use, and the kept copy goes.
    void useBuiltInScale();

    IngresoScreen &ingreso() { return *m_ingreso; }
    // Each created on first use.
    AdvertenciaScreen &advertencia();
    HaberesScreen &haberes();
    ErrorScreen &errorScreen();
    // The screens created so far (nullptr for one not yet used).
    AdvertenciaScreen *existingAdvertencia() const { return m_advertencia.get(); }
    HaberesScreen *existingHaberes() const { return m_haberes.get(); }
    ErrorScreen *existingErrorScreen() const { return m_error.get(); }
    // The message of the last refused input, while it is open.
    QMessageBox *conversionMessage() const { return m_conversionMessage.get(); }
    // The last message about a position table, while it is open.
    QMessageBox *tableMessage() const { return m_tableMessage.get(); }
    // The last message about a pay scale, while it is open.
    QMessageBox *scaleMessage() const { return m_scaleMessage.get(); }

    // What "Salir" does once nothing unsaved is left; tests replace ending the program.
    void setQuitAction(std::function<void()> quit) { m_quit = std::move(quit); }
    // The file the data are kept in: saving, opening (also `pagaluz FILE`), unsaved changes.
    DocumentKeeper &documents() { return *m_documents; }

private slots:
    void ingreso_Command1_Click();
    void openPositionSelection();
    void hidePositionSelection();
    void confirmPosition(const PositionSummary &summary);
    void clearPositionOption();
    void returnFromPayslip();
    void applyFoundInputs(const pagaluz::PayInputs &inputs);
    void quit();
    void loadTableFile(const QString &path);
    void useBuiltInTable();

private:
    void showConversionError(InputField field, const QString &message);
    void focusInputBox(InputField field);
    // "Dato incorrecto": an input the calculation cannot take, told; the input is kept.
    void showInputMessage(const QString &message);
    void connectDocuments();
    // The data as the screens hold them, as a saved file keeps them.
    SavedInputs savedInputs() const;
    // Saved data onto the screens, the position confirmed as by "Listo"; data saved under
    // another scale than the one in use are told so.
    void restoreSavedInputs(const SavedInputs &saved);
    void useTable(std::shared_ptr<const PositionCatalogue> table, const QString &fileName,
                  const QDateTime &loaded);
    void showTableMessage(const QString &text, const QString &details);
    void useScale(std::shared_ptr<const PayScale> scale);
    void showScaleMessage(const QString &text, const QString &details);

    QLocale m_locale;
    DecimalConventions m_conventions;
    std::unique_ptr<IngresoScreen> m_ingreso;
    std::unique_ptr<AdvertenciaScreen> m_advertencia;
    std::unique_ptr<HaberesScreen> m_haberes;
    std::unique_ptr<ErrorScreen> m_error;
    std::unique_ptr<QMessageBox> m_conversionMessage;
    std::unique_ptr<DocumentKeeper> m_documents;
    std::unique_ptr<QMessageBox> m_tableMessage;
    PositionTableStore m_tableStore;
    std::shared_ptr<const PositionCatalogue> m_table; // null for the built-in table
    QString m_tableDescription;                       // what the selection screen says of it
    std::unique_ptr<QMessageBox> m_scaleMessage;
    ScaleStore m_scaleStore;
    std::shared_ptr<const PayScale> m_scale;
    std::function<void()> m_quit;
};

} // namespace pagaluz::ui
