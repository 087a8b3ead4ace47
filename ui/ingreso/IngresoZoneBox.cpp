#include "IngresoZoneBox.h"

#include "SeniorityAndZone.h"

#include <QLineEdit>

namespace pagaluz::ui {

namespace {

const QString kZonePrompt = QStringLiteral("Ubicación Escuela (Zona)");

} // namespace

IngresoZoneBox::IngresoZoneBox(QWidget *parent) : QComboBox(parent)
{
    for (const Zone &zone : kZones)
        addItem(QString::fromUtf8(zone.name.data(), static_cast<qsizetype>(zone.name.size())));
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

    chooseZone(kNoZone);
}

int IngresoZoneBox::chosenZone() const
{
    if (m_pickedIndex == kNoZone || currentText() != itemText(m_pickedIndex))
        return kNoZone;
    return m_pickedIndex;
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
