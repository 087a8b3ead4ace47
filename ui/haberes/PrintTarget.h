#pragma once

#include <QSize>
#include <QString>

class QPainter;

namespace pagaluz::ui {

// What goes on paper: one page, drawn with the painter's coordinates in the screen's pixels.
class PrintPage {
public:
    virtual ~PrintPage() = default;

    // The page's size in the screen's pixels.
    virtual QSize size() const = 0;
    // Draws the page from the painter's origin, at size(). Texts are drawn as texts, so that
    // the page keeps them wherever it goes.
    virtual void paint(QPainter &painter) const = 0;
    // Whom the payslip is for: the document's author and part of a file name proposed for it;
    // empty when no name was given.
    virtual QString teacherName() const = 0;
    // The document's title, which names the pay scale.
    virtual QString documentTitle() const { return QStringLiteral("Recibo de haberes"); }
};

// Where a printout goes. The program prints to the default printer; tests print to a PDF file.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;

    // Prints `page` on one sheet of paper. Returns an empty text on success, otherwise a
    // message for the user saying what happened.
    virtual QString print(const PrintPage &page) = 0;
    // Whether the last print() was given up by the user: nothing went on paper or into a file.
    virtual bool cancelled() const { return false; }
};

} // namespace pagaluz::ui
