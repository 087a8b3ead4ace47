#pragma once

#include "InputField.h"

#include <array>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QStyle;
class QToolButton;
class QWidget;

namespace pagaluz::ui {

class IngresoScaleButton;
class IngresoZoneBox;

// The child widgets of the data entry screen, each under the name the screen
// gives it, created at its place with its caption, tool-tip and start-up
// text and visibility. The screen's behaviour lives in IngresoScreen.
struct IngresoControls {
    explicit IngresoControls(QWidget &screen);

    // The look of the three frames, created before them.
    QStyle *frameStyle;

    // The position summary, in the order in which "Volver" hides it.
    std::vector<QLabel *> positionSummary() const;
    // The labels and boxes that both hours options show.
    std::vector<QWidget *> codeHourFields() const;

    // Name and heading.
    QLabel *Label5;
    QLineEdit *docente;
    QLabel *Label9;
    QLabel *Label10;

    // "Categoría": how the teacher is paid.
    QGroupBox *Frame2;
    QRadioButton *cargo;
    QRadioButton *horasmedio;
    QRadioButton *horassup;
    QButtonGroup *categoria;

    // The position summary.
    QLabel *cargoselect;
    QLabel *codcartit;
    QLabel *codcarval;
    QLabel *puncartit;
    QLabel *puncarval;
    QLabel *puncompbastit;
    QLabel *puncompbasval;
    QLabel *punproljortit;
    QLabel *punproljorval;
    QLabel *punjorcomtit;
    QLabel *punjorcomval;
    QLabel *puntardiftit;
    QLabel *puntardifval;

    // The hour fields.
    QLabel *Label3;
    QLineEdit *numerohorasmed;
    QLabel *Label4;
    QLineEdit *numerohorassup;
    QLabel *Label2;
    QLineEdit *numhorascod06;
    QLabel *Label7;
    QLineEdit *numhorasincen;
    QLabel *Label6;
    QLineEdit *numhorascod113;

    // Incentive, transport and zone.
    QCheckBox *opincentivo;
    QLineEdit *Text1;
    QCheckBox *transporte;
    QLineEdit *cantkm;
    QLabel *mensajekm;
    IngresoZoneBox *zona;

    // "Descuentos".
    QGroupBox *Frame3;
    // The box of each deduction, in the order of kDeductionInputs.
    std::array<QCheckBox *, kDeductionInputs.size()> deductionBoxes;

    // "Antigüedad": Option1 to Option12 with their bracket numbers as ids.
    QGroupBox *Frame1;
    std::array<QRadioButton *, 12> seniorityOptions;
    QButtonGroup *antiguedad;
    QLineEdit *porcantig;

    // Absences and family.
    QCheckBox *inasist;
    QLineEdit *dinasist;
    QFrame *Shape1;
    QCheckBox *hijos;
    QLineEdit *cantidadhijos;
    QCheckBox *hijosdisc;
    QLineEdit *cantidadhijosdisc;
    QCheckBox *conyuge;

    QPushButton *Command1;
    QPushButton *Command2;

    // Keeping the data in a file: "Guardar", and "Abrir" with the files opened last on its menu.
    QPushButton *Guardar;
    QToolButton *Abrir;
    QMenu *recientes;
    // The pay scale in use, with a menu to load another or go back to the built-in one.
    IngresoScaleButton *escala;

    // Decorations.
    QLabel *Picture1;
    QLabel *Picture2;
    QLabel *Label1;
    QLabel *Label8;

private:
    void createHeading(QWidget &screen);
    void createCategoryFrame(QWidget &screen);
    void createPositionSummary(QWidget &screen);
    void createHourFields(QWidget &screen);
    void createIncentiveTransportAndZone(QWidget &screen);
    void createDeductionsFrame(QWidget &screen);
    void createSeniorityFrame(QWidget &screen);
    void createAbsenceAndFamilyFields(QWidget &screen);
    void createButtons(QWidget &screen);
    void createFileButtons(QWidget &screen);
    void createDecorations(QWidget &screen);
    void nameTextBoxes();
};

} // namespace pagaluz::ui
