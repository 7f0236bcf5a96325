// The days of the week (14): the guide introduces the seven days with a note
// each; then, day by day from Monday, the child clicks the day that comes
// next among six buttons, and a sun rises across the day's row. After Sunday
// the sunrise face gives the balloon and asks to play again.
#include <cstdio>

#include "activities/activity_screens.h"
#include "activities/balloon_award.h"
#include "activities/days_parts.h"
#include "activities/guide.h"
#include "activities/help_and_guide.h"
#include "activities/menu_bar.h"
#include "activities/quit_question.h"
#include "activities/screen_kit.h"
#include "activities/sequence.h"
#include "audio/audio_interface.h"
#include "display/display_interface.h"
#include "platform/trace.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "scene/text_overlays.h"
#include "shell/frame_update.h"
#include "shell/globals.h"
#include "shell/program_random.h"

using namespace days;

namespace {

constexpr LONG kSunday = 6;
constexpr LONG kNoRow = 25; // not yet drawn
constexpr LONG kButtonX = 365;
constexpr LONG kWrongMark = 2000;

constexpr LONG kGuideState = 100;
constexpr LONG kQuitState = 120;
constexpr LONG kHelpState = 130;

// Monday to Sunday.
constexpr LONG kIntroPictures[7] = {537, 541, 542, 540, 536, 538, 539};
constexpr LONG kDayPictures[7] = {543, 561, 562, 560, 535, 551, 552};
constexpr LONG kButtons[7] = {545, 549, 550, 548, 544, 546, 547};
constexpr LONG kSuns[7] = {554, 558, 559, 557, 553, 555, 556};
constexpr const char* kDayWords[7] = {
    "word-monday-sp.wav", "word-tuesday-sp.wav",  "word-wednesday-sp.wav", "word-thursday-sp.wav",
    "word-friday-sp.wav", "word-saturday-sp.wav", "word-sunday-sp.wav"};

LONG Row(LONG day) {
    return 2 + 68 * day;
}

LONG NextDay(LONG day) {
    return (day + 1) % 7;
}

void PlayNote(LONG n) {
    char file[24];
    std::snprintf(file, sizeof file, "days-music%02d.wav", static_cast<int>(n));
    audio.voice.LoadAndPlay(file);
}

// The guide stands beside the week; it has no eyes of its own to blink.
constexpr GuideParts kDaysGuide{
    .body = 505,
    .rest = {204, 175},
    .start = {204, 500},
    .step = {0, -25},
    .mouthStart = {370, 596},
    .eyes = {0, 0},
    .eyesLayer = 0,
    .slidingLayer = 0,
    .restingLayer = 0,
    .eyesId = 0,
};

void SetBarClickable(bool clickable) {
    SetClickable({kLeftMenuBar.exit, kLeftMenuBar.guide, kLeftMenuBar.help}, clickable);
}

void GuideComes() {
    SetBarClickable(false);
    Show(kLeftMenuBar.guide);
}

// A question waiting for its answer is asked again from the start of the wait.
void ResumeAfterGuide() {
    FrameUpdate& f = frameUpdate;
    SetClickable(kLeftMenuBar.exit, true);
    Hide(kLeftMenuBar.guide);
    if (f.returnState == 11 || f.returnState == 600) {
        SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help}, true);
        f.returnState = 600;
    }
}

const GuideTalk kLearnDays{
    .guide = &kDaysGuide,
    .pauseBefore = 500,
    .recording = "learndays.wav",
    .channel = Channel::Voice,
    .pauseAfter = 1000,
    .prepare = GuideComes,
    .finish = ResumeAfterGuide,
};

void RunGuideTalk() {
    GuideTalk talk = kLearnDays;
    if (frameUpdate.returnState != 2)
        talk.recording = VariantPrompt("mic-whichdaynext.wav", "mic-whichdaynext-v2.wav");
    RunPhases(talk, kGuideState, GuideTalkStep);
}

void PrepareQuit() {
    SetBarClickable(false);
}

void QuitRefused() {
    Hide(kLeftMenuBar.exit);
    SetClickable(kLeftMenuBar.exit, true);
    if (frameUpdate.returnState == 11) {
        SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help}, true);
        frameUpdate.returnState = 600;
    }
}

const QuitQuestion kDaysQuit{
    .guide = &kDaysGuide,
    .pauseAfterArrival = 500,
    .panel = {96, 107},
    .yes = {142, 212},
    .no = {212, 212},
    .voice = Channel::Voice,
    .popsUp = true,
    .pauseOnYes = 400,
    .stopAllOnYes = false,
    .prepare = PrepareQuit,
    .refused = QuitRefused,
};

// Six different numbers 0 to 5, each drawn again while it repeats one taken.
void DrawPermutation(LONG (&order)[6]) {
    for (LONG& entry : order)
        entry = kNoRow;
    for (LONG& entry : order) {
        LONG r;
        do
            r = ProgramRandomIndex(6);
        while (Holds(order, r));
        entry = r;
    }
}

// Introduction (and help): each day's picture comes with its note, then its
// word; then the pictures go again, note by note.
bool IntroductionStep(LONG showState, LONG sayState, LONG clearState, LONG& picture,
                      DWORD beforePicture) {
    FrameUpdate& f = frameUpdate;
    if (f.state == showState) {
        if (!After(beforePicture))
            return false;
        if (picture == 8) {
            picture = 1;
            GoTo(clearState);
            return false;
        }
        Show(kIntroPictures[picture - 1]);
        PlayNote(picture);
        GoTo(sayState);
    } else if (f.state == sayState) {
        if (!After(1300))
            return false;
        if (ScreenObject* shown = Find(kIntroPictures[picture - 1]))
            audio.voice.LoadAndPlay(shown->GetSound());
        ++picture;
        GoTo(showState);
    } else if (f.state == clearState) {
        if (audio.voice.IsPlaying())
            return false;
        if (picture == 8)
            return true;
        Hide(kIntroPictures[picture - 1]);
        PlayNote(picture);
        ++picture;
    }
    return false;
}

void Introduction() {
    FrameUpdate& f = frameUpdate;
    switch (f.state) {
    case 1:
        // No backdrop: the page is cleared before each frame is drawn.
        display.SetClearEachFrame(true);
        f.hoverEnabled = true;
        PointerCursor();
        SetClickable({kLeftMenuBar.help, kLeftMenuBar.guide}, false);
        f.returnState = 2;
        GoTo(kGuideState);
        break;
    case 2:
        f.dayIndex = 1;
        GoTo(3);
        break;
    default:
        if (IntroductionStep(3, 4, 5, f.dayIndex, 1400)) {
            f.dayIndex = 0;
            GoTo(6);
        }
        break;
    }
}

void DealButtons() {
    FrameUpdate& f = frameUpdate;
    const LONG d = f.dayIndex;
    for (LONG i = 0; i < 7; ++i)
        f.dayButtons[i] = kButtons[i];
    if (d != kSunday)
        f.dayButtons[d] = kButtons[kSunday];
}

// The next button into the next of the six rows other than the day's own.
void ShowNextButton() {
    FrameUpdate& f = frameUpdate;
    const LONG d = f.dayIndex;
    LONG row = f.rowOrder[f.loopIndex];
    LONG y = row == d && d != kSunday ? Row(kSunday) : Row(row);
    LONG button = f.dayButtons[f.buttonOrder[f.loopIndex]];
    ShowAt(button, kButtonX, y);
    PlayNote(f.loopIndex + 2);
    ++f.loopIndex;
}

// The row of each day's button, Monday to Sunday ("-" for the one not
// shown): a headless run tells from it where the next day's button stands.
void TraceButtons() {
    char rows[7][12];
    for (LONG day = 0; day < 7; ++day) {
        rows[day][0] = '-';
        rows[day][1] = 0;
        if (ScreenObject* button = Find(kButtons[day]); button && button->IsVisible())
            std::snprintf(rows[day], sizeof rows[day], "%d", (button->GetY() - 2) / 68);
    }
    TraceNote("day %d buttons %s %s %s %s %s %s %s", frameUpdate.dayIndex, rows[0], rows[1],
              rows[2], rows[3], rows[4], rows[5], rows[6]);
}

void SetAnswersClickable(bool clickable) {
    for (LONG i = 0; i < 6; ++i)
        SetClickable(frameUpdate.dayButtons[i], clickable);
}

void Judge() {
    FrameUpdate& f = frameUpdate;
    f.clickLock = false;
    if (f.answerCode == NextDay(f.dayIndex)) {
        audio.voice.LoadAndPlay(kDayWords[NextDay(f.dayIndex)]);
        f.BusyWait(1400);
        audio.voice.LoadAndPlay("answer-right.wav");
        f.BusyWait(300);
        f.stepCount = 0;
        GoTo(12);
        return;
    }
    ShowAt(kWrongMark, 241, 140);
    audio.voice.LoadAndPlay("answer-wrong.wav");
    f.BusyWait(400);
    Hide(kWrongMark);
    if (++f.stepCount < 2) {
        audio.voice.LoadAndPlay("sorrytryagain.wav");
        f.BusyWait(400);
        GoTo(600);
        return;
    }
    f.stepCount = 0;
    GoTo(110);
}

LONG RightButton() {
    const LONG d = frameUpdate.dayIndex;
    return frameUpdate.dayButtons[d == kSunday ? 0 : d + 1];
}

// The five wrong buttons vanish one after another, each with a rising note.
void VanishStep() {
    FrameUpdate& f = frameUpdate;
    const LONG d = f.dayIndex;
    const LONG i = f.loopIndex;
    const bool right = d == kSunday ? (i == 6 || i == 0) : (i == d || i == d + 1);
    if (!right) {
        Hide(f.dayButtons[i]);
        PlayNote(f.stepCount + 2);
        ++f.stepCount;
    }
    ++f.loopIndex;
    RestartTimer();
}

void SlideToJoin() {
    FrameUpdate& f = frameUpdate;
    ScreenObject* button = Find(RightButton());
    if (!button)
        return;
    const LONG dy = button->GetY() > Row(f.dayIndex) ? -4 : 4;
    button->SetVelocity(0, dy);
    button->SetMoveDelay(15);
    audio.voice.LoadAndPlay("slide2join-start.wav");
}

void DayTurn() {
    FrameUpdate& f = frameUpdate;
    const LONG d = f.dayIndex;
    switch (f.state) {
    case 6:
        DealButtons();
        GoTo(7);
        break;
    case 7:
        DrawPermutation(f.rowOrder);
        DrawPermutation(f.buttonOrder);
        f.loopIndex = 0;
        GoTo(8);
        break;
    case 8:
        if (f.loopIndex >= 6) {
            TraceButtons();
            GoTo(9);
        } else if (After(500)) {
            ShowNextButton();
            RestartTimer();
        }
        break;
    case 9:
        if (After(600)) {
            Show(kDayPictures[d]);
            PlayNote(1);
            GoTo(500);
        }
        break;
    case 500:
        if (After(700)) {
            audio.voice.LoadAndPlay(kDayWords[d]);
            GoTo(10);
        }
        break;
    case 10:
        if (!After(1500))
            break;
        f.stepCount = 0;
        if (d == 0) {
            f.returnState = 600;
            GoTo(kGuideState);
        } else {
            GoTo(600);
        }
        break;
    case 600:
        SetAnswersClickable(true);
        SetBarClickable(true);
        f.clickLock = false;
        GoTo(11);
        break;
    case 11:
        if (f.clickLock)
            Judge();
        if (f.state == 11 && After(15000)) {
            f.returnState = 11;
            GoTo(kGuideState);
        }
        break;
    case 110:
        if (After(500))
            GoTo(111);
        break;
    case 111:
        if (After(800))
            GoTo(112);
        break;
    case 112:
        audio.voice.LoadAndPlay(kDayWords[NextDay(d)]);
        f.BusyWait(500);
        GoTo(12);
        break;
    default:
        break;
    }
}

void DayDone() {
    FrameUpdate& f = frameUpdate;
    const LONG d = f.dayIndex;
    switch (f.state) {
    case 12:
        for (LONG button : f.dayButtons)
            SetClickable(button, false);
        SetBarClickable(false);
        f.loopIndex = 0;
        f.stepCount = 0;
        GoTo(527);
        break;
    case 527:
        if (After(500))
            GoTo(13);
        break;
    case 13:
        if (audio.voice.IsPlaying())
            break;
        if (f.loopIndex < 7)
            VanishStep();
        else
            GoTo(14);
        break;
    case 14:
        if (After(500)) {
            SlideToJoin();
            GoTo(15);
        }
        break;
    case 15:
        if (ScreenObject* button = Find(RightButton())) {
            button->Update(timeGetTime());
            if (button->GetY() == Row(d)) {
                button->SetMoveDelay(0);
                audio.voice.LoadAndPlay("slide2join-end.wav");
                GoTo(16);
            }
        }
        break;
    case 16:
        if (After(1500)) {
            Hide({RightButton(), kDayPictures[d]});
            Show(kSuns[d]);
            audio.voice.LoadAndPlay("words-disappear.wav");
            GoTo(17);
        }
        break;
    case 17:
        if (After(1500)) {
            audio.voice.LoadAndPlay("acrosshorizon.wav");
            f.stepCount = 1;
            GoTo(18);
        }
        break;
    case 18:
        if (Animated(kSuns[d], 11))
            GoTo(19);
        break;
    case 19:
        if (!After(2000))
            break;
        if (ScreenObject* sun = Find(kSuns[d])) {
            sun->SetVisible(false);
            sun->NextFrame();
        }
        if (d < kSunday) {
            SetClickable(kLeftMenuBar.exit, true);
            ++f.dayIndex;
            GoTo(6);
        } else {
            Hide(kLeftMenuBar.bar);
            GoTo(20);
        }
        break;
    default:
        break;
    }
}

// Help: the buttons and the day go, the introduction plays again, and the
// day's turn starts anew.
void Help() {
    FrameUpdate& f = frameUpdate;
    switch (f.state) {
    case kHelpState:
        SetBarClickable(false);
        for (LONG button : f.dayButtons)
            Hide(button);
        Hide(kDayPictures[f.dayIndex]);
        f.stepCount = 1;
        GoTo(kHelpState + 2);
        break;
    default:
        if (IntroductionStep(kHelpState + 2, kHelpState + 3, kHelpState + 4, f.stepCount, 1400)) {
            SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help}, false);
            Hide(kLeftMenuBar.help);
            GoTo(6);
        }
        break;
    }
}

} // namespace

namespace days {

void BackToTheMap() {
    FrameUpdate& f = frameUpdate;
    f.hoverEnabled = false;
    BusyCursor();
    display.SetClearEachFrame(false);
    GoHome(kRightMap, "roundthemountain.wav");
}

// A sun object's frame changes are counted in stepCount until it has shown them all.
bool Animated(LONG id, LONG frames) {
    FrameUpdate& f = frameUpdate;
    if (ScreenObject* object = Find(id); object && object->Update(timeGetTime()))
        ++f.stepCount;
    return f.stepCount >= frames;
}

} // namespace days

void DaysUpdate() {
    const LONG state = frameUpdate.state;
    if (state < 6)
        Introduction();
    else if (state < 12 || state == 500 || state == 600 || (state >= 110 && state < 113))
        DayTurn();
    else if (state < 20 || state == 527)
        DayDone();
    else if (state < kGuideState)
        EndOfTheWeek();
    else if (state < kQuitState)
        RunGuideTalk();
    else if (state < kHelpState)
        RunPhases(kDaysQuit, kQuitState, QuitQuestionStep);
    else if (state < kHelpState + 10)
        Help();
    else if (state >= kAwardState && state < 400)
        AwardAndQuestion();
}

void DaysClick(ListElem* selected) {
    FrameUpdate& f = frameUpdate;
    const LONG id = selected->object->GetId();
    if (TakeYesNoClick(id))
        return;
    for (LONG day = 0; day < 7; ++day)
        if (id == kButtons[day]) {
            f.clickLock = true;
            f.answerCode = day;
            return;
        }
    if (id == kLeftMenuBar.help) {
        SetBarClickable(false);
        GoTo(kHelpState);
    } else if (id == kLeftMenuBar.guide) {
        SetBarClickable(false);
        f.returnState = f.state;
        GoTo(kGuideState);
    } else if (id == kLeftMenuBar.exit) {
        SetBarClickable(false);
        StartQuitQuestion(kLeftMenuBar.exit, kQuitState);
    } else if (id == kLeftMenuBar.balloon) {
        GoToBalloonScreen();
    } else if (id == kLeftMenuBar.home) {
        BackToTheMap();
    }
}
