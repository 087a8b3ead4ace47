#include "FuzzCheck.h"

#include <cstdio>
#include <cstdlib>

namespace pagaluz::fuzz {

void fail(std::string_view what)
{
    std::fprintf(stderr, "property broken: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

void check(bool holds, std::string_view what)
{
    if (!holds)
        fail(what);
}

} // namespace pagaluz::fuzz
