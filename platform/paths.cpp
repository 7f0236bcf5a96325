// Windows paths on this file system: backslashes are separators, and names
// are found without regard to case where they do not exist as written.
#include <dirent.h>
#include <unistd.h>
#include <strings.h>
#include <sys/stat.h>

#include <string>

#include "platform/crt.h"
#include "platform/faults.h"
#include "platform/host.h"

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
            if (match.empty()) {
                // Not there in any case (a file about to be written, or one the
                // caller will report missing): the rest stays as written.
                mapped = next + (at <= path.size() ? path.substr(at - 1) : "");
                break;
            }
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

size_t CrtWriteFile(FILE* file, const void* data, size_t size) {
    if (platform::faults::Injected("WriteFile"))
        return std::fwrite(data, 1, size / 2, file); // the disk filled up halfway
    return std::fwrite(data, 1, size, file);
}

bool CrtReplaceFile(FILE* written, const char* writtenPath, const char* finalPath) {
    std::string from = MapWindowsPath(writtenPath);
    bool ok = std::fflush(written) == 0 && ::fsync(::fileno(written)) == 0;
    ok = (std::fclose(written) == 0) && ok;
    if (ok)
        ok = std::rename(from.c_str(), MapWindowsPath(finalPath).c_str()) == 0;
    if (!ok) {
        std::remove(from.c_str());
        return false;
    }
    const char* name = finalPath;
    for (const char* c = finalPath; *c; ++c)
        if (*c == '\\' || *c == '/')
            name = c + 1;
    platform::TraceLine("write %s", name);
    return true;
}
