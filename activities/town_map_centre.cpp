// Screen 1: the centre of town with its lake, playground, carousel and
// sailboat, and the welcome popup a child sees first.
#include "activities/screen_kit.h"
#include "activities/sequence.h"
#include "activities/town_map.h"
#include "platform/mmsystem.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "shell/frame_update.h"
#include "shell/globals.h"

namespace {

constexpr LONG kBackground = 1;
constexpr LONG kSailboat = 2;
constexpr LONG kCarousel = 267;
constexpr LONG kCarouselHighlight = 5;
constexpr LONG kStopSign = 603;
constexpr LONG kWelcome = 6001;
constexpr LONG kWelcomeOk = 6011;

// The carousel turns with its highlight in step; the sailboat rocks.
void CentreScene() {
    DWORD now = timeGetTime();
    ScreenObject* carousel = Find(kCarousel);
    if (carousel && carousel->Update(now))
        if (ScreenObject* highlight = Find(kCarouselHighlight))
            highlight->NextFrame();
    if (ScreenObject* sailboat = Find(kSailboat))
        sailboat->Update(now);
}

// The town as it stands whenever the child may look around; the background
// too, since the balloon screen's way home arrives here without it.
void ShowTown() {
    frameUpdate.hoverEnabled = true;
    PointerCursor();
    ShowAt(kBackground, 0, 0);
    Show(kCarousel);
    Show(kSailboat);
    Show(kStopSign);
}

} // namespace

void CentreMapUpdate() {
    FrameUpdate& f = frameUpdate;
    LONG state = f.state;
    if (state >= 3 && state <= 5) {
        ScrollUpdate(kLeftArrow, 3);
    } else if (state >= 6 && state <= 8) {
        ScrollUpdate(kRightArrow, 6);
    } else if (state >= 100 && state <= 106) {
        RunPhases(kCentreQuit, 100, QuitQuestionStep);
    } else if (state >= 200 && state <= 207) {
        RunPhases(kIdleReminder, 200, GuideTalkStep);
    } else if (state == 1) {
        ShowTown();
        SetMapClickable(true);
        GoTo(2);
    } else if (state == 2) {
        CentreScene();
        if (After(CurrentMap().idleLimit)) {
            f.returnState = 2;
            GoTo(200);
        }
    } else if (state == 500) {
        ShowTown();
        SetMapClickable(false);
        Show(kWelcome);
        SetClickable(kWelcomeOk, true);
        GoTo(505);
    } else if (state == 510) {
        if (After(500)) {
            Hide({kWelcome, kWelcomeOk});
            SetClickable(kWelcomeOk, false);
            GoTo(1);
        }
    }
}

void CentreMapClick(ListElem* selected) {
    LONG id = selected->object->GetId();
    if (TakeYesNoClick(id))
        return;
    switch (id) {
    case kLeftArrow:
        GoTo(3);
        break;
    case kRightArrow:
        GoTo(6);
        break;
    case kStopSign:
        StartQuitQuestion(kStopSign, 100);
        break;
    case kWelcomeOk:
        GoTo(510);
        break;
    case kPlacePopupOk:
        CloseCentrePopup();
        break;
    default:
        ClickPlace(id);
        break;
    }
}
