#pragma once

#include <QImage>
#include <QSize>

namespace pagaluz::ui {

// The two pictures of the data entry screen, drawn by the program so that it
// ships no image files. They take no part in the calculation.

// An emblem: an open book under a pencil, on a round badge.
QImage drawEmblemPicture(QSize size);

// A school building with its flag, on a strip of sky and lawn.
QImage drawSchoolPicture(QSize size);

} // namespace pagaluz::ui
