#pragma once

#include "DecimalConventions.h"
#include "InputField.h"
#include "PositionSummary.h"
#include "SavedInputs.h"

#include <QLocale>
#include <QObject>

#include <functional>
#include <memory>

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

private:
    void showConversionError(InputField field, const QString &message);
    void focusInputBox(InputField field);
    void connectDocuments();
    // The data as the screens hold them, as a saved file keeps them.
    SavedInputs savedInputs() const;
    // Saved data onto the screens, the position confirmed as by "Listo".
    void restoreSavedInputs(const SavedInputs &saved);

    QLocale m_locale;
    DecimalConventions m_conventions;
    std::unique_ptr<IngresoScreen> m_ingreso;
    std::unique_ptr<AdvertenciaScreen> m_advertencia;
    std::unique_ptr<HaberesScreen> m_haberes;
    std::unique_ptr<ErrorScreen> m_error;
    std::unique_ptr<QMessageBox> m_conversionMessage;
    std::unique_ptr<DocumentKeeper> m_documents;
    std::function<void()> m_quit;
};

} // namespace pagaluz::ui
