// The circus (2): a cart rolls in with nine animals on a stand; for each, in
// a random order, the game plays its noise and the child clicks the animal
// that makes it. After the ninth an act plays, the clown gives the balloon
// and asks to play again, and the cart rolls out.
#include "activities/activity_screens.h"
#include "activities/balloon_award.h"
#include "activities/circus_show.h"
#include "activities/guide.h"
#include "activities/help_and_guide.h"
#include "activities/menu_bar.h"
#include "activities/quit_question.h"
#include "activities/screen_kit.h"
#include "activities/sequence.h"
#include "audio/audio_interface.h"
#include "platform/mmsystem.h"
#include "platform/trace.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "scene/text_overlays.h"
#include "shell/frame_update.h"
#include "shell/globals.h"
#include "shell/program_random.h"

namespace circus {

namespace {

constexpr LONG kCentreMap = 1;
constexpr LONG kFirstBlue = 51;
constexpr LONG kBlueAnimals = 13;
constexpr LONG kFirstWhite = 67;
constexpr LONG kWhiteAnimals = 11;
constexpr LONG kCart = 64;
constexpr LONG kWheels = 65;
constexpr LONG kCircusPicture = 66;
constexpr LONG kWrongMark = 2000;
constexpr LONG kRollDistance = 596; // from the start places to the stand
constexpr LONG kRolledIn = 128;     // the wheels' x once the cart stands
constexpr LONG kRolledOut = 700;
constexpr LONG kRollStep = 4;
constexpr LONG kRollingGroup = 2;

constexpr LONG kInstructionsState = 100;
constexpr LONG kQuitState = 108;
constexpr LONG kHelpState = 115;
constexpr LONG kGuideState = 1000;
constexpr LONG kReminderState = 2000;

struct StandPlace {
    Point at; // once the cart has rolled in
    LONG bubble;
    Point bubbleAt;
    LONG bubbleLayer;
};

// clang-format off
constexpr StandPlace kPlaces[kAnimalsPerGame + 1] = {
    {},
    {{131,  75}, 79, {249,   9}, 7},
    {{131, 277}, 79, {249, 211}, 7},
    {{280, 176}, 78, {210, 110}, 8},
    {{429,  75}, 78, {353,   9}, 7},
    {{429, 277}, 78, {353, 211}, 7},
    {{131, 176}, 79, {249, 110}, 7},
    {{280,  75}, 78, {210,   9}, 7},
    {{280, 277}, 78, {210, 211}, 7},
    {{429, 176}, 78, {353, 110}, 7},
};
// clang-format on

void SetMenuButtons(bool clickable) {
    SetClickable({kLeftMenuBar.exit, kLeftMenuBar.guide, kLeftMenuBar.help}, clickable);
}

// Places 1 to 5 take blue animals, 6 to 9 white ones, none twice.
void DrawStand() {
    FrameUpdate& f = frameUpdate;
    for (LONG& animal : f.slotAnimal)
        animal = 0;
    for (LONG place = 1; place <= kAnimalsPerGame; ++place) {
        const bool blue = place <= 5;
        LONG animal;
        do
            animal = blue ? kFirstBlue + ProgramRandomIndex(kBlueAnimals)
                          : kFirstWhite + ProgramRandomIndex(kWhiteAnimals);
        while (Holds(f.slotAnimal, animal));
        f.slotAnimal[place] = animal;
    }
    for (LONG& place : f.askOrder)
        place = 0;
    for (LONG i = 1; i <= kAnimalsPerGame; ++i) {
        LONG place;
        do
            place = 1 + ProgramRandomIndex(kAnimalsPerGame);
        while (Holds(f.askOrder, place));
        f.askOrder[i] = place;
    }
    // The stand, places 1 to 9, the places in the order they are asked and the
    // act on the stage: a headless run tells from it which animal makes the
    // noise it hears.
    TraceNote("stand %d %d %d %d %d %d %d %d %d asks %d %d %d %d %d %d %d %d %d act %d",
              f.slotAnimal[1], f.slotAnimal[2], f.slotAnimal[3], f.slotAnimal[4], f.slotAnimal[5],
              f.slotAnimal[6], f.slotAnimal[7], f.slotAnimal[8], f.slotAnimal[9], f.askOrder[1],
              f.askOrder[2], f.askOrder[3], f.askOrder[4], f.askOrder[5], f.askOrder[6],
              f.askOrder[7], f.askOrder[8], f.askOrder[9], f.actNumber);
}

// The cart and everything on it back at the left, off the screen.
void LoadTheCart() {
    FrameUpdate& f = frameUpdate;
    for (LONG id : {kCart, kWheels, kCircusPicture})
        if (ScreenObject* object = Find(id))
            object->ResetPosition();
    for (LONG place = 1; place <= kAnimalsPerGame; ++place)
        ShowAt(f.slotAnimal[place], kPlaces[place].at.x - kRollDistance, kPlaces[place].at.y);
}

void Roll(ScreenObject* object) {
    if (object)
        object->SetPosition(object->GetX() + kRollStep, object->GetY());
}

LONG WheelsX() {
    ScreenObject* wheels = Find(kWheels);
    return wheels ? wheels->GetX() : kRolledOut;
}

void RollIn() {
    FrameUpdate& f = frameUpdate;
    if (!After(50))
        return;
    RestartTimer();
    for (LONG place = 1; place <= kAnimalsPerGame; ++place)
        Roll(Find(f.slotAnimal[place]));
    Roll(Find(kCart));
    if (ScreenObject* wheels = Find(kWheels)) {
        wheels->Update(timeGetTime());
        Roll(wheels);
    }
    if (WheelsX() >= kRolledIn)
        GoTo(4);
}

// Everything shown that belongs to the show leaves with the cart.
void RollOut() {
    if (!After(50))
        return;
    RestartTimer();
    for (objectList.First(); objectList.HasCurrent(); objectList.Next()) {
        ScreenObject* object = objectList.Current()->object;
        if (object->IsVisible() && object->GetGroup() == kRollingGroup) {
            if (object->GetId() == kWheels)
                object->Update(timeGetTime());
            Roll(object);
        }
    }
    objectList.ResetCursor();
}

LONG AskedAnimal() {
    const FrameUpdate& f = frameUpdate;
    return f.slotAnimal[f.askOrder[f.questionIndex + 1]];
}

void AskNoise() {
    FrameUpdate& f = frameUpdate;
    f.clickLock = false;
    f.BusyWait(500);
    if (ScreenObject* animal = Find(AskedAnimal()))
        audio.voice.LoadAndPlay(animal->GetSecondSound());
}

// The bubble of a stand place with its animal's Spanish name.
void ShowName(LONG place) {
    const StandPlace& stand = kPlaces[place];
    ScreenObject* animal = Find(frameUpdate.slotAnimal[place]);
    ShowAt(stand.bubble, stand.bubbleAt.x, stand.bubbleAt.y);
    if (ScreenObject* bubble = Find(stand.bubble))
        bubble->SetLayer(stand.bubbleLayer);
    wordText.SetText(animal ? animal->GetClassName() : "", stand.bubbleAt.x, stand.bubbleAt.y,
                     stand.bubbleLayer, 100, stand.bubble == 78 ? 1 : 2);
    audio.voice.LoadAndPlay("wordbubbles-popup.wav");
}

void HideNames() {
    Hide({78, 79});
    wordText.Hide();
}

LONG PlaceOf(LONG animal) {
    for (LONG place = 1; place <= kAnimalsPerGame; ++place)
        if (frameUpdate.slotAnimal[place] == animal)
            return place;
    return 0;
}

void RightAnimal() {
    FrameUpdate& f = frameUpdate;
    const LONG animal = AskedAnimal();
    ShowName(PlaceOf(animal));
    f.BusyWait(2000);
    HideNames();
    Hide(animal);
    SetClickable(animal, false);
    audio.voice.LoadAndPlay("answer-right.wav");
    f.BusyWait(1000);
    f.wrongTries = 0;
    if (++f.questionIndex < kAnimalsPerGame) {
        GoTo(300);
        return;
    }
    SetClickable(kLeftMenuBar.guide, false);
    audio.voice.Load("drumroll-loop.wav");
    audio.voice.PlayLooped();
    GoTo(ActState(f.actNumber));
}

void WrongAnimal() {
    FrameUpdate& f = frameUpdate;
    Show(kWrongMark);
    audio.voice.LoadAndPlay("answer-wrong.wav");
    f.BusyWait(300);
    Hide(kWrongMark);
    f.BusyWait(1000);
    if (++f.wrongTries < 2) {
        GoTo(300);
        return;
    }
    // The second wrong try: the word is said, and the question counts as answered.
    f.answerCode = AskedAnimal();
    if (ScreenObject* animal = Find(f.answerCode))
        audio.voice.LoadAndPlay(animal->GetSound());
    f.BusyWait(1800);
    f.clickLock = true;
}

void Question() {
    FrameUpdate& f = frameUpdate;
    if (f.clickLock) {
        f.clickLock = false;
        if (f.answerCode == AskedAnimal())
            RightAnimal();
        else
            WrongAnimal();
    } else if (After(20000)) {
        f.returnState = 300;
        GoTo(kReminderState);
    }
}

void Game() {
    FrameUpdate& f = frameUpdate;
    switch (f.state) {
    case 1:
        f.hoverEnabled = true;
        PointerCursor();
        Place(kWrongMark, 241, 140);
        SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help}, false);
        f.actNumber = 1 + ProgramRandomIndex(3);
        GoTo(2);
        break;
    case 2:
        DrawStand();
        LoadTheCart();
        audio.music.LoadAndPlay("gladiator.wav");
        GoTo(3);
        break;
    case 3:
        RollIn();
        break;
    case 4:
        PrepareAct(f.actNumber);
        GoTo(5);
        break;
    case 5:
        if (After(2000)) {
            f.returnState = 8;
            GoTo(kInstructionsState);
        }
        break;
    case 8:
        SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help}, true);
        if (PromptVariantFlag == 0)
            SetStandClickable(true);
        f.questionIndex = 0;
        GoTo(300);
        break;
    case 300:
        AskNoise();
        GoTo(9);
        break;
    case 9:
        Question();
        break;
    case 29:
        if (SlideOffStep(kClown)) {
            audio.music.LoadAndPlay("gladiator.wav");
            GoTo(30);
        }
        break;
    case 30:
        RollOut();
        if (WheelsX() >= kRolledOut && !audio.music.IsPlaying())
            GoTo(31);
        break;
    case 31:
        if (After(1000)) {
            // The award took the whole bar; the new game gives back all but
            // guide and help, which come with the first question.
            SetMenuButtonsClickable(kLeftMenuBar, true);
            SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help}, false);
            f.actNumber = f.actNumber % 3 + 1;
            GoTo(2);
        }
        break;
    default:
        break;
    }
}

// Help: each animal still on the stand says its name and makes its noise.
void Help() {
    FrameUpdate& f = frameUpdate;
    switch (f.state) {
    case kHelpState:
        if (!After(100))
            break;
        SetMenuButtons(false);
        Show(kLeftMenuBar.help);
        f.stepCounter = 1;
        GoTo(kHelpState + 1);
        break;
    case kHelpState + 1: {
        while (f.stepCounter <= kAnimalsPerGame) {
            ScreenObject* animal = Find(f.slotAnimal[f.stepCounter]);
            if (animal && animal->IsVisible())
                break;
            ++f.stepCounter;
        }
        if (f.stepCounter > kAnimalsPerGame) {
            SetMenuButtons(true);
            Hide(kLeftMenuBar.help);
            GoTo(f.returnState == 9 ? 300 : f.returnState);
            break;
        }
        ShowName(f.stepCounter);
        GoTo(kHelpState + 2);
        break;
    }
    case kHelpState + 2:
        if (After(500)) {
            if (ScreenObject* animal = Find(f.slotAnimal[f.stepCounter]))
                audio.voice.LoadAndPlay(animal->GetSound());
            f.BusyWait(700);
            GoTo(kHelpState + 3);
        }
        break;
    case kHelpState + 3:
        if (After(500)) {
            if (ScreenObject* animal = Find(f.slotAnimal[f.stepCounter]))
                audio.voice.LoadAndPlay(animal->GetSecondSound());
            GoTo(kHelpState + 4);
        }
        break;
    case kHelpState + 4:
        if (After(2500)) {
            HideNames();
            ++f.stepCounter;
            GoTo(kHelpState + 1);
        }
        break;
    default:
        break;
    }
}

void ClownComes() {
    Show(kLeftMenuBar.guide);
    SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help, kLeftMenuBar.exit}, false);
}

// The game goes on: the bar answers again, and an asked question is asked anew.
void ClownGone() {
    FrameUpdate& f = frameUpdate;
    if (f.returnState == 8) {
        SetMenuButtons(true);
        Show(kLeftMenuBar.help);
    } else {
        SetMenuButtons(true);
        f.returnState = 300;
    }
    Hide(kLeftMenuBar.guide);
}

const GuideTalk kInstructions{
    .guide = &kClown,
    .pauseBefore = 1000,
    .recording = nullptr, // chosen by the variant flag as the talk runs
    .channel = Channel::Voice,
    .pauseAfter = 1000,
    .prepare = ClownComes,
    .finish = ClownGone,
};

void RunTalk(LONG base, const char* plain, const char* v2) {
    GuideTalk talk = kInstructions;
    talk.recording = VariantPrompt(plain, v2);
    RunPhases(talk, base, GuideTalkStep);
}

void PrepareQuit() {
    FrameUpdate& f = frameUpdate;
    f.musicWasPlaying = audio.music.IsPlaying();
    audio.music.Stop();
    SetMenuButtons(false);
    Show(kLeftMenuBar.exit);
}

void QuitRefused() {
    FrameUpdate& f = frameUpdate;
    if (f.returnState != 8)
        SetClickable({kLeftMenuBar.guide, kLeftMenuBar.help}, true);
    if (f.musicWasPlaying)
        audio.music.Replay();
    Hide(kLeftMenuBar.exit);
    SetClickable(kLeftMenuBar.exit, true);
    if (f.returnState == 9)
        f.returnState = 300;
}

void LeaveTheShow() {
    wordText.Hide();
}

const QuitQuestion kCircusQuit{
    .guide = &kClown,
    .pauseAfterArrival = 1300,
    .panel = {253, 81},
    .yes = {311, 186},
    .no = {381, 186},
    .voice = Channel::Voice,
    .popsUp = true,
    .pauseOnYes = 300,
    .stopAllOnYes = true,
    .prepare = PrepareQuit,
    .refused = QuitRefused,
    .leaving = LeaveTheShow,
};

void PlayAgain() {
    StartSlideOff(kClown);
    GoTo(29);
}

void BackToTheMap() {
    FrameUpdate& f = frameUpdate;
    f.hoverEnabled = false;
    BusyCursor();
    GoHome(kCentreMap, "roundthemountain.wav");
}

const BalloonAward kCircusAward{
    .guide = &kClown,
    .activity = BalloonActivity::CircusAnimals,
    .bar = &kLeftMenuBar,
    .balloonLayer = 0,
    .panel = 707,
    .panelAt = {253, 81},
    .panelLayer = 0,
    .yes = {311, 186},
    .no = {381, 186},
    .buttonLayer = 0,
    .answersByClickLock = false,
    .playAgain = PlayAgain,
    .stop = BackToTheMap,
};

} // namespace

const GuideParts kClown{
    .body = 498,
    .rest = {37, 150},
    .start = {37, 500},
    .step = {0, -50},
    .mouthStart = {172, 615},
    .eyes = {159, 228},
    .eyesLayer = 10,
    .slidingLayer = 0,
    .restingLayer = 0,
    .eyesId = 499,
};

bool IsAnimal(LONG id) {
    return (id >= kFirstBlue && id < kFirstBlue + kBlueAnimals) ||
           (id >= kFirstWhite && id < kFirstWhite + kWhiteAnimals);
}

void SetStandClickable(bool clickable) {
    for (LONG place = 1; place <= kAnimalsPerGame; ++place)
        SetClickable(frameUpdate.slotAnimal[place], clickable);
}

} // namespace circus

using namespace circus;

void CircusUpdate() {
    const LONG state = frameUpdate.state;
    if (state >= kInstructionsState && state < kInstructionsState + 7)
        RunTalk(kInstructionsState, "whichnoise-mic.wav", "whichnoise-mic-v2.wav");
    else if (state >= kGuideState && state < kGuideState + 7)
        RunTalk(kGuideState, "whichnoise-mic.wav", "whichnoise-mic-v2.wav");
    else if (state >= kReminderState && state < kReminderState + 7)
        RunTalk(kReminderState, "whichnoise.wav", "whichnoise-v2.wav");
    else if (state >= kQuitState && state < kQuitState + 7)
        RunPhases(kCircusQuit, kQuitState, QuitQuestionStep);
    else if (state >= kHelpState && state < kHelpState + 5)
        Help();
    else if (state >= kAwardState && state < kAwardState + 20)
        RunPhases(kCircusAward, kAwardState, BalloonAwardStep);
    else if (!PlayAct())
        Game();
}

void CircusClick(ListElem* selected) {
    FrameUpdate& f = frameUpdate;
    const LONG id = selected->object->GetId();
    if (TakeYesNoClick(id))
        return;
    if (IsAnimal(id)) {
        f.clickLock = true;
        f.answerCode = id;
    } else if (id == kLeftMenuBar.balloon) {
        GoToBalloonScreen();
    } else if (id == kLeftMenuBar.home) {
        BackToTheMap();
    } else if (id == kLeftMenuBar.exit) {
        StartQuitQuestion(kLeftMenuBar.exit, kQuitState);
    } else if (id == kLeftMenuBar.guide) {
        SetClickable(kLeftMenuBar.guide, false);
        f.returnState = 300;
        GoTo(kGuideState);
    } else if (id == kLeftMenuBar.help) {
        SetClickable(kLeftMenuBar.help, false);
        f.returnState = f.state;
        GoTo(kHelpState);
    }
}
