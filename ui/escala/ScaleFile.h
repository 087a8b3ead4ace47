#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// The scale's header is kept from moc, which cannot read all of C++20's headers.
namespace pagaluz {
struct PayScale;
} // namespace pagaluz

namespace pagaluz::ui {

// A pay scale file as the programs read it: its scale, or why it is refused.
struct ScaleFile {
    std::shared_ptr<const PayScale> scale; // null when the file is refused
    QByteArray text;                       // the file's bytes, to keep a copy of
    QString problem; // why it is refused: "línea N, columna C (clave): …", or why it cannot be
                     // read
};

// The built-in scale, shared without being owned.
std::shared_ptr<const PayScale> sharedBuiltInScale();

// Reads the scale file at `path` strictly, at most kLargestScaleFile bytes of it.
ScaleFile readScaleFile(const QString &path);

// The scale of a scale file's text, or why it is refused.
ScaleFile scaleFromText(QByteArray text);

// The scale's name as the screens show it: "Haberes Agosto 08".
QString scaleName(const PayScale &scale);

} // namespace pagaluz::ui
