#include "PositionTableFile.h"

#include <QFile>

namespace pagaluz::ui {

PositionTableFile positionTableFromText(QByteArray text)
{
    PositionTableFile read;
    try {
        read.table = std::make_shared<const PositionCatalogue>(PositionCatalogue::fromCsv(
            std::string_view(text.constData(), static_cast<std::size_t>(text.size()))));
    } catch (const PositionTableError &error) {
        read.problem = QString::fromUtf8(error.what());
    }
    read.text = std::move(text);
    return read;
}

PositionTableFile readPositionTableFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {nullptr,
                {},
                QStringLiteral("no se puede abrir el archivo (%1)").arg(file.errorString())};
    QByteArray text = file.read(kMaxPositionTableFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {nullptr,
                {},
                QStringLiteral("no se puede leer el archivo (%1)").arg(file.errorString())};
    if (text.size() > kMaxPositionTableFileBytes)
        return {
            nullptr,
            {},
            QStringLiteral("el archivo pasa de %1 bytes, más de lo que ocupa una tabla de cargos")
                .arg(kMaxPositionTableFileBytes)};
    return positionTableFromText(std::move(text));
}

} // namespace pagaluz::ui
