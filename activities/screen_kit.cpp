#include "activities/screen_kit.h"

#include "audio/audio_interface.h"
#include "input/mouse_cursor.h"
#include "platform/mmsystem.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "shell/frame_update.h"
#include "shell/globals.h"
#include "shell/resource_handler.h"

namespace {

constexpr LONG kYesButton = 704;
constexpr LONG kNoButton = 705;
constexpr LONG kYes = 89; // 'Y'
constexpr LONG kNo = 78;  // 'N'

} // namespace

ScreenObject* Find(LONG id) {
    ListElem* element = objectList.FindById(id);
    objectList.ResetCursor();
    return element ? element->object : nullptr;
}

void Show(LONG id) {
    if (ScreenObject* object = Find(id))
        object->SetVisible(true);
}

void Hide(LONG id) {
    if (ScreenObject* object = Find(id))
        object->SetVisible(false);
}

void Hide(std::initializer_list<LONG> ids) {
    for (LONG id : ids)
        Hide(id);
}

void ShowAt(LONG id, LONG x, LONG y) {
    if (ScreenObject* object = Find(id)) {
        object->SetPosition(x, y);
        object->SetVisible(true);
    }
}

void Place(LONG id, LONG x, LONG y) {
    if (ScreenObject* object = Find(id))
        object->SetPosition(x, y);
}

void SetClickable(LONG id, bool clickable) {
    if (ScreenObject* object = Find(id))
        object->SetClickable(clickable);
}

void SetClickable(std::initializer_list<LONG> ids, bool clickable) {
    for (LONG id : ids)
        SetClickable(id, clickable);
}

void GoTo(LONG state) {
    frameUpdate.state = state;
    RestartTimer();
}

void RestartTimer() {
    frameUpdate.stateTimer = timeGetTime();
}

bool After(DWORD ms) {
    return timeGetTime() - frameUpdate.stateTimer > ms;
}

bool TakeYesNoClick(LONG id) {
    if (id != kYesButton && id != kNoButton)
        return false;
    frameUpdate.answerPending = true;
    frameUpdate.answerCode = id == kYesButton ? kYes : kNo;
    return true;
}

LONG TakeAnswer() {
    if (!frameUpdate.answerPending)
        return 0;
    frameUpdate.answerPending = false;
    return frameUpdate.answerCode;
}

LONG TakeQuestionAnswer(bool answersByClickLock) {
    FrameUpdate& f = frameUpdate;
    if (f.clickLock) {
        f.clickLock = false;
        if (answersByClickLock && (f.answerCode == kYes || f.answerCode == kNo))
            return f.answerCode;
        return 0;
    }
    return answersByClickLock ? 0 : TakeAnswer();
}

void ShowPanel(LONG panel, Point at, LONG layer) {
    ShowAt(panel, at.x, at.y);
    if (layer)
        if (ScreenObject* object = Find(panel))
            object->SetLayer(layer);
}

void PlaceAnswerButtons(Point yes, Point no, LONG layer) {
    Place(kYesButton, yes.x, yes.y);
    Place(kNoButton, no.x, no.y);
    if (layer)
        for (LONG id : {kYesButton, kNoButton})
            if (ScreenObject* object = Find(id))
                object->SetLayer(layer);
    SetClickable({kYesButton, kNoButton}, true);
}

const char* VariantPrompt(const char* plain, const char* v2) {
    return PromptVariantFlag == 1 ? plain : v2;
}

void PointerCursor() {
    mouseCursor.SetMode(1);
}

void BusyCursor() {
    mouseCursor.SetMode(2);
    frameUpdate.RenderFrame();
}

void ChangeScreen(LONG screenId) {
    frameUpdate.objectSlotA = nullptr;
    resourceHandler.SetScreen(screenId);
    resourceHandler.LoadScreen();
    GoTo(1);
}

void StartMusic(const char* file) {
    audio.music.Load(file);
    audio.music.PlayLooped();
}
