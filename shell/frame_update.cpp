#include "shell/frame_update.h"

#include "audio/audio_interface.h"
#include "display/display_interface.h"
#include "input/mouse_cursor.h"
#include "input/mouse_input.h"
#include "platform/crt.h"
#include "platform/mmsystem.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "scene/text_overlays.h"
#include "shell/blinker.h"
#include "shell/click_sounds.h"
#include "shell/globals.h"
#include "shell/player_roster.h"
#include "shell/program_random.h"
#include "shell/resource_handler.h"
#include "shell/screen_table.h"
#include "shell/spoken_words.h"

namespace {

constexpr LONG kFirstLayer = 1;
constexpr LONG kLastLayer = 17;

// Map places lit on hover; the two pairs light together.
bool IsHighlightable(LONG id) {
    switch (id) {
    case 3:
    case 4:
    case 5:
    case 7:
    case 8:
    case 9:
    case 10:
    case 12:
    case 14:
    case 15:
    case 16:
    case 18:
    case 19:
        return true;
    default:
        return false;
    }
}

LONG PartnerOf(LONG id) {
    switch (id) {
    case 9:
        return 10;
    case 10:
        return 9;
    case 18:
        return 19;
    case 19:
        return 18;
    default:
        return 0;
    }
}

// Shows or hides an element's object and its partner's, if it has one.
void ShowWithPartner(ListElem* element, bool shown) {
    element->object->SetVisible(shown);
    if (LONG partner = PartnerOf(element->object->GetId())) {
        if (ListElem* other = objectList.FindById(partner))
            other->object->SetVisible(shown);
        objectList.ResetCursor();
    }
}

void UpdateSlot(ListElem* slot, DWORD now) {
    if (slot && slot->object)
        slot->object->Update(now);
}

} // namespace

FrameUpdate::FrameUpdate() = default;

void FrameUpdate::SeedRandom() {
    ProgramSrand(static_cast<uint32_t>(CrtTime()));
}

void FrameUpdate::ForgetObjects() {
    objectSlotA = objectSlotB = objectSlotC = nullptr;
    for (ListElem*& slot : objectSlots)
        slot = nullptr;
    for (ListElem*& balloon : celebrationBalloons)
        balloon = nullptr;
    hoveredObject = nullptr;
    blinker.Forget();
}

void FrameUpdate::DispatchFrame() {
    LONG screen = resourceHandler.GetScreen();
    if (screen == 26) {
        EndSequence();
        return;
    }
    const ScreenHandlers* handlers = HandlersForScreen(screen);
    if (!handlers)
        return;
    if (handlers->hoversMap)
        HoverMapObjects();
    handlers->update();
}

void FrameUpdate::HoverMapObjects() {
    if (!hoverEnabled)
        return;
    Point cursor{mouseCursor.GetX(), mouseCursor.GetY()};
    ListElem* found = nullptr;
    LONG bestLayer = 0;
    for (objectList.First(); objectList.HasCurrent(); objectList.Next()) {
        ListElem* element = objectList.Current();
        if (PlainHitTest(*element->object, cursor) && element->object->GetLayer() > bestLayer) {
            bestLayer = element->object->GetLayer();
            found = element;
        }
    }
    objectList.ResetCursor();
    if (found) {
        if (IsHighlightable(found->object->GetId()) && found != hoveredObject) {
            if (hoveredObject)
                ShowWithPartner(hoveredObject, false);
            ShowWithPartner(found, true);
            hoveredObject = found;
        }
        return;
    }
    if (hoveredObject && !PlainHitTest(*hoveredObject->object, cursor)) {
        ShowWithPartner(hoveredObject, false);
        hoveredObject = nullptr;
    }
}

void FrameUpdate::RouteClick(LONG x, LONG y) {
    if (!hoverEnabled || clickLock)
        return;
    ListElem* selected = nullptr;
    LONG bestLayer = 0;
    for (objectList.First(); objectList.HasCurrent(); objectList.Next()) {
        ListElem* element = objectList.Current();
        LONG code = element->object->HitTest(Point{x, y});
        if (code == 0)
            continue;
        answerCode = code;
        if (element->object->GetLayer() > bestLayer) {
            bestLayer = element->object->GetLayer();
            selected = element;
        }
    }
    objectList.ResetCursor();
    if (!selected)
        return;

    voiceInterrupted = audio.voice.Stop();
    ShowWithPartner(selected, true);
    LONG id = selected->object->GetId();
    if (id == 3029 || id == 3030) {
        if (PromptVariantFlag == 0) {
            selected->object->SetVisible(false);
            PromptVariantFlag = 1;
        } else {
            PromptVariantFlag = 0;
        }
    }
    PlayClickSound(selected);
    if (const ScreenHandlers* handlers = HandlersForScreen(resourceHandler.GetScreen()))
        if (handlers->click)
            handlers->click(selected);
}

void FrameUpdate::PlayClickSound(ListElem* selected) {
    ClickSound sound = ClickSoundFor(selected->object->GetId());
    const char* file = sound.bigPop ? "big-pop.wav" : selected->object->GetSound();
    if (sound.onVoice)
        audio.voice.LoadAndPlay(file);
    else
        audio.effects.LoadAndPlay(file);
    if (sound.busyWaitMs)
        BusyWait(sound.busyWaitMs);
}

void FrameUpdate::BusyWait(DWORD milliseconds) {
    DWORD start = timeGetTime();
    while (timeGetTime() - start < milliseconds) {
        LONG dx = 0, dy = 0;
        bool clickedDuringWait = false; // dropped: a click during a pause is lost
        mouseInput.Read(dx, dy, clickedDuringWait);
        mouseCursor.Move(dx, dy);
        RenderFrame();
        BusyWaitExtraWork(timeGetTime());
    }
}

void FrameUpdate::BusyWaitExtraWork(DWORD now) {
    if (const ScreenHandlers* handlers = HandlersForScreen(resourceHandler.GetScreen()))
        if (handlers->busyWaitWork)
            handlers->busyWaitWork(now);
}

void FrameUpdate::RenderFrame() {
    if (display.IsClearEachFrame())
        display.ClearDrawSurface();
    for (LONG layer = kFirstLayer; layer <= kLastLayer; ++layer) {
        for (objectList.First(); objectList.HasCurrent(); objectList.Next()) {
            ScreenObject* object = objectList.Current()->object;
            if (!object->IsVisible() || object->GetLayer() != layer)
                continue;
            LONG x = object->GetX(), y = object->GetY();
            display.Blit(x, y, x + object->GetWidth(), y + object->GetHeight(),
                         object->GetCurrentSurface(), object->IsTransparent(),
                         object->IsMirrored());
        }
        if (layer == 2 && display.IsHighlightVisible())
            display.FillHighlight();
        if (wordText.IsVisible() && wordText.GetLayer() == layer)
            wordText.Draw();
        if (namePanel.IsVisible() && namePanel.GetLayer() == layer)
            namePanel.Draw();
        if (numberPanel.IsVisible() && numberPanel.GetLayer() == layer)
            numberPanel.Draw();
        if (layer == kLastLayer)
            mouseCursor.Draw();
    }
    display.Present();
}

void FrameUpdate::SkipKey() {
    LONG screen = resourceHandler.GetScreen();
    if (screen == 22) {
        if (state >= 6 && state <= 9) {
            audio.StopAll();
            if (ListElem* element = objectList.FindById(578))
                element->object->SetVisible(false);
            objectList.ResetCursor();
            state = 169;
        } else if ((state >= 12 && state <= 36) || (state >= 38 && state <= 46) ||
                   (state >= 103 && state <= 105) || (state >= 451 && state <= 454)) {
            state = 50;
        }
    } else if (screen == 26 && (state == 2 || state == 3)) {
        stateTimer = 1;
    }
}

void FrameUpdate::RouteKey(WPARAM virtualKey) {
    if (!nameKeysEnabled)
        return;
    if (const ScreenHandlers* handlers = HandlersForScreen(resourceHandler.GetScreen()))
        if (handlers->key)
            handlers->key(virtualKey);
}

void FrameUpdate::RouteSpokenWord(DWORD wordCode) {
    SpokenWordResult result = LookupSpokenWord(resourceHandler.GetScreen(), wordCode);
    if (result.setsAnswer)
        answerCode = result.answer;
    if (result.ready)
        spokenAnswerReady = true;
}

void FrameUpdate::UpdateBalloons() {
    for (ListElem* balloon : celebrationBalloons)
        UpdateSlot(balloon, timeGetTime());
    for (ListElem* balloon : celebrationBalloons)
        if (balloon && balloon->object && balloon->object->GetY() < -80)
            balloon->object->ResetPosition();
}

void FrameUpdate::EndSequence() {
    DWORD now = timeGetTime();
    switch (state) {
    case 1:
        stateTimer = now;
        state = 2;
        break;
    case 2:
        if (now - stateTimer > 8000) {
            if ((objectSlotA = objectList.FindById(5000)))
                objectSlotA->object->SetVisible(false);
            if ((objectSlotA = objectList.FindById(5001)))
                objectSlotA->object->SetVisible(true);
            stateTimer = now;
            state = 3;
        }
        break;
    case 3:
        if (now - stateTimer > 8000) {
            display.ClearDrawSurface();
            playerRoster.Merge(balloonRecord);
            playerRoster.Save();
            PostMessageA(display.GetWindow(), WM_CLOSE, 0, 0);
            state = 4; // saved and closing: never save twice
        }
        break;
    default:
        break;
    }
}
