#include "shell/error_handler.h"

#include <cstdio>
#include <cstdlib>

#include "shell/error_names.h"

ErrorHandler::ErrorHandler() : message(nullptr), caption(nullptr), code(0), window(nullptr) {
    unknownText[0] = '\0';
}

void ErrorHandler::SetWindow(HWND owner) {
    window = owner;
}

void ErrorHandler::SetError(const char* text, HRESULT result, const char* boxCaption) {
    message = text;
    code = result;
    caption = boxCaption;
}

void ErrorHandler::ReportDirectDraw() {
    Report(DirectDrawErrorName);
}

void ErrorHandler::ReportDirectSound() {
    Report(DirectSoundErrorName);
}

void ErrorHandler::Report(const char* (*nameOf)(HRESULT)) {
    if (message == nullptr) {
        message = nameOf(code);
        if (message == nullptr) {
            std::snprintf(unknownText, sizeof unknownText, "Unknown Error #%ld",
                          static_cast<long>(code & 0xFFFF));
            message = unknownText;
        }
    }
    MessageBoxA(window, message, caption, MB_ICONHAND);
    message = nullptr;
    // The ordinary exit, so that the global objects are destroyed.
    std::exit(1);
}
