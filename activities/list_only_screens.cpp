// What the screens without their activity yet do: on entry they hand the
// child the pointer, then they wait; their bar leads to the balloons, home or
// the quit question, and the guide and help buttons only light.
#include "activities/list_only_screens.h"

#include "activities/quit_question.h"
#include "activities/screen_kit.h"
#include "activities/sequence.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "shell/frame_update.h"
#include "shell/resource_handler.h"

namespace {

constexpr LONG kQuitState = 100; // to 106: the quit question's phases

const ListOnlyScreenRow& CurrentRow() {
    static const ListOnlyScreenRow kNone{};
    const ListOnlyScreenRow* row = ListOnlyRow(resourceHandler.GetScreen());
    return row ? *row : kNone;
}

// Whatever the screen before left behind, the bar answers here.
void Enter() {
    PointerCursor();
    frameUpdate.hoverEnabled = true;
    frameUpdate.clickLock = false;
}

// Nothing else on the bar may start while the question is up.
void PrepareQuit() {
    if (const MenuBar* bar = CurrentRow().bar)
        SetMenuButtonsClickable(*bar, false);
}

// The exit button goes dark and the whole bar answers again.
void QuitRefused() {
    if (const MenuBar* bar = CurrentRow().bar) {
        Hide(bar->exit);
        SetMenuButtonsClickable(*bar, true);
    }
}

QuitQuestion QuestionOf(const ListOnlyScreenRow& row) {
    return {.guide = row.guide,
            .pauseAfterArrival = 0,
            .panel = row.quit->panel,
            .yes = row.quit->yes,
            .no = row.quit->no,
            .voice = Channel::Voice,
            .popsUp = true,
            .pauseOnYes = 0,
            .stopAllOnYes = false,
            .prepare = PrepareQuit,
            .refused = QuitRefused};
}

// The circus, gas station, school, days and race, until their rows come.
void StillScreen() {}
const ScreenHandlers kStill{
    .update = StillScreen, .click = nullptr, .busyWaitWork = nullptr, .key = nullptr};

} // namespace

void ListOnlyUpdate() {
    const ListOnlyScreenRow& row = CurrentRow();
    LONG state = frameUpdate.state;
    switch (state) {
    case 1:
        Enter();
        GoTo(2);
        break;
    case 2:
        break; // the activity is still to come
    default:
        if (state >= kQuitState && state <= kQuitState + 6 && row.guide && row.quit)
            RunPhases(QuestionOf(row), kQuitState, QuitQuestionStep);
        break;
    }
}

void ListOnlyClick(ListElem* selected) {
    const ListOnlyScreenRow& row = CurrentRow();
    LONG id = selected->object->GetId();
    if (TakeYesNoClick(id) || !row.bar)
        return;
    const MenuBar& bar = *row.bar;
    if (id == bar.balloon) {
        GoToBalloonScreen();
    } else if (id == bar.home) {
        GoHome(row.home, row.homeMusic);
    } else if (id == bar.exit) {
        StartQuitQuestion(id, kQuitState);
    } else if (id == bar.guide || id == bar.help) {
        // No instructions or help yet: the press has lit the button, and that is all.
        Hide(id);
    }
}

const ScreenHandlers* ListOnlyScreen(LONG screenId) {
    if (const ListOnlyScreenRow* row = ListOnlyRow(screenId))
        return &row->handlers;
    switch (screenId) {
    case 2:
    case 3:
    case 6:
    case 14:
    case 24:
        return &kStill;
    default:
        return nullptr;
    }
}
