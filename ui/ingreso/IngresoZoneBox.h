#pragma once

#include <QComboBox>

namespace pagaluz::ui {

// The school zone box of the data entry screen: an editable drop-down list of
// the five zones whose text reads "Ubicación Escuela (Zona)" until the user
// picks a zone. Only a zone picked from the list (or set by the program)
// counts: text typed into the box, even the exact name of a zone, means no zone.
class IngresoZoneBox : public QComboBox {
    Q_OBJECT

public:
    static constexpr int kNoZone = -1;

    explicit IngresoZoneBox(QWidget *parent = nullptr);

    // The list index of the picked zone while its name still stands in the
    // box, else kNoZone.
    int chosenZone() const;
    // Picks the zone at `index` as the user picks it from the list; kNoZone brings the prompt
    // back.
    void chooseZone(int index);

private:
    void takeChoice(int index);

    int m_pickedIndex = kNoZone;
    bool m_finishingTypedText = false;
};

} // namespace pagaluz::ui
