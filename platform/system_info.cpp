// What the game asks of the operating system: its version and the texts of
// system error codes.
#include <cstdlib>
#include <cstring>

#include "platform/win32.h"

namespace {

struct SystemText {
    DWORD code;
    const char* text;
};

const SystemText kSystemTexts[] = {
    {0, "The operation completed successfully."},
    {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified."},
    {ERROR_ACCESS_DENIED, "Access is denied."},
    {ERROR_INVALID_HANDLE, "The handle is invalid."},
    {ERROR_INVALID_PARAMETER, "The parameter is incorrect."},
    {ERROR_MORE_DATA, "More data is available."},
};

} // namespace

// The game chooses its font sizes by the system it runs on; it runs here as on
// Windows XP (NT 5.1).
BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA info) {
    if (!info)
        return FALSE;
    DWORD size = info->dwOSVersionInfoSize;
    if (size != sizeof(OSVERSIONINFOA) && size != sizeof(OSVERSIONINFOEXA))
        return FALSE;
    std::memset(reinterpret_cast<char*>(info) + sizeof(DWORD), 0, size - sizeof(DWORD));
    info->dwMajorVersion = 5;
    info->dwMinorVersion = 1;
    info->dwBuildNumber = 2600;
    info->dwPlatformId = VER_PLATFORM_WIN32_NT;
    std::strcpy(info->szCSDVersion, "Service Pack 3");
    if (size == sizeof(OSVERSIONINFOEXA)) {
        auto* extended = reinterpret_cast<OSVERSIONINFOEXA*>(info);
        extended->wServicePackMajor = 3;
        extended->wProductType = 1;
    }
    return TRUE;
}

DWORD WINAPI FormatMessageA(DWORD flags, LPCVOID, DWORD messageId, DWORD, LPSTR buffer,
                            DWORD size, void*) {
    if (!(flags & FORMAT_MESSAGE_FROM_SYSTEM) || !buffer)
        return 0;
    const char* text = nullptr;
    for (const SystemText& entry : kSystemTexts)
        if (entry.code == messageId)
            text = entry.text;
    if (!text)
        return 0;
    size_t length = std::strlen(text);
    if (flags & FORMAT_MESSAGE_ALLOCATE_BUFFER) {
        // The caller passes the address of its pointer and frees it with LocalFree.
        char* copy = static_cast<char*>(std::malloc(length + 1));
        if (!copy)
            return 0;
        std::memcpy(copy, text, length + 1);
        *reinterpret_cast<char**>(buffer) = copy;
        return static_cast<DWORD>(length);
    }
    if (size < length + 1)
        return 0;
    std::memcpy(buffer, text, length + 1);
    return static_cast<DWORD>(length);
}

HLOCAL WINAPI LocalFree(HLOCAL memory) {
    std::free(memory);
    return nullptr;
}
