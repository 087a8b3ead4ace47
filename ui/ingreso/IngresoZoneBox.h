#pragma once

#include <QComboBox>

#include <vector>

namespace pagaluz {
struct Zone;
} // namespace pagaluz

namespace pagaluz::ui {

// The school zone box of the data entry screen: an editable drop-down list of
// the five zones whose text reads "Ubicación Escuela (Zona)" until the user
// picks a zone. A zone picked from the list (or set by the program) counts, and
// so does a zone's name typed in full; the prompt, or a box left blank, means
// no zone. Any other text names no zone, and is refused before a calculation.
// Each item shows its percentage as its tool-tip.
class IngresoZoneBox : public QComboBox {
    Q_OBJECT

public:
    static constexpr int kNoZone = -1;

    explicit IngresoZoneBox(QWidget *parent = nullptr);

    // The zones of the pay scale in use, in list order. The zone picked stays picked when the
    // new list has one at its place, else the prompt comes back.
    void setZones(const std::vector<Zone> &zones);

    // The list index of the picked zone while its name still stands in the
    // box, else kNoZone.
    int chosenZone() const;
    // Picks the zone at `index` as the user picks it from the list; kNoZone brings the prompt
    // back.
    void chooseZone(int index);
    // Why the text in the box cannot be calculated with: it names no zone. Empty when it
    // names one, or none as the prompt or a blank box do.
    QString refusal() const;

private:
    void takeChoice(int index);

    // "Común (0 %), …", as a refusal lists them.
    QString m_zonesListed;
    int m_pickedIndex = kNoZone;
    bool m_finishingTypedText = false;
};

} // namespace pagaluz::ui
