#pragma once

#include "DecimalConventions.h"
#include "InputField.h"
#include "PositionSummary.h"

#include <QLocale>
#include <QObject>

#include <functional>
#include <memory>

class QMessageBox;

namespace pagaluz::ui {

class AdvertenciaScreen;
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

    // What "Salir" does; tests replace ending the program.
    void setQuitAction(std::function<void()> quit) { m_quit = std::move(quit); }

private slots:
    void ingreso_Command1_Click();
    void openPositionSelection();
    void hidePositionSelection();
    void confirmPosition(const PositionSummary &summary);
    void clearPositionOption();
    void returnFromPayslip();
    void quit();

private:
    void showConversionError(InputField field, const QString &message);
    void focusInputBox(InputField field);

    QLocale m_locale;
    DecimalConventions m_conventions;
    std::unique_ptr<IngresoScreen> m_ingreso;
    std::unique_ptr<AdvertenciaScreen> m_advertencia;
    std::unique_ptr<HaberesScreen> m_haberes;
    std::unique_ptr<ErrorScreen> m_error;
    std::unique_ptr<QMessageBox> m_conversionMessage;
    std::function<void()> m_quit;
};

} // namespace pagaluz::ui
