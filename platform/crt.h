// The few C runtime services whose results depend on the machine: calendar
// time and files named with Windows paths. Headless runs fix the calendar.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Seconds since 1970, as time(NULL).
int64_t CrtTime();

// Where a Windows path ("C:\dir\file" or "/home/x\Images\a.bmp") lies on this
// file system: backslashes become slashes, and a name that does not exist as
// written is matched without regard to case, component by component.
std::string MapWindowsPath(const char* windowsPath);

// fopen on a Windows path. Reports the open to the trace as the platform sees it.
FILE* CrtOpenFile(const char* windowsPath, const char* mode);
