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

// fopen on a Windows path. Reports the open to the trace as the platform sees
// it. On failure errno says why: ENOENT only when there is no such file (a file
// under the fault "unreadable" is refused with EACCES).
FILE* CrtOpenFile(const char* windowsPath, const char* mode);

// Writes to a file opened with CrtOpenFile; answers the bytes written (fewer
// when the disk is full, or when a test injects the fault "fail WriteFile",
// whose code becomes errno), with errno saying why when fewer.
size_t CrtWriteFile(FILE* file, const void* data, size_t size);

// Puts a completely written file in place of another: flushes it to disk,
// closes it, renames it over finalPath and flushes the directory, so that
// finalPath is always either the old file or the new one, whole, and stays so
// after a power cut. Removes the written file on failure, leaving in errno the
// error of the step that failed.
bool CrtReplaceFile(FILE* written, const char* writtenPath, const char* finalPath);
