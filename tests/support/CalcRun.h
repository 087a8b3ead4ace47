#pragma once

#include "CalcCommand.h"

#include <QStringList>

#include <sstream>
#include <string>

namespace pagaluz::test {

// One run of pagaluz-calc's command, with what it wrote to each stream.
struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

inline CommandRun runCommand(const QStringList &arguments, const std::string &input)
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCalc(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

inline bool contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

} // namespace pagaluz::test
