// Registry reads. The registry is a text file in the layout of a registry
// export (see registry_file.cpp for where it is found).
#pragma once

#include "platform/win32.h"

#define HKEY_CLASSES_ROOT ((HKEY)(uintptr_t)0x80000000)
#define HKEY_CURRENT_USER ((HKEY)(uintptr_t)0x80000001)
#define HKEY_LOCAL_MACHINE ((HKEY)(uintptr_t)0x80000002)

#define KEY_QUERY_VALUE 0x0001
#define KEY_READ 0x20019

#define REG_NONE 0
#define REG_SZ 1

LONG WINAPI RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, DWORD access, HKEY* result);
LONG WINAPI RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type,
                             LPBYTE data, LPDWORD dataSize);
LONG WINAPI RegCloseKey(HKEY key);
