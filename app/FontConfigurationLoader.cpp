#include "FontConfigurationLoader.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace pagaluz {

FontConfigurationLoader::FontConfigurationLoader()
{
    try {
        m_reader = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // No thread to spare: Qt reads the configuration when it first needs a font.
    }
}

FontConfigurationLoader::~FontConfigurationLoader()
{
    wait();
}

void FontConfigurationLoader::wait()
{
    if (m_reader.joinable())
        m_reader.join();
}

} // namespace pagaluz
