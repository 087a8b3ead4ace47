#pragma once

#include <QPixmap>
#include <QSize>

namespace pagaluz::ui {

// The two pictures of the data entry screen, drawn by the program so that it
// ships no image files. They take no part in the calculation.

// An emblem: an open book under a pencil, on a round badge.
QPixmap drawEmblemPicture(QSize size);

// A school building with its flag, on a strip of sky and lawn.
QPixmap drawSchoolPicture(QSize size);

} // namespace pagaluz::ui
