// Screens 12 and 13: the left map (store, city hall, moon, saucer) and the
// right map (school, house, sun, aeroplane), each with its road.
#include "activities/screen_kit.h"
#include "activities/sequence.h"
#include "activities/town_map.h"
#include "platform/mmsystem.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "shell/frame_update.h"
#include "shell/globals.h"

namespace {

constexpr LONG kTransitionStrip = 23;

} // namespace

void SideMapUpdate() {
    FrameUpdate& f = frameUpdate;
    const MapLayout& map = CurrentMap();
    LONG state = f.state;
    if (state >= 100 && state <= 102) {
        ScrollUpdate(kLeftArrow, 100);
    } else if (state >= 200 && state <= 202) {
        ScrollUpdate(kRightArrow, 200);
    } else if (state >= 300 && state <= 306) {
        RunPhases(kSideQuit, 300, QuitQuestionStep);
    } else if (state >= 400 && state <= 407) {
        RunPhases(kIdleReminder, 400, GuideTalkStep);
    } else if (state == 1) {
        ShowAt(map.background, 0, 0);
        Place(kTransitionStrip, -640, 0);
        if (ScreenObject* sign = Find(map.stopSign)) {
            sign->ResetPosition();
            sign->SetVisible(true);
            sign->SetClickable(true);
        }
        f.hoverEnabled = true;
        PointerCursor();
        GoTo(2);
    } else if (state == 2) {
        StartRandomVehicle();
        StartFlyer();
        f.idleSince = timeGetTime();
        GoTo(3);
    } else if (state == 3) {
        FlyerFrame();
        GoTo(4);
    } else if (state == 4) {
        DriveVehicle();
        FlyerFrame();
        if (timeGetTime() - f.idleSince > map.idleLimit) {
            f.returnState = 4;
            GoTo(400);
        }
    }
}

void SideMapClick(ListElem* selected) {
    LONG id = selected->object->GetId();
    if (TakeYesNoClick(id))
        return;
    if (id == kLeftArrow)
        GoTo(100);
    else if (id == kRightArrow)
        GoTo(200);
    else if (id == CurrentMap().stopSign)
        StartQuitQuestion(id, 300);
    else if (id == kPlacePopupOk)
        CloseSidePopup();
    else
        ClickPlace(id);
}
