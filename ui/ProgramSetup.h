#pragma once

class QCoreApplication;
class QWidget;

namespace pagaluz::ui {

// Qt's own texts in Spanish: the file dialogs, the message boxes and their buttons ("Guardar",
// "Cancelar", "Aceptar"), from qtbase's Spanish translation. Returns whether it was found.
bool installSpanishQtTexts(QCoreApplication &application);

// The program's icon on every window that has none of its own: the screens, the dialogs and
// the message boxes.
void setProgramIcon();

// The same once `window` has painted for the first time: reading the icon is the program's
// first image read, which costs as much as a tenth of start-up, and the window's content
// matters more to the user than its icon. The icon follows in the next turn of the event loop.
void setProgramIconAfterFirstPaint(QWidget &window);

} // namespace pagaluz::ui
