// The school classroom (6): a memory game. Sets of classroom objects appear
// one at a time, each named in a bubble; the child clicks them back in the
// same order. Sets grow from one object to eleven; the set of five wins the
// balloon and asks to continue, the set of eleven asks to play again.
#include <cstdio>

#include "activities/activity_screens.h"
#include "activities/balloon_award.h"
#include "activities/guide.h"
#include "activities/help_and_guide.h"
#include "activities/menu_bar.h"
#include "activities/object_animation.h"
#include "activities/quit_question.h"
#include "activities/screen_kit.h"
#include "activities/sequence.h"
#include "audio/audio_interface.h"
#include "platform/trace.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "scene/text_overlays.h"
#include "shell/frame_update.h"
#include "shell/globals.h"
#include "shell/program_random.h"

namespace {

constexpr LONG kRightMap = 13;
constexpr LONG kFirstObject = 80;
constexpr LONG kLastObject = 96;
constexpr LONG kCategories = 11;
constexpr LONG kPairedCategories = 6;
constexpr LONG kLargestSet = 11;
constexpr LONG kAwardedSet = 5;
constexpr LONG kWrongMark = 2000;
constexpr LONG kWordCircle = 2001;
constexpr LONG kWordLayer = 15;

constexpr LONG kIntroductionState = 30;
constexpr LONG kGuideState = 100;
constexpr LONG kQuitState = 111;
constexpr LONG kHelpState = 150;
constexpr LONG kContinueState = 400;
constexpr LONG kPlayAgainState = 420;

struct Category {
    LONG first;
    LONG second; // the pair's other object; 0 for a category of one
    Point bubble;
};

// clang-format off
constexpr Category kCategoryTable[kCategories] = {
    {80, 81,  {105, 236}},
    {82, 83,  {207, 203}},
    {84, 85,  {251, 282}},
    {86, 87,  {409, 392}},
    {88, 89,  {163, 114}},
    {90, 91,  {305, 143}},
    {92,  0,  {467,  21}},
    {93,  0,  {154,  15}},
    {94,  0,  {172, 141}},
    {95,  0,  {533,  74}},
    {96,  0,  {521, 250}},
};
// clang-format on

constexpr GuideParts kTeacher{
    .body = 800,
    .rest = {177, 0},
    .start = {177, -500},
    .step = {0, 25},
    .mouthStart = {420, -252},
    .eyes = {470, 244},
    .eyesLayer = 10,
    .slidingLayer = 0,
    .restingLayer = 0,
    .mouth = 3001,
    .eyesId = 801,
};

bool IsClassroomObject(LONG id) {
    return id >= kFirstObject && id <= kLastObject;
}

Point BubbleOf(LONG id) {
    for (const Category& category : kCategoryTable)
        if (category.first == id || category.second == id)
            return category.bubble;
    return {0, 0};
}

void SetMenuClickable(bool clickable) {
    SetClickable({kLeftMenuBar.exit, kLeftMenuBar.home, kLeftMenuBar.guide, kLeftMenuBar.help},
                 clickable);
}

// Introduction: the teacher explains the game; every visit starts with a set of one.
void IntroductionComes() {
    Show(kLeftMenuBar.guide);
    SetClickable(kLeftMenuBar.exit, false);
}

void IntroductionGiven() {
    FrameUpdate& f = frameUpdate;
    Hide(kLeftMenuBar.guide);
    SetClickable(kLeftMenuBar.exit, true);
    f.turn = 0;
    f.schoolSetSize = 1;
    f.returnState = 8;
}

const GuideTalk kIntroduction{
    .guide = &kTeacher,
    .pauseBefore = 1000,
    .recording = nullptr, // the first instructions, chosen as the talk starts
    .channel = Channel::Voice,
    .pauseAfter = 1000,
    .prepare = IntroductionComes,
    .finish = IntroductionGiven,
};

// The guide button and the idle time-out: the instructions again.
void GuideComes() {
    Show(kLeftMenuBar.guide);
    SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help, kLeftMenuBar.exit}, false);
}

void GuideGone() {
    FrameUpdate& f = frameUpdate;
    Hide(kLeftMenuBar.guide);
    SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help, kLeftMenuBar.exit}, true);
    if (f.returnState == 12)
        f.returnState = 200;
}

const GuideTalk kInstructions{
    .guide = &kTeacher,
    .pauseBefore = 1000,
    .recording = nullptr,
    .channel = Channel::Voice,
    .pauseAfter = 1000,
    .prepare = GuideComes,
    .finish = GuideGone,
};

const char* FirstInstructions() {
    return VariantPrompt("school-instructions1.wav", "school-instructions1-v2.wav");
}

const char* SecondInstructions() {
    return VariantPrompt("school-instructions2.wav", "school-instructions2-v2.wav");
}

void PrepareQuit() {
    SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help, kLeftMenuBar.exit}, false);
}

void QuitRefused() {
    Hide(kLeftMenuBar.exit);
    SetClickable({kLeftMenuBar.exit, kLeftMenuBar.home}, true);
    if (frameUpdate.returnState > 11)
        SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help}, true);
}

const QuitQuestion kClassroomQuit{
    .guide = &kTeacher,
    .pauseAfterArrival = 1000,
    .panel = {109, 245},
    .yes = {155, 344},
    .no = {225, 344},
    .voice = Channel::Voice,
    .popsUp = true,
    .pauseOnYes = 3000,
    .stopAllOnYes = false,
    .prepare = PrepareQuit,
    .refused = QuitRefused,
};

// Yes to continuing or to playing again: the teacher goes and the set is cleared.
void GoOn() {
    StartSlideOff(kTeacher);
    GoTo(125);
}

void BackToTheMap() {
    FrameUpdate& f = frameUpdate;
    f.hoverEnabled = false;
    BusyCursor();
    GoHome(kRightMap, "roundthemountain.wav");
}

const BalloonAward kContinueAward{
    .guide = &kTeacher,
    .activity = BalloonActivity::SchoolClassroom,
    .bar = &kLeftMenuBar,
    .balloonLayer = 0,
    .panel = 1000,
    .panelAt = {109, 245},
    .panelLayer = 0,
    .yes = {155, 344},
    .no = {225, 344},
    .buttonLayer = 0,
    .answersByClickLock = false,
    .playAgain = GoOn,
    .stop = BackToTheMap,
    .pauseBeforePraise = 1000,
    .question = "continue.wav",
    .questionPopsUp = false,
};

// After the set of eleven. The balloon was won at the set of five; were it
// not, it would be awarded, merged and saved here alike.
const BalloonAward kPlayAgainAward{
    .guide = &kTeacher,
    .activity = BalloonActivity::SchoolClassroom,
    .bar = &kLeftMenuBar,
    .balloonLayer = 0,
    .panel = 707,
    .panelAt = {109, 245},
    .panelLayer = 0,
    .yes = {155, 344},
    .no = {225, 344},
    .buttonLayer = 0,
    .answersByClickLock = false,
    .playAgain = GoOn,
    .stop = BackToTheMap,
    .pauseBeforePraise = 500,
};

// Distinct categories, then one object of each (either of a pair alike).
void DrawSet() {
    FrameUpdate& f = frameUpdate;
    LONG categories[kLargestSet] = {};
    for (LONG& id : f.schoolSet)
        id = 0;
    for (LONG i = 0; i < f.schoolSetSize; ++i) {
        LONG category;
        do
            category = 1 + ProgramRandomIndex(kCategories);
        while (Holds(std::span<const LONG>(categories, i), category));
        categories[i] = category;
    }
    for (LONG i = 0; i < f.schoolSetSize; ++i) {
        const Category& category = kCategoryTable[categories[i] - 1];
        f.schoolSet[i] = categories[i] <= kPairedCategories ? category.first + ProgramRandomIndex(2)
                                                            : category.first;
    }
    // The set as a trace line: a headless run tells from it which objects to
    // click, in order, before they have been shown.
    char text[64] = "";
    for (LONG i = 0; i < f.schoolSetSize; ++i)
        std::snprintf(text + 3 * i, sizeof text - 3 * i, " %d", f.schoolSet[i]);
    TraceNote("set%s", text);
}

// One object appears, is named in its bubble and spoken.
void Present(LONG id) {
    FrameUpdate& f = frameUpdate;
    ScreenObject* object = Find(id);
    if (!object)
        return;
    object->SetVisible(true);
    audio.voice.LoadAndPlay("school-objectsappear.wav");
    f.BusyWait(1000);
    audio.voice.LoadAndPlay("wordbubbles-popup.wav");
    const Point at = BubbleOf(id);
    ShowAt(kWordCircle, at.x, at.y);
    wordText.SetText(object->GetClassName(), at.x, at.y, kWordLayer, 100, 1);
    f.BusyWait(300);
    audio.voice.LoadAndPlay(object->GetSound());
    f.BusyWait(1500);
    Hide(kWordCircle);
    wordText.Hide();
}

void Presentation() {
    FrameUpdate& f = frameUpdate;
    if (f.presenting) {
        if (After(2500))
            f.presenting = false;
        return;
    }
    if (f.turn < f.schoolSetSize) {
        Present(f.schoolSet[f.turn]);
        ++f.turn;
        f.presenting = true;
        RestartTimer();
        return;
    }
    SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help}, true);
    if (PromptVariantFlag == 0)
        for (LONG i = 0; i < f.schoolSetSize; ++i)
            SetClickable(f.schoolSet[i], true);
    f.BusyWait(2000);
    audio.voice.LoadAndPlay("finish-current-set02.wav");
    f.turn = 0;
    f.wrongCount = 0;
    GoTo(200);
}

// The answered object says its English word and plays its animation.
void ShowOff(const ScreenObject& object) {
    audio.voice.LoadAndPlay(object.GetSecondSound());
    PlayObjectAnimation(object.GetId());
}

void JudgeClick() {
    FrameUpdate& f = frameUpdate;
    const LONG expected = f.schoolSet[f.turn];
    RestartTimer();
    if (f.answerCode == expected) {
        f.BusyWait(600);
        audio.voice.LoadAndPlay("answer-right.wav");
        f.BusyWait(700);
        if (ScreenObject* object = Find(expected))
            ShowOff(*object);
        f.wrongCount = 0;
        f.clickLock = false;
        ++f.turn;
        return;
    }
    f.BusyWait(1000);
    ShowAt(kWrongMark, 241, 140);
    audio.voice.LoadAndPlay("answer-wrong.wav");
    f.BusyWait(500);
    Hide(kWrongMark);
    if (++f.wrongCount >= 2) {
        GoTo(107);
        return;
    }
    audio.voice.LoadAndPlay("sorrytryagain.wav");
    f.BusyWait(2000);
    f.clickLock = false;
}

void Answers() {
    FrameUpdate& f = frameUpdate;
    if (f.turn == f.schoolSetSize) {
        audio.voice.LoadAndPlay("finish-current-set02.wav");
        f.turn = 0;
        if (f.schoolSetSize == kAwardedSet || f.schoolSetSize == kLargestSet) {
            SetMenuClickable(false);
            GoTo(f.schoolSetSize == kAwardedSet ? 119 : 126);
        } else {
            GoTo(13);
        }
        return;
    }
    if (f.clickLock) {
        JudgeClick();
        return;
    }
    if (After(25000)) {
        f.firstInstructions = false;
        f.returnState = 12;
        GoTo(kGuideState);
    }
}

// The set goes object by object; then the next set is one larger (twelve
// becomes one).
void ClearNextObject() {
    FrameUpdate& f = frameUpdate;
    if (f.turn < f.schoolSetSize) {
        const LONG id = f.schoolSet[f.turn];
        Hide(id);
        SetClickable(id, false);
        audio.voice.LoadAndPlay("school-objectsappear.wav");
        f.RenderFrame();
        ++f.turn;
        GoTo(14);
        return;
    }
    f.schoolSetSize = f.schoolSetSize == kLargestSet ? 1 : f.schoolSetSize + 1;
    SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help}, false);
    f.turn = 0;
    GoTo(8);
}

// Help: the objects still to be answered go and come back one by one.
void Help() {
    FrameUpdate& f = frameUpdate;
    switch (f.state) {
    case kHelpState:
        for (LONG i = f.loopIndex; i < f.schoolSetSize; ++i)
            Hide(f.schoolSet[i]);
        GoTo(kHelpState + 1);
        break;
    case kHelpState + 1:
        if (After(1000))
            GoTo(110);
        break;
    case 110:
        if (f.presenting) {
            if (After(2000))
                f.presenting = false;
            break;
        }
        if (f.loopIndex < f.schoolSetSize) {
            const LONG id = f.schoolSet[f.loopIndex];
            Show(id);
            audio.voice.LoadAndPlay("school-objectsappear.wav");
            f.BusyWait(1000);
            if (ScreenObject* object = Find(id))
                audio.voice.LoadAndPlay(object->GetSound());
            RestartTimer();
            f.presenting = true;
            ++f.loopIndex;
            break;
        }
        Hide(kLeftMenuBar.help);
        SetClickable({kLeftMenuBar.help, kLeftMenuBar.guide}, true);
        f.clickLock = false;
        GoTo(f.returnState == 12 ? 200 : f.returnState);
        break;
    default:
        break;
    }
}

void Game() {
    FrameUpdate& f = frameUpdate;
    switch (f.state) {
    case 1:
        f.hoverEnabled = true;
        PointerCursor();
        SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help}, false);
        GoTo(2);
        break;
    case 2:
        if (After(1500))
            GoTo(kIntroductionState);
        break;
    case 8:
        if (After(1000))
            GoTo(9);
        break;
    case 9:
        DrawSet();
        f.presenting = false;
        GoTo(10);
        break;
    case 10:
        Presentation();
        break;
    case 200:
        f.clickLock = false;
        GoTo(12);
        break;
    case 12:
        Answers();
        break;
    case 107:
        if (After(1000))
            GoTo(108);
        break;
    case 108:
        // Two wrong clicks: the game names and shows the object itself.
        if (ScreenObject* object = Find(f.schoolSet[f.turn])) {
            audio.voice.LoadAndPlay(object->GetSound());
            f.BusyWait(1500);
            ShowOff(*object);
        }
        GoTo(109);
        break;
    case 109:
        if (After(1000)) {
            f.wrongCount = 0;
            ++f.turn;
            GoTo(200);
        }
        break;
    case 13:
        if (After(1500))
            GoTo(15);
        break;
    case 14:
        if (After(1000))
            GoTo(15);
        break;
    case 15:
        ClearNextObject();
        break;
    case 119:
        if (After(500))
            GoTo(kContinueState);
        break;
    case 126:
        if (After(500))
            GoTo(kPlayAgainState);
        break;
    case 125:
        if (SlideOffStep(kTeacher)) {
            SetMenuButtonsClickable(kLeftMenuBar, true);
            GoTo(13);
        }
        break;
    default:
        break;
    }
}

} // namespace

void ClassroomUpdate() {
    FrameUpdate& f = frameUpdate;
    const LONG state = f.state;
    if (state >= kIntroductionState && state < kIntroductionState + 7) {
        GuideTalk talk = kIntroduction;
        talk.recording = FirstInstructions();
        RunPhases(talk, kIntroductionState, GuideTalkStep);
    } else if (state >= kGuideState && state < kGuideState + 7) {
        GuideTalk talk = kInstructions;
        talk.recording = f.firstInstructions ? FirstInstructions() : SecondInstructions();
        RunPhases(talk, kGuideState, GuideTalkStep);
    } else if (state >= kQuitState && state < kQuitState + 7) {
        RunPhases(kClassroomQuit, kQuitState, QuitQuestionStep);
    } else if (state == 110 || state == kHelpState || state == kHelpState + 1) {
        Help();
    } else if (state >= kContinueState && state < kPlayAgainState) {
        RunPhases(kContinueAward, kContinueState, BalloonAwardStep);
    } else if (state >= kPlayAgainState && state < kPlayAgainState + 20) {
        RunPhases(kPlayAgainAward, kPlayAgainState, BalloonAwardStep);
    } else {
        Game();
    }
}

void ClassroomClick(ListElem* selected) {
    FrameUpdate& f = frameUpdate;
    const LONG id = selected->object->GetId();
    if (TakeYesNoClick(id))
        return;
    if (IsClassroomObject(id)) {
        if (!f.clickLock) {
            f.clickLock = true;
            f.answerCode = id;
        }
    } else if (id == kLeftMenuBar.balloon) {
        GoToBalloonScreen();
    } else if (id == kLeftMenuBar.exit) {
        SetMenuClickable(false);
        StartQuitQuestion(kLeftMenuBar.exit, kQuitState);
    } else if (id == kLeftMenuBar.home) {
        BackToTheMap();
    } else if (id == kLeftMenuBar.guide) {
        f.firstInstructions = true;
        f.returnState = 12;
        GoTo(kGuideState);
    } else if (id == kLeftMenuBar.help) {
        SetClickable({kLeftMenuBar.help, kLeftMenuBar.guide}, false);
        f.loopIndex = f.turn;
        f.clickLock = true;
        f.returnState = f.state;
        f.presenting = false;
        GoTo(kHelpState);
    }
}
