#include "PositionTableFile.h"

#include "InputText.h"
#include "WholeFile.h"

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
    QString problem;
    QByteArray text = readWholeFile(path, kLargestPositionTable, problem);
    if (!problem.isEmpty())
        return {nullptr, {}, QStringLiteral("no se puede leer el archivo (%1)").arg(problem)};
    return positionTableFromText(std::move(text));
}

} // namespace pagaluz::ui
