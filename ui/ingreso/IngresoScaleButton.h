#pragma once

#include <QToolButton>

#include <functional>

class QAction;

namespace pagaluz::ui {

// The button "escala" of the data entry screen: it names the pay scale in use and, from its
// menu, loads a scale file ("Cargar escala…") or goes back to the built-in scale ("Escala
// incorporada"). It stands in free space under "Guardar" and "Abrir", above the emblem.
class IngresoScaleButton : public QToolButton {
    Q_OBJECT

public:
    using FileChooser = std::function<QString(QWidget *parent)>;

    explicit IngresoScaleButton(QWidget *parent);

    // The scale in use: its name on the button (shortened with "…" when it does not fit, whole
    // in the tool-tip); "Escala incorporada" is offered while another scale is in use.
    void showScale(const QString &name, bool builtIn);
    // How "Cargar escala…" asks for the file; tests answer without a dialog.
    void setFileChooser(FileChooser choose) { m_chooseFile = std::move(choose); }

signals:
    void scaleFileChosen(const QString &path);
    void builtInScaleChosen();

private:
    void chooseFile();

    QAction *m_load = nullptr;
    QAction *m_builtIn = nullptr;
    FileChooser m_chooseFile;
};

} // namespace pagaluz::ui
