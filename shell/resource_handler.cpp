#include "shell/resource_handler.h"

#include "platform/trace.h"
#include "scene/creation_lists.h"
#include "scene/object_list.h"
#include "shell/frame_update.h"
#include "shell/globals.h"

void ResourceHandler::SetScreen(LONG screenId) {
    screen = screenId;
    TraceNote("screen %d", static_cast<int>(screenId));
}

void ResourceHandler::LoadScreen() {
    // Every object goes with the list: nothing may keep pointing at one.
    frameUpdate.ForgetObjects();
    objectList.Clear();
    CreateScreenObjects(screen);
}
