// Writes the C++ source of the built-in scale from the scale file the sources ship:
// compile_scale FILE.toml OUT.cpp. A refused file stops the build with its fault.
#include "ScaleReader.h"
#include "ScaleWriter.h"

#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "uso: compile_scale ESCALA.toml SALIDA.cpp\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    try {
        const std::string source = pagaluz::scaleSourceText(pagaluz::readPayScale(text.str()));
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out << source;
        return out.good() ? 0 : 1;
    } catch (const pagaluz::ScaleRefused &refused) {
        std::cerr << argv[1] << ": " << refused.what() << "\n";
        return 1;
    }
}
