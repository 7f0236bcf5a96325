// The fourteen screens still without their activity, row by row: their bar,
// their home place and its music, the guide that asks the quit question and
// where the question's panel stands.
#include "activities/list_only_screens.h"

#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "shell/frame_update.h"

namespace {

constexpr LONG kCentreMap = 1;
constexpr LONG kHouse = 8;
constexpr LONG kLeftMap = 12;
constexpr LONG kRightMap = 13;
constexpr const char* kTownMusic = "roundthemountain.wav";
constexpr const char* kHouseMusic = "walking.wav";

// The moving day's bar has no help button.
constexpr MenuBar kHouseMenuBar{
    .bar = 36, .guide = 43, .help = 0, .home = 40, .balloon = 35, .exit = 38};

// Guides: each rests a whole number of steps from a start off the screen, its
// eyes (and mouth, where its list has one) laid where its picture has them.
// The alphabet's guide comes up from the bottom right corner, as its list
// sets it moving.
constexpr GuideParts kLettersGuide{.body = 148,
                                   .rest = {353, 123},
                                   .start = {713, 483},
                                   .step = {-15, -15},
                                   .mouthStart = {0, 0},
                                   .eyes = {423, 193},
                                   .eyesLayer = 12,
                                   .slidingLayer = 0,
                                   .restingLayer = 0,
                                   .mouth = 0,
                                   .eyesId = 149};
// The house's guide, its closed eyes a picture of its own size laid over it.
constexpr GuideParts kMoverGuide{.body = 200,
                                 .rest = {318, 140},
                                 .start = {388, 490},
                                 .step = {-5, -25},
                                 .mouthStart = {0, 0},
                                 .eyes = {318, 140},
                                 .eyesLayer = 12,
                                 .slidingLayer = 0,
                                 .restingLayer = 0,
                                 .mouth = 0,
                                 .eyesId = 201};
constexpr GuideParts kJobsGuide{.body = 511,
                                .rest = {330, 130},
                                .start = {330, 480},
                                .step = {0, -25},
                                .mouthStart = {405, 562},
                                .eyes = {400, 180},
                                .eyesLayer = 10,
                                .slidingLayer = 0,
                                .restingLayer = 0,
                                .mouth = kGuideMouth,
                                .eyesId = kGuideEyes};
// The astronaut rests where the month lists create it, with its own eyes and mouth.
constexpr GuideParts kAstronautGuide{.body = 497,
                                     .rest = {364, 143},
                                     .start = {364, 493},
                                     .step = {0, -25},
                                     .mouthStart = {449, 559},
                                     .eyes = {447, 199},
                                     .eyesLayer = 10,
                                     .slidingLayer = 0,
                                     .restingLayer = 0,
                                     .mouth = 902,
                                     .eyesId = 512};
// Right of the grocery's panel, which stands in the middle of the shelves.
constexpr GuideParts kGroceryGuide{.body = 502,
                                   .rest = {450, 180},
                                   .start = {450, 480},
                                   .step = {0, -25},
                                   .mouthStart = {525, 562},
                                   .eyes = {520, 230},
                                   .eyesLayer = 10,
                                   .slidingLayer = 0,
                                   .restingLayer = 0,
                                   .mouth = kGuideMouth,
                                   .eyesId = kGuideEyes};

constexpr QuitPanelPlace kQuitPanel{.panel = {119, 29}, .yes = {165, 134}, .no = {235, 134}};
// "quit3.bmp", placed as the circus places it.
constexpr QuitPanelPlace kWidePanel{.panel = {253, 81}, .yes = {311, 186}, .no = {381, 186}};

// Pauses keep drawing; these screens keep one object moving through them.
// The alphabet and the ride back to Earth: the object of slot C.
void UpdateSlotC(DWORD now) {
    if (ListElem* slot = frameUpdate.objectSlotC; slot && slot->object)
        slot->object->Update(now);
}

// The fishing game's waves, found afresh each time, never kept across a load.
void UpdateWaves(DWORD now) {
    if (ListElem* waves = objectList.FindById(126))
        waves->object->Update(now);
    objectList.ResetCursor();
}

constexpr ScreenHandlers Handlers(void (*busyWaitWork)(DWORD) = nullptr) {
    return {.update = ListOnlyUpdate,
            .click = ListOnlyClick,
            .busyWaitWork = busyWaitWork,
            .key = nullptr,
            .hoversMap = false};
}

const ListOnlyScreenRow kRows[] = {
    {.screen = 4,
     .bar = &kLeftMenuBar,
     .home = kCentreMap,
     .homeMusic = kTownMusic,
     .guide = &kLettersGuide,
     .quit = &kQuitPanel,
     .handlers = Handlers(UpdateSlotC)},
    {.screen = 5,
     .bar = &kRightMenuBar,
     .home = kHouse,
     .homeMusic = kHouseMusic,
     .guide = &kMoverGuide,
     .quit = &kQuitPanel,
     .handlers = Handlers()},
    {.screen = 7,
     .bar = &kLeftMenuBar,
     .home = kCentreMap,
     .homeMusic = kTownMusic,
     .guide = &kLettersGuide,
     .quit = &kQuitPanel,
     .handlers = Handlers(UpdateWaves)},
    {.screen = 8,
     .bar = &kHouseMenuBar,
     .home = kRightMap,
     .homeMusic = kTownMusic,
     .guide = &kMoverGuide,
     .quit = &kQuitPanel,
     .handlers = Handlers()},
    {.screen = 9,
     .bar = &kRightMenuBar,
     .home = kHouse,
     .homeMusic = kHouseMusic,
     .guide = &kMoverGuide,
     .quit = &kQuitPanel,
     .handlers = Handlers()},
    {.screen = 10,
     .bar = &kRightMenuBar,
     .home = kHouse,
     .homeMusic = kHouseMusic,
     .guide = &kMoverGuide,
     .quit = &kQuitPanel,
     .handlers = Handlers()},
    {.screen = 11,
     .bar = &kRightMenuBar,
     .home = kHouse,
     .homeMusic = kHouseMusic,
     .guide = &kMoverGuide,
     .quit = &kQuitPanel,
     .handlers = Handlers()},
    {.screen = 15,
     .bar = &kRightMenuBar,
     .home = kLeftMap,
     .homeMusic = kTownMusic,
     .guide = &kJobsGuide,
     .quit = &kQuitPanel,
     .handlers = Handlers()},
    {.screen = 16,
     .bar = &kRightMenuBar,
     .home = kLeftMap,
     .homeMusic = kTownMusic,
     .guide = &kAstronautGuide,
     .quit = &kQuitPanel,
     .handlers = Handlers()},
    {.screen = 17,
     .bar = &kRightMenuBar,
     .home = kLeftMap,
     .homeMusic = kTownMusic,
     .guide = &kAstronautGuide,
     .quit = &kQuitPanel,
     .handlers = Handlers()},
    {.screen = 18,
     .bar = &kRightMenuBar,
     .home = kLeftMap,
     .homeMusic = kTownMusic,
     .guide = &kAstronautGuide,
     .quit = &kQuitPanel,
     .handlers = Handlers()},
    {.screen = 19,
     .bar = &kRightMenuBar,
     .home = kLeftMap,
     .homeMusic = kTownMusic,
     .guide = &kAstronautGuide,
     .quit = &kQuitPanel,
     .handlers = Handlers(UpdateSlotC)},
    // The landing shows no bar at all: nothing on it answers.
    {.screen = 20,
     .bar = nullptr,
     .home = kLeftMap,
     .homeMusic = kTownMusic,
     .guide = nullptr,
     .quit = nullptr,
     .handlers = Handlers()},
    {.screen = 25,
     .bar = &kLeftMenuBar,
     .home = kLeftMap,
     .homeMusic = kTownMusic,
     .guide = &kGroceryGuide,
     .quit = &kWidePanel,
     .handlers = Handlers()},
};

} // namespace

const ListOnlyScreenRow* ListOnlyRow(LONG screenId) {
    for (const ListOnlyScreenRow& row : kRows)
        if (row.screen == screenId)
            return &row;
    return nullptr;
}
