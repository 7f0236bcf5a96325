// The registry, read from a text file in the layout of a registry export:
//
//   [HKEY_LOCAL_MACHINE\Software\Brightleaf Works\Vocabuloon Spanish Demo\1.00.000]
//   "Path"="/home/ana/.local/share/vocabuloon"
//
// The file is named by VOCABULOON_REGISTRY, else it is
// $XDG_CONFIG_HOME/vocabuloon/registry.reg (~/.config/... without XDG_CONFIG_HOME).
// Anything the file does not hold well answers as a missing key.
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>

#include "platform/registry.h"
#include "platform/user_install.h"

namespace {

struct OpenKey {
    std::map<std::string, std::string> values; // lower-case name -> value
};

bool IsRoot(HKEY key) {
    uintptr_t value = reinterpret_cast<uintptr_t>(key);
    return value >= 0x80000000u && value <= 0x80000006u;
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A quoted string with the export's escapes (\\ and \"); false when malformed.
bool ReadQuoted(const std::string& line, size_t& at, std::string& out) {
    if (at >= line.size() || line[at] != '"')
        return false;
    out.clear();
    for (++at; at < line.size(); ++at) {
        char c = line[at];
        if (c == '"') {
            ++at;
            return true;
        }
        if (c == '\\') {
            if (++at >= line.size() || (line[at] != '\\' && line[at] != '"'))
                return false;
            c = line[at];
        }
        out += c;
    }
    return false;
}

// Reads the file into sections; false when it is missing or malformed.
bool ReadRegistry(std::map<std::string, OpenKey>& sections) {
    std::ifstream file(platform::RegistryFilePath());
    if (!file)
        return false;
    std::string line;
    OpenKey* current = nullptr;
    bool first = true;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (first && line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);
        bool header =
            first && (line.rfind("Windows Registry Editor", 0) == 0 || line == "REGEDIT4");
        first = false;
        size_t start = line.find_first_not_of(" \t");
        if (header || start == std::string::npos || line[start] == ';')
            continue;
        if (line[start] == '[') {
            size_t end = line.rfind(']');
            if (end == std::string::npos || end <= start)
                return false;
            current = &sections[Lower(line.substr(start + 1, end - start - 1))];
            continue;
        }
        std::string name, value;
        size_t at = start;
        if (!current || !ReadQuoted(line, at, name) || at >= line.size() || line[at] != '=')
            return false;
        ++at;
        if (!ReadQuoted(line, at, value) || line.find_first_not_of(" \t", at) != std::string::npos)
            return false;
        current->values[Lower(name)] = value;
    }
    return true;
}

} // namespace

std::string platform::RegistryFilePath() {
    if (const char* named = std::getenv("VOCABULOON_REGISTRY"); named && *named)
        return named;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        return std::string(config) + "/vocabuloon/registry.reg";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : ".") + "/.config/vocabuloon/registry.reg";
}

LONG WINAPI RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, DWORD, HKEY* result) {
    if (!result || !subKey)
        return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (key != HKEY_LOCAL_MACHINE)
        return ERROR_FILE_NOT_FOUND;
    std::map<std::string, OpenKey> sections;
    if (!ReadRegistry(sections))
        return ERROR_FILE_NOT_FOUND;
    auto found = sections.find(Lower(std::string("HKEY_LOCAL_MACHINE\\") + subKey));
    if (found == sections.end())
        return ERROR_FILE_NOT_FOUND;
    *result = reinterpret_cast<HKEY>(new OpenKey(found->second));
    return ERROR_SUCCESS;
}

LONG WINAPI RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD, LPDWORD type, LPBYTE data,
                             LPDWORD dataSize) {
    if (!key)
        return ERROR_INVALID_HANDLE;
    if (IsRoot(key))
        return ERROR_FILE_NOT_FOUND; // no values are kept at the roots
    auto* open = reinterpret_cast<OpenKey*>(key);
    auto found = open->values.find(Lower(valueName ? valueName : ""));
    if (found == open->values.end())
        return ERROR_FILE_NOT_FOUND;
    DWORD needed = static_cast<DWORD>(found->second.size() + 1);
    if (type)
        *type = REG_SZ;
    if (!dataSize)
        return data ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    if (!data) {
        *dataSize = needed;
        return ERROR_SUCCESS;
    }
    if (*dataSize < needed) {
        *dataSize = needed;
        return ERROR_MORE_DATA;
    }
    std::memcpy(data, found->second.c_str(), needed);
    *dataSize = needed;
    return ERROR_SUCCESS;
}

LONG WINAPI RegCloseKey(HKEY key) {
    if (IsRoot(key))
        return ERROR_SUCCESS;
    delete reinterpret_cast<OpenKey*>(key);
    return ERROR_SUCCESS;
}
