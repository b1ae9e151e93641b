// Writes the program's generated resources into a folder: make_assets <folder>. The same input always
// gives the same bytes; the committed files in resources/ are this tool's output.
#include <cstdio>
#include <string>

#include "assets.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: make_assets <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::array<Rgb, 16> palette{};
    const auto icon = DrawIcon(palette);
    if (!WriteIcon16(folder + "/plumora.ico", palette, icon)) {
        fprintf(stderr, "make_assets: cannot write %s/plumora.ico\n", folder.c_str());
        return 1;
    }
    return 0;
}
