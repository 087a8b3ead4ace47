#pragma once

#include <thread>

namespace pagaluz {

// Reads the system's font configuration on a thread of its own while the
// application starts. The data entry screen needs its fonts as soon as its
// first control is built, and reading the configuration (every file under
// /etc/fonts) is the longest single step of start-up; read beside the
// application's own start, it no longer holds the screen back. Qt then finds
// the configuration loaded and uses it.
//
// wait() before building the first screen: a configuration still being read
// when Qt asks for one would be read twice. Where the thread cannot be
// started, Qt reads the configuration itself, as it would anyway.
class FontConfigurationLoader {
public:
    FontConfigurationLoader();
    ~FontConfigurationLoader();
    FontConfigurationLoader(const FontConfigurationLoader &) = delete;
    FontConfigurationLoader &operator=(const FontConfigurationLoader &) = delete;

    // Returns once the configuration has been read.
    void wait();

private:
    std::thread m_reader;
};

} // namespace pagaluz
