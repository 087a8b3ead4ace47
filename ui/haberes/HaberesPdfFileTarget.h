#pragma once

#include "PrintTarget.h"

namespace pagaluz::ui {

// Prints the payslip onto one A4 page of a PDF file titled with the page's title, whose author
// is the teacher.
class PdfFileTarget : public PrintTarget {
public:
    explicit PdfFileTarget(QString path);

    QString print(const PrintPage &page) override;

    const QString &path() const { return m_path; }

private:
    QString m_path;
};

// The PDF of `page`, or nothing when it cannot be drawn.
QByteArray pdfDocument(const PrintPage &page);

// `pdf` with `author` as its document's author: the document information written again, as an
// update appended to the file.
QByteArray withPdfAuthor(const QByteArray &pdf, const QString &author);

// The margins around the page on paper, in millimetres.
inline constexpr qreal kPageMarginMillimetres = 10;

// Draws `page` as large as the painter's page allows, keeping its proportions, centred across
// the page and from its top. The painter's device must have the resolution of the screen's
// fonts (see kPageResolution), so that point sizes mean the same on paper as on the screen.
void drawPageFitting(QPainter &painter, const PrintPage &page);

// The resolution a page is drawn at. The widgets measure their fonts at the screens' 96 dots
// per inch; drawn on a device of another resolution their texts would be sized for that one
// and then scaled again. The texts stay texts, so nothing is lost on paper.
inline constexpr int kPageResolution = 96;

} // namespace pagaluz::ui
