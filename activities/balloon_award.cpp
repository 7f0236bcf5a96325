#include "activities/balloon_award.h"

#include "activities/screen_kit.h"
#include "activities/sequence.h"
#include "audio/audio_interface.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "scene/text_overlays.h"
#include "shell/frame_update.h"

namespace {

constexpr LONG kBalloonIds[10] = {186, 188, 189, 190, 191, 192, 193, 194, 701, 702};
constexpr LONG kGoneAbove = -80;
constexpr LONG kFullCount = 9;
constexpr LONG kBalloonScreen = 21;

enum Phase : LONG {
    Begin,
    Arriving,
    Praising,
    GoodJob,
    WonABalloon,
    BalloonsAway,
    Awarded,
    AskAgain,
    Answering,
};
static_assert(Awarded == kBalloonAwarded && AskAgain == kPlayAgainAsked);

void FindBalloons(LONG layer) {
    for (int i = 0; i < 10; ++i) {
        ListElem* balloon = objectList.FindById(kBalloonIds[i]);
        frameUpdate.celebrationBalloons[i] = balloon;
        if (balloon && balloon->object && layer)
            balloon->object->SetLayer(layer);
    }
    objectList.ResetCursor();
}

void ReleaseBalloons() {
    for (ListElem* balloon : frameUpdate.celebrationBalloons) {
        if (!balloon || !balloon->object)
            continue;
        balloon->object->ResetPosition();
        balloon->object->SetVisible(true);
    }
}

// The balloons keep rising, put back below the screen, until the award.
void BalloonsRise() {
    if (!frameUpdate.balloonAlreadyWon)
        frameUpdate.UpdateBalloons();
}

// Rising without coming back; true once every one is above the screen.
bool BalloonsFlyAway() {
    DWORD now = timeGetTime();
    bool allGone = true;
    for (ListElem* balloon : frameUpdate.celebrationBalloons) {
        if (!balloon || !balloon->object)
            continue;
        balloon->object->Update(now);
        if (balloon->object->GetY() > kGoneAbove)
            allGone = false;
    }
    return allGone;
}

void HideBalloons() {
    for (ListElem* balloon : frameUpdate.celebrationBalloons)
        if (balloon && balloon->object)
            balloon->object->SetVisible(false);
}

// The ninth balloon: the surprise on the balloon screen instead of the question.
void GoToSurprise() {
    frameUpdate.hoverEnabled = false;
    BusyCursor();
    audio.StopAll();
    wordText.Hide();
    ChangeScreen(kBalloonScreen);
}

void AskToPlayAgain(const BalloonAward& award) {
    audio.voice.LoadAndPlay(award.question);
    ShowPanel(award.panel, award.panelAt, award.panelLayer);
    PlaceAnswerButtons(award.yes, award.no, award.buttonLayer);
    if (award.questionPopsUp)
        audio.effects.LoadAndPlay("big-pop.wav");
    frameUpdate.BusyWait(300);
}

void PutQuestionAway(const BalloonAward& award) {
    Hide({award.panel, 704, 705});
    SetClickable({704, 705}, false);
}

} // namespace

void ReleaseCelebrationBalloons(LONG layer) {
    FindBalloons(layer);
    ReleaseBalloons();
}

bool CelebrationBalloonsGone() {
    if (!BalloonsFlyAway())
        return false;
    HideBalloons();
    return true;
}

LONG BalloonAwardStep(const BalloonAward& award, LONG phase) {
    FrameUpdate& f = frameUpdate;
    switch (phase) {
    case Begin:
        // Answers clicked before the question was asked must not answer it.
        f.answerPending = false;
        if (award.answersByClickLock)
            f.clickLock = false;
        SetMenuButtonsClickable(*award.bar, false);
        StartSlideOn(*award.guide);
        PlaySlideOnSound(*award.guide);
        f.balloonAlreadyWon = balloonRecord.HasWon(award.activity);
        FindBalloons(award.balloonLayer);
        if (!f.balloonAlreadyWon) {
            ReleaseBalloons();
            audio.effects.LoadAndPlay("cheer.wav");
        }
        return Arriving;
    case Arriving:
        BalloonsRise();
        if (!SlideOnStep(*award.guide))
            return Arriving;
        return Praising;
    case Praising:
        BalloonsRise();
        Blink();
        if (award.pauseBeforePraise && !After(award.pauseBeforePraise))
            return Praising;
        audio.voice.LoadAndPlay("goodjob.wav");
        return GoodJob;
    case GoodJob:
        BalloonsRise();
        Blink();
        if (!MouthTalks(Channel::Voice, award.guide->mouth))
            return GoodJob;
        if (f.balloonAlreadyWon)
            return AskAgain;
        audio.voice.LoadAndPlay("youwonaballoon.wav");
        return WonABalloon;
    case WonABalloon:
        BalloonsRise();
        Blink();
        return MouthTalks(Channel::Voice, award.guide->mouth) ? BalloonsAway : WonABalloon;
    case BalloonsAway:
        Blink();
        if (!BalloonsFlyAway())
            return BalloonsAway;
        HideBalloons();
        return Awarded;
    case Awarded:
        balloonRecord.Award(award.activity);
        playerRoster.Merge(balloonRecord);
        playerRoster.Save();
        if (balloonRecord.Count() == kFullCount) {
            GoToSurprise();
            return kScreenLeft;
        }
        return AskAgain;
    case AskAgain:
        AskToPlayAgain(award);
        return Answering;
    case Answering:
    default: {
        Blink();
        MouthTalks(Channel::Voice, award.guide->mouth);
        LONG answer = TakeQuestionAnswer(award.answersByClickLock);
        if (answer != 89 && answer != 78)
            return Answering;
        PutQuestionAway(award);
        if (answer == 89)
            award.playAgain();
        else
            award.stop();
        return kStateChosen;
    }
    }
}
