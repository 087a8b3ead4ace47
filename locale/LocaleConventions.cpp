#include "LocaleConventions.h"

namespace pagaluz {

DecimalConventions decimalConventionsOf(const QLocale &locale)
{
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

std::optional<QLocale> localeNamed(const QString &name)
{
    const QLocale locale(name);
    const bool namesTheCLocale = name == QLatin1String("C") || name == QLatin1String("POSIX");
    if (locale.language() == QLocale::C && !namesTheCLocale)
        return std::nullopt;
    return locale;
}

} // namespace pagaluz
