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

// Writes to a file opened with CrtOpenFile; answers the bytes written (fewer
// when the disk is full, or when a test injects the fault "fail WriteFile").
size_t CrtWriteFile(FILE* file, const void* data, size_t size);

// Puts a completely written file in place of another: flushes it to disk,
// closes it and renames it over finalPath, so that finalPath is always either
// the old file or the new one, whole. Removes the written file on failure.
bool CrtReplaceFile(FILE* written, const char* writtenPath, const char* finalPath);
