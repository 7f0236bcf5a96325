// First start of an installed game: the player's install directory and the
// registry file that names it, as scripts/install.sh makes them for a build.
#include "platform/user_install.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/registry.h"

namespace platform {

namespace {

constexpr size_t kLongestInstallPath = 59; // the registry value's buffer holds 60 bytes
constexpr char kRegistryKey[] = "Software\\Brightleaf Works\\Vocabuloon Spanish Demo\\1.00.000";

bool IsDirectory(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string Parent(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// mkdir -p; true when the directory is there afterwards.
bool MakeDirectories(const std::string& path) {
    if (path.empty() || IsDirectory(path))
        return true;
    if (!MakeDirectories(Parent(path)))
        return false;
    return ::mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out;
}

// Points dir/name at target unless dir/name is already there: a player's own
// directory or a working link (to a build, say) is left as it is; a link whose
// target has gone is replaced.
bool LinkUnlessPresent(const std::string& dir, const char* name, const std::string& target,
                       std::string* why) {
    std::string link = dir + "/" + name;
    struct stat info;
    if (::stat(link.c_str(), &info) == 0)
        return true;
    if (::lstat(link.c_str(), &info) == 0 && S_ISLNK(info.st_mode))
        ::unlink(link.c_str());
    if (::symlink(target.c_str(), link.c_str()) == 0)
        return true;
    if (why)
        *why = "cannot link " + link + " to " + target + ": " + std::strerror(errno);
    return false;
}

bool WriteRegistryFile(const std::string& path, const std::string& installDir, std::string* why) {
    std::string text =
        std::string("Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\") +
        kRegistryKey + "]\n\"Path\"=\"" + Escaped(installDir) + "\"\n";
    // Written aside and renamed, so a game started meanwhile never reads half a file.
    std::string partial = path + ".new";
    FILE* file = MakeDirectories(Parent(path)) ? std::fopen(partial.c_str(), "w") : nullptr;
    bool ok = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = (file && std::fclose(file) == 0) && ok;
    ok = ok && std::rename(partial.c_str(), path.c_str()) == 0;
    if (!ok) {
        if (why)
            *why = "cannot write " + path + ": " + std::strerror(errno);
        std::remove(partial.c_str());
    }
    return ok;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The install directory the registry file names; "" when it names none.
std::string NamedInstallDir() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRegistryKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return "";
    char value[kLongestInstallPath + 1] = {};
    DWORD size = sizeof value;
    LONG result =
        RegQueryValueExA(key, "Path", nullptr, nullptr, reinterpret_cast<LPBYTE>(value), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? value : "";
}

} // namespace

std::string PackBesideBinary() {
    char self[PATH_MAX];
    ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return "";
    self[length] = '\0';
    std::string pack = Parent(Parent(self)) + "/share/vocabuloon";
    char resolved[PATH_MAX];
    if (!::realpath(pack.c_str(), resolved) || !IsDirectory(std::string(resolved) + "/Images"))
        return "";
    return resolved;
}

std::string UserInstallDir() {
    std::string home = Environment("HOME");
    std::string data = Environment("XDG_DATA_HOME");
    if (data.empty() || data[0] != '/')
        data = home + "/.local/share";
    std::string dir = data + "/vocabuloon";
    if (dir.size() > kLongestInstallPath)
        dir = home + "/.vocabuloon";
    if (home.empty() || dir.size() > kLongestInstallPath)
        return "";
    return dir;
}

bool PrepareUserInstall(std::string* why) {
    std::string pack = PackBesideBinary();
    if (pack.empty())
        return true;
    std::string registry = RegistryFilePath();
    if (::access(registry.c_str(), F_OK) == 0) {
        // Set up before (by a build, perhaps since deleted): only links that
        // lead nowhere are pointed at the installed pack.
        std::string named = NamedInstallDir();
        if (IsDirectory(named)) {
            LinkUnlessPresent(named, "Images", pack + "/Images", nullptr);
            LinkUnlessPresent(named, "Wav", pack + "/Wav", nullptr);
        }
        return true;
    }
    std::string dir = UserInstallDir();
    if (dir.empty()) {
        if (why)
            *why = "no install directory of at most 59 characters under $HOME";
        return false;
    }
    if (!MakeDirectories(dir)) {
        if (why)
            *why = "cannot make " + dir + ": " + std::strerror(errno);
        return false;
    }
    return LinkUnlessPresent(dir, "Images", pack + "/Images", why) &&
           LinkUnlessPresent(dir, "Wav", pack + "/Wav", why) &&
           WriteRegistryFile(registry, dir, why);
}

} // namespace platform
