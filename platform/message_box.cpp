// Message boxes: said on stderr always, shown on the desktop where there is
// one, written to the trace in headless runs.
#include <SDL.h>

#include <cstdio>
#include <string>

#include "platform/host_state.h"

namespace platform {

std::string Cp1252ToUtf8(const char* text) {
    // The code points of 0x80 to 0x9F; 0 where the code page leaves a hole.
    static const uint16_t kHigh[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    std::string out;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); c && *c; ++c) {
        uint32_t code = *c;
        if (code >= 0x80 && code < 0xA0)
            code = kHigh[code - 0x80] ? kHigh[code - 0x80] : '?';
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

namespace {

std::string TraceQuoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\', out += c;
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out + "\"";
}

} // namespace

} // namespace platform

int WINAPI MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT type) {
    platform::HostState& host = platform::Host();
    std::string body = platform::Cp1252ToUtf8(text ? text : "");
    std::string title = platform::Cp1252ToUtf8(caption ? caption : "Error");
    std::fprintf(stderr, "%s: %s\n", title.c_str(), body.c_str());
    std::fflush(stderr);
    if (host.options.headless) {
        platform::TraceLine("messagebox %s %s", platform::TraceQuoted(title).c_str(),
                            platform::TraceQuoted(body).c_str());
        return IDOK;
    }
    // The box must be reachable: leave full screen and free the mouse first.
    if (host.sdlWindow) {
        SDL_SetWindowFullscreen(host.sdlWindow, 0);
        SDL_SetRelativeMouseMode(SDL_FALSE);
        SDL_SetWindowGrab(host.sdlWindow, SDL_FALSE);
        SDL_ShowCursor(SDL_ENABLE);
    }
    Uint32 flags = (type & MB_ICONHAND) ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    SDL_ShowSimpleMessageBox(flags, title.c_str(), body.c_str(), host.sdlWindow);
    return IDOK;
}
