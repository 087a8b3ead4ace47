#include "ScaleFile.h"

#include "InputText.h"
#include "PayScale.h"
#include "ScaleReader.h"
#include "WholeFile.h"

namespace pagaluz::ui {

std::shared_ptr<const PayScale> sharedBuiltInScale()
{
    return {std::shared_ptr<const PayScale>(), &PayScale::builtIn()};
}

QString scaleName(const PayScale &scale)
{
    return QString::fromStdString(scale.period.title);
}

ScaleFile scaleFromText(QByteArray text)
{
    ScaleFile read;
    try {
        read.scale = std::make_shared<const PayScale>(readPayScale(
            std::string_view(text.constData(), static_cast<std::size_t>(text.size()))));
    } catch (const ScaleRefused &refused) {
        read.problem = QString::fromUtf8(refused.what());
    }
    read.text = std::move(text);
    return read;
}

ScaleFile readScaleFile(const QString &path)
{
    QString problem;
    QByteArray text = readWholeFile(path, kLargestScaleFile, problem);
    if (!problem.isEmpty())
        return {nullptr, {}, QStringLiteral("no se puede leer el archivo (%1)").arg(problem)};
    return scaleFromText(std::move(text));
}

} // namespace pagaluz::ui
