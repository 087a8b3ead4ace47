#pragma once

#include <QImage>
#include <QString>

namespace pagaluz::ui {

// Where a printout goes. The program prints to the default printer; tests
// print to a PDF file.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;

    // Prints `image` on one page. Returns an empty text on success, otherwise
    // a message for the user saying what happened.
    virtual QString print(const QImage &image) = 0;
};

} // namespace pagaluz::ui
