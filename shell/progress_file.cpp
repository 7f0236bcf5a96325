#include "shell/progress_file.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// One decimal integer after whitespace; false when there is none that fits in
// 32 bits.
bool ReadNumber(const std::string& text, size_t& at, long long& value) {
    while (at < text.size() && IsSpace(text[at]))
        ++at;
    size_t sign = at;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        ++at;
    size_t digits = at;
    value = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
        value = value * 10 + (text[at] - '0');
        if (value > 0x7FFFFFFFLL)
            return false;
        ++at;
    }
    if (at == digits)
        return false;
    if (text[sign] == '-')
        value = -value;
    return true;
}

} // namespace

void ParseProgressFile(const std::string& text, ProgressTable& table) {
    size_t at = 0;
    for (int slot = 0; slot < kProgressSlots; ++slot) {
        size_t separator = text.find(';', at);
        if (separator == std::string::npos)
            return;
        size_t start = at;
        while (start < separator && IsSpace(text[start]))
            ++start;
        // A damaged file may hold anything: keep no more than a name can be.
        table.names[slot] = text.substr(start, std::min(separator - start, kMaxNameLength));
        at = separator + 1;
        for (int column = 0; column < kProgressColumns; ++column) {
            long long value = 0;
            if (!ReadNumber(text, at, value))
                return;
            table.flags[column][slot] = (value == 1) ? 1 : 0;
        }
    }
}

std::string FormatProgressFile(ProgressTable& table) {
    std::string text;
    for (int slot = 0; slot < kProgressSlots; ++slot) {
        std::string& name = table.names[slot];
        if (name.empty())
            continue;
        if (name.find(';') == std::string::npos)
            name += ';';
        text += name;
        for (int column = 0; column < kProgressColumns; ++column)
            text += ' ' + std::to_string(table.flags[column][slot]);
        text += ' ';
    }
    return text;
}
