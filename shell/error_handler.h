// The fatal error reporter: holds one pending report, shows it in a message box
// owned by the main window and ends the program with exit code 1.
#pragma once

#include "platform/win32.h"

class ErrorHandler {
  public:
    ErrorHandler();

    void SetWindow(HWND owner);
    // message null: the box shows the name of code from the report's table.
    void SetError(const char* text, HRESULT result, const char* boxCaption);
    [[noreturn]] void ReportDirectDraw();
    [[noreturn]] void ReportDirectSound();

  private:
    [[noreturn]] void Report(const char* (*nameOf)(HRESULT));

    const char* message;
    const char* caption;
    HRESULT code;
    HWND window;
    // Holds "Unknown Error #65535" at the longest.
    char unknownText[32];
};
