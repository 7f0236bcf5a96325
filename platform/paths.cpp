// Windows paths on this file system: backslashes are separators, and names
// are found without regard to case where they do not exist as written.
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <string>

#include "platform/crt.h"
#include "platform/faults.h"

namespace {

bool Exists(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

// The entry of directory whose name equals name but for case; "" if none.
std::string FindIgnoringCase(const std::string& directory, const std::string& name) {
    DIR* dir = ::opendir(directory.empty() ? "/" : directory.c_str());
    if (!dir)
        return "";
    std::string found;
    while (dirent* entry = ::readdir(dir)) {
        if (::strcasecmp(entry->d_name, name.c_str()) == 0) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

} // namespace

std::string MapWindowsPath(const char* windowsPath) {
    std::string path;
    for (const char* c = windowsPath ? windowsPath : ""; *c; ++c) {
        char slash = (*c == '\\') ? '/' : *c;
        if (slash == '/' && !path.empty() && path.back() == '/')
            continue;
        path += slash;
    }
    if (path.empty() || Exists(path))
        return path;
    // Walk the components, matching each that is missing without regard to case.
    std::string mapped = (path[0] == '/') ? "" : ".";
    size_t at = (path[0] == '/') ? 1 : 0;
    while (at <= path.size()) {
        size_t end = path.find('/', at);
        if (end == std::string::npos)
            end = path.size();
        std::string name = path.substr(at, end - at);
        at = end + 1;
        if (name.empty())
            continue;
        std::string next = mapped + "/" + name;
        if (!Exists(next)) {
            std::string match = FindIgnoringCase(mapped, name);
            if (match.empty())
                return path; // not there in any case: the caller reports it
            next = mapped + "/" + match;
        }
        mapped = next;
    }
    if (path[0] != '/' && mapped.rfind("./", 0) == 0)
        mapped.erase(0, 2);
    return mapped;
}

FILE* CrtOpenFile(const char* windowsPath, const char* mode) {
    if (platform::faults::FileUnreadable(windowsPath))
        return nullptr;
    return std::fopen(MapWindowsPath(windowsPath).c_str(), mode);
}
