// The progress file's text: one record per child, "NAME; f0 f1 ... f8 ",
// records one after the other with no line breaks.
#pragma once

#include <string>

#include "platform/win32.h"

constexpr int kProgressSlots = 9;
constexpr int kProgressColumns = 9;
// The longest name the sign-in lets a child type.
constexpr size_t kMaxNameLength = 17;

struct ProgressTable {
    std::string names[kProgressSlots];
    LONG flags[kProgressColumns][kProgressSlots] = {}; // by column, then slot
};

// Reads what it can: records fill slots from 0 up. Damage stays in its
// record: a flag that is not 0 or 1 counts as 0, a missing one as 0, and the
// records after it are read as usual. A record whose name is blank is a free
// slot with no flags set. Never reads past the text, whatever it holds.
void ParseProgressFile(const std::string& text, ProgressTable& table);

// The file's bytes. A name is written with ";" appended unless it holds one
// already (the table's names get it too, as they always have); empty and
// blank names are free slots and not written.
std::string FormatProgressFile(ProgressTable& table);
