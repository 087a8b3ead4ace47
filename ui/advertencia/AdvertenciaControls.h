#pragma once

#include "AdvertenciaScreen.h"
#include "PositionCatalogue.h"

#include <QString>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace pagaluz::ui {

class AdvertenciaPicture;

// The child widgets of the position selection screen, named as the screen
// names them, and the catalogue row they show. The name list `cargox` and
// the six hidden lists hold the catalogue in row order and always stand on
// the same row.
struct AdvertenciaScreen::Controls {
    explicit Controls(QWidget &screen);

    // The lists hold `table`'s rows, none of them selected.
    void fillLists(const PositionCatalogue &table);

    // The row the lists stand on, or -1 for none.
    int currentRow() const;
    // Every list on `row`; the code box and the five point boxes show the
    // row's texts. Only what differs from the row is set.
    void showRow(int row);
    // Every list on no row, no name text, the five point boxes empty.
    void clearRow();
    // "Salir sin datos": no row, no name text, "0" in the five point boxes.
    void leaveWithoutPosition();
    // The item of `list` on the current row, or empty when there is none.
    QString currentItem(const QListWidget *list) const;

    QLabel *Label2 = nullptr; // heading
    QLabel *Label1 = nullptr; // titles, left to right
    QLabel *Label3 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLineEdit *codcargo = nullptr; // boxes, left to right
    QLineEdit *punbas = nullptr;
    QLineEdit *compbas = nullptr;
    QLineEdit *proljor = nullptr;
    QLineEdit *jorcom = nullptr;
    QLineEdit *tardif = nullptr;
    QLabel *Label4 = nullptr;
    QComboBox *cargox = nullptr;
    QPushButton *Command1 = nullptr; // "Listo"
    QPushButton *Command2 = nullptr; // "Salir sin datos"
    QLabel *aviso = nullptr;         // reference points, or the table loaded
    QPushButton *cargartabla = nullptr;
    QPushButton *tablaincorporada = nullptr;
    AdvertenciaPicture *Picture1 = nullptr;
    QListWidget *codigocargo = nullptr; // hidden lists
    QListWidget *puntosbasicos = nullptr;
    QListWidget *proljornada = nullptr;
    QListWidget *jorcompleta = nullptr;
    QListWidget *tareadif = nullptr;
    QListWidget *compbasico = nullptr;

private:
    struct PointColumn {
        QLineEdit *box;
        QListWidget *list;
    };

    void createTitlesAndBoxes(QWidget &screen);
    void createNameList(QWidget &screen);
    void createButtonsAndPicture(QWidget &screen);
    void createTableControls(QWidget &screen);
    void createHiddenLists(QWidget &screen);
    void setTabOrder();
    std::array<QListWidget *, 6> hiddenLists() const;
    std::array<PointColumn, 5> pointColumns() const;
    void showName(int row);
};

} // namespace pagaluz::ui
