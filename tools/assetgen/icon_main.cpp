// vocabuloon-icons OUTDIR: writes the program's icon as
// OUTDIR/hicolor/NxN/apps/vocabuloon.png at every usual size.
#include "icon.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    std::string why;
    if (!vocassets::WriteIcons(argv[1], "vocabuloon", &why)) {
        std::fprintf(stderr, "vocabuloon-icons: %s\n", why.c_str());
        return 1;
    }
    return 0;
}
