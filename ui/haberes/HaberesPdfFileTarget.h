#pragma once

#include "PrintTarget.h"

class QPainter;

namespace pagaluz::ui {

// Prints the payslip onto one page of a PDF file.
class PdfFileTarget : public PrintTarget {
public:
    explicit PdfFileTarget(QString path);

    QString print(const QImage &image) override;

    const QString &path() const { return m_path; }

private:
    QString m_path;
};

// Draws `image` as large as the painter's page allows, keeping its aspect
// ratio, centred across the page and from its top.
void drawImageFittingPage(QPainter &painter, const QImage &image);

} // namespace pagaluz::ui
