#include "IngresoZoneBox.h"

#include "PayScale.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace pagaluz::ui {

namespace {

const QString kZonePrompt = QStringLiteral("Ubicación Escuela (Zona)");

QString nameOf(const Zone &zone)
{
    return QString::fromUtf8(zone.name.data(), static_cast<qsizetype>(zone.name.size()));
}

QString percentText(const Zone &zone)
{
    return QStringLiteral("%1 %").arg(zone.percent);
}

} // namespace

IngresoZoneBox::IngresoZoneBox(QWidget *parent) : QComboBox(parent)
{
    setInsertPolicy(QComboBox::NoInsert);

    // When typing ends, the combo box itself selects an item whose name equals
    // the typed text. Slots run in the order of their connections, so these
    // two, connected around the box's own one, mark that selection as typed.
    auto *edit = new QLineEdit(this);
    connect(edit, &QLineEdit::editingFinished, this, [this] { m_finishingTypedText = true; });
    setLineEdit(edit);
    connect(edit, &QLineEdit::editingFinished, this, [this] { m_finishingTypedText = false; });
    setCompleter(nullptr);

    // The prompt names the box and its text for assistive technology, also once a zone's name
    // stands in the box: some platforms read a drop-down list's text as its name, and its
    // description after it.
    setAccessibleName(kZonePrompt);
    edit->setAccessibleName(kZonePrompt);
    setAccessibleDescription(kZonePrompt);

    connect(edit, &QLineEdit::textEdited, this, [this] { m_pickedIndex = kNoZone; });
    // A new item, and also the item already current picked again after typing.
    connect(this, &QComboBox::currentIndexChanged, this, &IngresoZoneBox::takeChoice);
    connect(this, &QComboBox::activated, this, &IngresoZoneBox::takeChoice);

    setZones(PayScale::builtIn().zones);
    chooseZone(kNoZone);
}

void IngresoZoneBox::setZones(const std::vector<Zone> &zones)
{
    const int picked = chosenZone();
    const QString typed = currentText();
    QStringList listed;
    {
        const QSignalBlocker quiet(this);
        clear();
        for (const Zone &zone : zones) {
            addItem(nameOf(zone));
            setItemData(count() - 1, percentText(zone), Qt::ToolTipRole);
            listed << QStringLiteral("%1 (%2)").arg(nameOf(zone), percentText(zone));
        }
    }
    m_zonesListed = listed.join(QStringLiteral(", "));
    if (picked != kNoZone && picked < count())
        chooseZone(picked);
    else if (picked != kNoZone)
        chooseZone(kNoZone);
    else {
        setCurrentIndex(kNoZone);
        m_pickedIndex = kNoZone;
        setEditText(typed);
    }
}

int IngresoZoneBox::chosenZone() const
{
    if (m_pickedIndex != kNoZone && currentText() == itemText(m_pickedIndex))
        return m_pickedIndex;
    const QString typed = currentText().trimmed();
    for (int index = 0; index < count(); ++index) {
        if (typed.compare(itemText(index), Qt::CaseInsensitive) == 0)
            return index;
    }
    return kNoZone;
}

QString IngresoZoneBox::refusal() const
{
    const QString typed = currentText().trimmed();
    if (typed.isEmpty() || typed == kZonePrompt || chosenZone() != kNoZone)
        return {};
    return QStringLiteral("«%1» no es ninguna zona. Elija una de la lista: %2; o deje «%3» para "
                          "ninguna.")
        .arg(typed, m_zonesListed, kZonePrompt);
}

void IngresoZoneBox::chooseZone(int index)
{
    setCurrentIndex(index);
    m_pickedIndex = index;
    setEditText(index == kNoZone ? kZonePrompt : itemText(index));
}

void IngresoZoneBox::takeChoice(int index)
{
    m_pickedIndex = m_finishingTypedText ? kNoZone : index;
}

} // namespace pagaluz::ui
