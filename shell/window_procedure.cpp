#include "shell/window_procedure.h"

#include "audio/audio_interface.h"
#include "display/display_interface.h"
#include "input/mouse_cursor.h"
#include "platform/trace.h"
#include "scene/object_list.h"
#include "shell/frame_update.h"
#include "shell/globals.h"
#include "shell/resource_handler.h"

namespace {

// The headless "screen N" command: changes screens as a screen does.
void ChangeScreenForScript(LONG screenId) {
    audio.StopAll();
    frameUpdate.objectSlotA = nullptr;
    resourceHandler.SetScreen(screenId);
    resourceHandler.LoadScreen();
    frameUpdate.state = 1;
}

} // namespace

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATEAPP:
        if (display.GetDirectDraw())
            mouseCursor.LoadImages();
        appActive = (wParam == 1);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE)
            frameUpdate.SkipKey();
        frameUpdate.RouteKey(wParam);
        return 0;
    case WM_LBUTTONDOWN:
        return 0; // clicks come from the mouse device, not from the window
    case WM_USER:
        frameUpdate.RouteSpokenWord(static_cast<DWORD>(wParam));
        return 0;
    case WM_APP_SCREEN:
        ChangeScreenForScript(static_cast<LONG>(wParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
