#include "shell/resource_handler.h"

#include "platform/trace.h"
#include "scene/creation_lists.h"
#include "scene/object_kinds.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
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

void ResourceHandler::AddRoomTransition(Room room) {
    for (const CreationRecord& record : RoomTransitionRecords(room))
        objectList.Add(CreateObject(record));
}

void ResourceHandler::AddCartItem(LONG x, LONG y, LONG itemId, LONG layer) {
    const CreationRecord* record = CartItemRecord(itemId);
    if (!record)
        return;
    ScreenObject* item = CreateObject(*record);
    item->SetPosition(x, y);
    item->SetLayer(layer);
    item->SetVisible(true);
    objectList.Add(item);
}
