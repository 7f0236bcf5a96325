// Start-up, the main loop, and the way out.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "audio/audio_interface.h"
#include "display/display_interface.h"
#include "input/mouse_cursor.h"
#include "input/mouse_input.h"
#include "platform/registry.h"
#include "scene/text_overlays.h"
#include "shell/error_handler.h"
#include "shell/frame_update.h"
#include "shell/globals.h"
#include "shell/player_roster.h"
#include "shell/resource_handler.h"
#include "shell/window_procedure.h"

namespace {

const char kWindowName[] = "Vocabuloon";
const char kRegistryKey[] = "Software\\Brightleaf Works\\Vocabuloon Spanish Demo\\1.00.000";
constexpr DWORD kPathBufferSize = 60;

bool MouseClicked = false;

// Larger font sizes on the NT family up to XP; the 95 family keeps the small ones.
bool CheckOperatingSystem() {
    OSVERSIONINFOEXA info{};
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) {
        info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
        if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)))
            return false;
    }
    if (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) {
        if (info.dwMajorVersion == 4 &&
            (info.dwMinorVersion == 0 || info.dwMinorVersion == 10 || info.dwMinorVersion == 90))
            ntFontSizes = false;
    } else if (info.dwPlatformId == VER_PLATFORM_WIN32_NT) {
        if (info.dwMajorVersion <= 4 ||
            (info.dwMajorVersion == 5 && (info.dwMinorVersion == 0 || info.dwMinorVersion == 1)))
            ntFontSizes = true;
    }
    return true;
}

[[noreturn]] void ReportSystemError(HWND window, LONG code) {
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, static_cast<DWORD>(code), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                   reinterpret_cast<LPSTR>(&text), 0, nullptr);
    MessageBoxA(window, text, "Error", MB_OK);
    LocalFree(reinterpret_cast<HLOCAL>(text));
    std::exit(1);
}

// "--full" among the words of the command line.
bool AsksForFullEdition(const char* commandLine) {
    static constexpr char kFull[] = "--full";
    const char* word = commandLine;
    while (word && *word) {
        while (*word == ' ')
            ++word;
        const char* end = word;
        while (*end && *end != ' ')
            ++end;
        if (static_cast<size_t>(end - word) == sizeof kFull - 1 &&
            std::strncmp(word, kFull, sizeof kFull - 1) == 0)
            return true;
        word = end;
    }
    return false;
}

void ReadInstallPath(HWND window) {
    HKEY key = nullptr;
    LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRegistryKey, 0, KEY_QUERY_VALUE, &key);
    if (result != ERROR_SUCCESS)
        ReportSystemError(window, result);
    char value[kPathBufferSize] = {};
    DWORD size = kPathBufferSize;
    result =
        RegQueryValueExA(key, "Path", nullptr, nullptr, reinterpret_cast<LPBYTE>(value), &size);
    if (result != ERROR_SUCCESS)
        ReportSystemError(window, result);
    RegCloseKey(key);
    value[kPathBufferSize - 1] = '\0';
    std::snprintf(installPath, sizeof installPath, "%s", value);
}

int MainLoop() {
    MSG message;
    for (;;) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!GetMessageA(&message, nullptr, 0, 0))
                return static_cast<int>(message.wParam);
            TranslateMessage(&message);
            DispatchMessageA(&message);
            continue;
        }
        if (!appActive) {
            WaitMessage();
            continue;
        }
        LONG dx = 0, dy = 0;
        mouseInput.Read(dx, dy, MouseClicked);
        mouseCursor.Move(dx, dy);
        if (MouseClicked) {
            MouseClicked = false;
            clickPoint = {mouseCursor.GetX(), mouseCursor.GetY()};
            frameUpdate.RouteClick(clickPoint.x, clickPoint.y);
        }
        frameUpdate.DispatchFrame();
        frameUpdate.RenderFrame();
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    fullEdition = AsksForFullEdition(commandLine);
    frameUpdate.SeedRandom();

    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kWindowName;
    RegisterClassExA(&windowClass);

    HWND window = CreateWindowExA(WS_EX_TOPMOST, kWindowName, kWindowName, WS_POPUP, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                  nullptr, nullptr, instance, nullptr);
    if (!window)
        return 0;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    SetFocus(window);

    CheckOperatingSystem();
    errorHandler.SetWindow(window);

    ReadInstallPath(window);
    playerRoster.Load();
    std::snprintf(wavPath, sizeof wavPath, "%s\\Wav\\", installPath);
    std::snprintf(imagePath, sizeof imagePath, "%s\\Images\\", installPath);

    display.SetInstance(instance);
    display.SetWindow(window);
    display.SetDriver(nullptr);
    display.Init();

    mouseCursor.LoadImages();
    mouseCursor.SetMode(1);

    mouseInput.SetInstance(instance);
    mouseInput.SetWindow(window);
    mouseInput.Init();
    mouseInput.Acquire();

    audio.SetWindow(window);
    audio.Init();

    wordText.CreateSurface(display.GetDirectDraw());
    namePanel.CreateSurface(display.GetDirectDraw());
    numberPanel.CreateSurface(display.GetDirectDraw());

    resourceHandler.SetScreen(22);
    resourceHandler.LoadScreen();
    frameUpdate.RenderFrame();

    MouseClicked = false;
    return MainLoop();
}
