#pragma once

class QCoreApplication;

namespace pagaluz::ui {

// Qt's own texts in Spanish: the file dialogs, the message boxes and their buttons ("Guardar",
// "Cancelar", "Aceptar"), from qtbase's Spanish translation. Returns whether it was found.
bool installSpanishQtTexts(QCoreApplication &application);

// The program's icon on every window that has none of its own: the screens, the dialogs and
// the message boxes.
void setProgramIcon();

} // namespace pagaluz::ui
