#include "HaberesPdfFileTarget.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace pagaluz::ui {

namespace {

constexpr int kPdfResolution = 300;
constexpr qreal kMarginMillimetres = 10;

} // namespace

PdfFileTarget::PdfFileTarget(QString path) : m_path(std::move(path))
{
}

QString PdfFileTarget::print(const QImage &image)
{
    QPdfWriter writer(m_path);
    writer.setTitle(QStringLiteral("Recibo de haberes"));
    writer.setCreator(QStringLiteral("Pagaluz"));
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer))
        return QStringLiteral("No se pudo guardar el recibo en %1.").arg(m_path);
    drawImageFittingPage(painter, image);
    if (!painter.end())
        return QStringLiteral("No se pudo terminar de guardar el recibo en %1.").arg(m_path);
    return {};
}

void drawImageFittingPage(QPainter &painter, const QImage &image)
{
    const QRect page(0, 0, painter.device()->width(), painter.device()->height());
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    const QRect target(page.left() + (page.width() - size.width()) / 2, page.top(), size.width(),
                       size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
}

} // namespace pagaluz::ui
