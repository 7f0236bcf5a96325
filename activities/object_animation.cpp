#include "activities/object_animation.h"

#include "activities/screen_kit.h"
#include "input/mouse_cursor.h"
#include "input/mouse_input.h"
#include "platform/mmsystem.h"
#include "scene/screen_object.h"
#include "shell/frame_update.h"
#include "shell/globals.h"

namespace {

bool CanChangeFrame(const ScreenObject& object) {
    return object.IsVisible() && object.GetFrameCount() > 1 && object.GetFrameDelay() > 0;
}

} // namespace

void PlayObjectAnimation(LONG id) {
    LONG changes = 0;
    for (;;) {
        // Found afresh each turn: the object list is the only owner.
        ScreenObject* object = Find(id);
        if (!object || changes >= object->GetFrameCount() || !CanChangeFrame(*object))
            return;
        LONG dx = 0, dy = 0;
        bool clicked = false; // a click while the animation plays is lost, as in a pause
        mouseInput.Read(dx, dy, clicked);
        mouseCursor.Move(dx, dy);
        if (object->Update(timeGetTime()))
            ++changes;
        frameUpdate.RenderFrame();
    }
}
