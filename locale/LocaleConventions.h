#pragma once

#include "DecimalConventions.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace pagaluz {

// How `locale` writes numbers: its decimal point and digit group separator, in UTF-8.
DecimalConventions decimalConventionsOf(const QLocale &locale);

// The locale called `name` ("es_AR", "en_US", "C"), or nothing when no locale has that name.
std::optional<QLocale> localeNamed(const QString &name);

} // namespace pagaluz
