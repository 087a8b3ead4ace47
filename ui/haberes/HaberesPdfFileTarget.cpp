#include "HaberesPdfFileTarget.h"

#include "WholeFile.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

namespace pagaluz::ui {

namespace {

// A number that follows `key` in `text`, or -1.
qsizetype numberAfter(const QByteArray &text, const char *key)
{
    const QRegularExpression pattern(QLatin1String(key) + QStringLiteral("\\s+(\\d+)"));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(text));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

// A text string of PDF in UTF-16 with its byte order mark, written in hexadecimal.
QByteArray pdfTextString(const QString &text)
{
    QByteArray bytes("\xFE\xFF");
    for (const QChar unit : text) {
        bytes += char(unit.unicode() >> 8);
        bytes += char(unit.unicode() & 0xFF);
    }
    return '<' + bytes.toHex().toUpper() + '>';
}

} // namespace

// The PDF writer names no author. The document information dictionary is written again with
// /Author added, as an update appended to the file, the way PDF editors save a change: the new
// dictionary, a cross-reference section for it alone and a trailer that points back to the
// first. A file of another shape is left as it is.
QByteArray withPdfAuthor(const QByteArray &pdf, const QString &author)
{
    const qsizetype startXref = pdf.lastIndexOf("startxref");
    const qsizetype trailerAt = pdf.lastIndexOf("trailer", startXref);
    if (author.isEmpty() || startXref < 0 || trailerAt < 0)
        return pdf;
    const QByteArray trailer = pdf.mid(trailerAt, startXref - trailerAt);
    const qsizetype previousXref = numberAfter(pdf.mid(startXref), "startxref");
    const qsizetype size = numberAfter(trailer, "/Size");
    const qsizetype info = numberAfter(trailer, "/Info");
    const qsizetype root = numberAfter(trailer, "/Root");
    const qsizetype infoAt = pdf.indexOf('\n' + QByteArray::number(info) + " 0 obj");
    const qsizetype infoEnd = pdf.indexOf("endobj", infoAt);
    const qsizetype open = pdf.indexOf("<<", infoAt);
    const qsizetype close = pdf.lastIndexOf(">>", infoEnd);
    if (previousXref < 0 || size < 0 || info < 0 || root < 0 || infoAt < 0 || infoEnd < 0 ||
        open < 0 || open > close)
        return pdf;

    QByteArray updated = pdf;
    if (!updated.endsWith('\n'))
        updated += '\n';
    const qsizetype objectAt = updated.size();
    updated += QByteArray::number(info) + " 0 obj\n" + pdf.mid(open, close - open) + "/Author " +
               pdfTextString(author) + "\n>>\nendobj\n";
    const qsizetype xrefAt = updated.size();
    updated += "xref\n0 1\n0000000000 65535 f \n" + QByteArray::number(info) + " 1\n" +
               QByteArray::number(objectAt).rightJustified(10, '0') + " 00000 n \n";
    updated += "trailer\n<< /Size " + QByteArray::number(size) + " /Root " +
               QByteArray::number(root) + " 0 R /Info " + QByteArray::number(info) + " 0 R /Prev " +
               QByteArray::number(previousXref) + " >>\nstartxref\n" + QByteArray::number(xrefAt) +
               "\n%%EOF\n";
    return updated;
}

PdfFileTarget::PdfFileTarget(QString path) : m_path(std::move(path))
{
}

QByteArray pdfDocument(const PrintPage &page)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setTitle(page.documentTitle());
    writer.setCreator(QStringLiteral("Pagaluz"));
    writer.setResolution(kPageResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kPageMarginMillimetres, kPageMarginMillimetres,
                                               kPageMarginMillimetres, kPageMarginMillimetres),
                                     QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    drawPageFitting(painter, page);
    painter.end();
    return withPdfAuthor(pdf.data(), page.teacherName());
}

QString PdfFileTarget::print(const PrintPage &page)
{
    const QByteArray pdf = pdfDocument(page);
    if (pdf.isEmpty())
        return QStringLiteral("No se pudo preparar el recibo en PDF.");
    const QString problem = writeWholeFile(m_path, pdf);
    if (problem.isEmpty())
        return {};
    return QStringLiteral("No se pudo guardar el recibo en %1 (%2).").arg(m_path, problem);
}

void drawPageFitting(QPainter &painter, const PrintPage &page)
{
    const QSizeF room(painter.device()->width(), painter.device()->height());
    const QSizeF size = QSizeF(page.size()).scaled(room, Qt::KeepAspectRatio);
    const qreal scale = size.width() / page.size().width();
    painter.save();
    painter.translate((room.width() - size.width()) / 2, 0);
    painter.scale(scale, scale);
    page.paint(painter);
    painter.restore();
}

} // namespace pagaluz::ui
