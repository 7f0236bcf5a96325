#include "activities/quit_question.h"

#include "activities/screen_kit.h"
#include "activities/sequence.h"
#include "audio/audio_interface.h"
#include "shell/frame_update.h"

namespace {

constexpr LONG kQuitPanel = 706;
constexpr LONG kYesButton = 704;
constexpr LONG kNoButton = 705;
constexpr LONG kEndScreen = 26;

enum Phase : LONG { Begin, Arriving, Asking, Talking, Answering, Leaving, Refused };

void ShowQuestion(const QuitQuestion& question) {
    ShowPanel(kQuitPanel, question.panel, question.panelLayer);
    PlaceAnswerButtons(question.yes, question.no, question.buttonLayer);
    if (question.popsUp)
        audio.effects.LoadAndPlay("big-pop.wav");
    PlayOn(question.voice, "sureuwant2quit.wav");
}

void HideQuestion() {
    Hide({kQuitPanel, kYesButton, kNoButton});
    SetClickable({kYesButton, kNoButton}, false);
}

} // namespace

void StartQuitQuestion(LONG exitButton, LONG quitState) {
    SetClickable(exitButton, false);
    frameUpdate.returnState = frameUpdate.state;
    GoTo(quitState);
}

LONG QuitQuestionStep(const QuitQuestion& question, LONG phase) {
    switch (phase) {
    case Begin:
        // An answer clicked before the question was asked must not answer it.
        frameUpdate.answerPending = false;
        if (question.answersByClickLock)
            frameUpdate.clickLock = false;
        question.prepare();
        if (!question.guide)
            return Asking;
        StartSlideOn(*question.guide);
        PlaySlideOnSound(*question.guide);
        return Arriving;
    case Arriving:
        return SlideOnStep(*question.guide) ? Asking : Arriving;
    case Asking:
        if (question.guide && !After(question.pauseAfterArrival)) {
            Blink();
            return Asking;
        }
        ShowQuestion(question);
        return Talking;
    case Talking:
        Blink();
        return MouthTalks(question.voice, MouthOf(question.guide)) ? Answering : Talking;
    case Answering: {
        Blink();
        LONG answer = TakeQuestionAnswer(question.answersByClickLock);
        if (answer == 89) {
            frameUpdate.BusyWait(question.pauseOnYes);
            if (question.leaving)
                question.leaving();
            if (question.stopAllOnYes)
                audio.StopAll();
            ChangeScreen(kEndScreen);
            return kScreenLeft;
        }
        if (answer != 78)
            return Answering;
        HideQuestion();
        if (!question.guide)
            return Refused;
        StartSlideOff(*question.guide);
        return Leaving;
    }
    case Leaving:
        return SlideOffStep(*question.guide) ? Refused : Leaving;
    case Refused:
    default:
        question.refused();
        return kSequenceOver;
    }
}
