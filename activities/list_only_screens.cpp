#include "activities/list_only_screens.h"

#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "shell/frame_update.h"
#include "shell/globals.h"

namespace {

void StillScreen() {}
void NoClick(ListElem*) {}

// The alphabet and the ride back to Earth keep their moving object alive
// while the screen pauses.
void UpdateSlotC(DWORD now) {
    if (ListElem* slot = frameUpdate.objectSlotC; slot && slot->object)
        slot->object->Update(now);
}

// The fishing game's fish swims on while the screen pauses; it is found
// afresh each time, never kept across a load.
void UpdateFish(DWORD now) {
    if (ListElem* fish = objectList.FindById(126))
        fish->object->Update(now);
    objectList.ResetCursor();
}

const ScreenHandlers kStill{
    .update = StillScreen, .click = NoClick, .busyWaitWork = nullptr, .key = nullptr};
const ScreenHandlers kStillSlotC{
    .update = StillScreen, .click = NoClick, .busyWaitWork = UpdateSlotC, .key = nullptr};
const ScreenHandlers kStillFishing{
    .update = StillScreen, .click = NoClick, .busyWaitWork = UpdateFish, .key = nullptr};

} // namespace

const ScreenHandlers* ListOnlyScreen(LONG screenId) {
    switch (screenId) {
    case 4:
    case 19:
        return &kStillSlotC;
    case 7:
        return &kStillFishing;
    default:
        break;
    }
    if ((screenId >= 2 && screenId <= 20) || screenId == 24 || screenId == 25)
        return &kStill;
    return nullptr;
}
