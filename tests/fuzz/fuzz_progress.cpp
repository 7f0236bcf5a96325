// Reads arbitrary bytes as a progress file, then writes the table back and
// reads that again: neither may read out of bounds, free slots hold no flags,
// and what is written must read back to the same names and flags.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/progress_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ProgressTable table;
    ParseProgressFile(std::string(reinterpret_cast<const char*>(data), size), table);
    for (const std::string& name : table.names)
        if (name.size() > kMaxNameLength)
            std::abort();
    std::string written = FormatProgressFile(table);
    ProgressTable again;
    ParseProgressFile(written, again);
    for (int slot = 0, packed = 0; slot < kProgressSlots; ++slot) {
        if (table.names[slot].empty()) {
            // A free slot holds no balloons to give the next new child.
            for (int column = 0; column < kProgressColumns; ++column)
                if (table.flags[column][slot] != 0)
                    std::abort();
            continue;
        }
        // A name holding ";" or leading spaces does not come back as it was,
        // as in every file the game ever wrote; plain names and their flags do.
        const std::string& name = table.names[slot];
        bool plain = name.find(';') == name.size() - 1 && name[0] != ' ' && name[0] != '\t' &&
                     name[0] != '\n' && name[0] != '\r' && name[0] != '\v' && name[0] != '\f';
        if (plain && again.names[packed] + ";" != name)
            std::abort();
        for (int column = 0; plain && column < kProgressColumns; ++column)
            if (again.flags[column][packed] != table.flags[column][slot])
                std::abort();
        ++packed;
    }
    return 0;
}
