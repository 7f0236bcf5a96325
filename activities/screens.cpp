#include "activities/screens.h"

namespace {

// Screens whose activity is still to come hold still and take no clicks.
void StillScreen() {}
void NoClick(ListElem*) {}

const ScreenHandlers kStill{StillScreen, NoClick};

} // namespace

const ScreenHandlers* HandlersForScreen(LONG screenId) {
    if ((screenId >= 1 && screenId <= 22) || screenId == 24 || screenId == 25)
        return &kStill;
    return nullptr;
}

void NameEntryKey(WPARAM) {}
void RaceSceneryStep() {}
