// Windows paths on this file system: backslashes are separators, and names
// are found without regard to case where they do not exist as written.
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/crt.h"
#include "platform/faults.h"
#include "platform/host.h"
#include "platform/testing.h"

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
    if (platform::faults::FileUnreadable(windowsPath)) {
        errno = EACCES; // there, but not ours to open
        return nullptr;
    }
    return std::fopen(MapWindowsPath(windowsPath).c_str(), mode);
}

namespace {

std::string& LastSynced() {
    static std::string directory;
    return directory;
}

// The errno an injected write failure stands for: the code itself when it is
// one, a full disk for the Win32 disk-full results, else an I/O error.
int InjectedWriteError(HRESULT code) {
    constexpr HRESULT kDiskFull = HRESULT(0x80070070), kHandleDiskFull = HRESULT(0x80070027);
    if (code > 0 && code < 4096)
        return code;
    if (code == kDiskFull || code == kHandleDiskFull)
        return ENOSPC;
    return EIO;
}

// Flushes the directory entry of a file just renamed, so that the rename
// itself survives a power cut. A file system that cannot sync directories
// has nothing to flush: the rename already stands.
void SyncDirectoryOf(const std::string& path) {
    size_t slash = path.rfind('/');
    std::string directory = slash == std::string::npos ? "." : path.substr(0, slash ? slash : 1);
    int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    if (::fsync(fd) == 0)
        LastSynced() = directory;
    ::close(fd);
}

} // namespace

size_t CrtWriteFile(FILE* file, const void* data, size_t size) {
    if (HRESULT code = platform::faults::Injected("WriteFile")) {
        size_t written = std::fwrite(data, 1, size / 2, file); // the disk filled up halfway
        errno = InjectedWriteError(code);
        return written;
    }
    return std::fwrite(data, 1, size, file);
}

bool CrtReplaceFile(FILE* written, const char* writtenPath, const char* finalPath) {
    std::string from = MapWindowsPath(writtenPath);
    std::string to = MapWindowsPath(finalPath);
    bool ok = std::fflush(written) == 0 && ::fsync(::fileno(written)) == 0;
    int error = ok ? 0 : errno;
    if (std::fclose(written) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && std::rename(from.c_str(), to.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        std::remove(from.c_str());
        errno = error; // the caller reports why, not what the clean-up did
        return false;
    }
    SyncDirectoryOf(to);
    const char* name = finalPath;
    for (const char* c = finalPath; *c; ++c)
        if (*c == '\\' || *c == '/')
            name = c + 1;
    platform::TraceLine("write %s", name);
    return true;
}

std::string platform::testhooks::LastSyncedDirectory() {
    return LastSynced();
}
