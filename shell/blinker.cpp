#include "shell/blinker.h"

#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "shell/program_random.h"

void Blinker::Start(ListElem* eyesObject, DWORD now) {
    eyes = eyesObject;
    stored = now;
    interval = 501 + static_cast<DWORD>(static_cast<int64_t>(ProgramRand()) * 500 / 32768);
}

void Blinker::Update(DWORD now) {
    if (!eyes || !eyes->object || now - stored <= interval)
        return;
    if (eyes->object->IsVisible()) {
        eyes->object->SetVisible(false);
        interval = 1401 + static_cast<DWORD>(static_cast<int64_t>(ProgramRand()) * 1000 / 32768);
    } else {
        eyes->object->SetVisible(true);
        interval = 100;
    }
    stored = now;
}
