#include "shell/progress_file.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// A whitespace-separated word of the text, [start, end).
struct Word {
    size_t start;
    size_t end;
};

std::vector<Word> Words(const std::string& text, size_t from, size_t to) {
    std::vector<Word> words;
    size_t at = from;
    while (at < to) {
        while (at < to && IsSpace(text[at]))
            ++at;
        if (at == to)
            break;
        size_t start = at;
        while (at < to && !IsSpace(text[at]))
            ++at;
        words.push_back({start, at});
    }
    return words;
}

// Digits, perhaps signed: what a flag looks like, whatever its value.
bool IsNumber(const std::string& text, Word word) {
    size_t at = word.start;
    if (text[at] == '+' || text[at] == '-')
        ++at;
    if (at == word.end)
        return false;
    for (; at < word.end; ++at)
        if (!std::isdigit(static_cast<unsigned char>(text[at])))
            return false;
    return true;
}

// Only a number whose value is 1 means won; anything else, damage included, is 0.
LONG FlagValue(const std::string& text, Word word) {
    if (!IsNumber(text, word) || text[word.start] == '-')
        return 0;
    size_t at = word.start + (text[word.start] == '+' ? 1 : 0);
    while (at + 1 < word.end && text[at] == '0')
        ++at;
    return (at + 1 == word.end && text[at] == '1') ? 1 : 0;
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
        // The writer always follows a name with a space: what touches the ";" is
        // the rest of a name that held ";" itself.
        at = separator + 1;
        while (at < text.size() && !IsSpace(text[at]))
            ++at;

        // The flags lie between this record's name and the next ";". Nine words
        // or more: the first nine are the flags and the rest is the next name.
        // Fewer, before another name: the record was cut short, and the words at
        // the end that are not numbers are that name.
        size_t next = text.find(';', at);
        size_t end = (next == std::string::npos) ? text.size() : next;
        std::vector<Word> words = Words(text, at, end);
        size_t flagWords = words.size();
        size_t nextName = end;
        if (words.size() >= size_t(kProgressColumns)) {
            flagWords = kProgressColumns;
            nextName = words[kProgressColumns - 1].end;
        } else if (next != std::string::npos) {
            flagWords = words.size();
            while (flagWords > 0 && !IsNumber(text, words[flagWords - 1]))
                --flagWords;
            if (flagWords == words.size() && flagWords > 0)
                --flagWords; // a name of digits
            if (flagWords < words.size())
                nextName = words[flagWords].start;
        }
        for (int column = 0; column < kProgressColumns; ++column)
            table.flags[column][slot] =
                size_t(column) < flagWords ? FlagValue(text, words[column]) : 0;
        // A record without a name is a free slot, and free slots hold no balloons.
        if (table.names[slot].empty())
            for (auto& column : table.flags)
                column[slot] = 0;
        at = nextName;
    }
}

std::string FormatProgressFile(ProgressTable& table) {
    std::string text;
    for (int slot = 0; slot < kProgressSlots; ++slot) {
        std::string& name = table.names[slot];
        // A name of spaces comes back empty: it is a free slot too.
        if (std::all_of(name.begin(), name.end(), IsSpace))
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
