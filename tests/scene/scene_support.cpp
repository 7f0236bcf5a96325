#include "scene/scene_support.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>

#include "display/display_interface.h"
#include "display/display_test_support.h"
#include "scene/creation_lists.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "shell/globals.h"
#include "shell/resource_handler.h"
#include "support/game_run.h"

namespace scenetest {

void WriteListPictures(const std::string& imagesDir, std::initializer_list<LONG> screens) {
    mkdir(imagesDir.c_str(), 0755);
    std::set<std::string> written;
    ForEachCreationRecord([&](LONG screenId, const CreationRecord& record) {
        if (screens.size() != 0 &&
            std::find(screens.begin(), screens.end(), screenId) == screens.end())
            return;
        std::set<std::string> files;
        if (record.frames > 1) {
            for (LONG frame = 1; frame <= record.frames; ++frame)
                files.insert(std::string(record.picture) + std::to_string(frame) + ".bmp");
        } else {
            files.insert(record.picture);
        }
        for (const std::string& file : files)
            if (written.insert(file).second)
                testing_support::WriteSolidBmp(imagesDir + "/" + file, kPictureWidth,
                                               kPictureHeight, kPictureColour);
    });
}

void UseImagesDirectory(const std::string& imagesDir) {
    std::snprintf(imagePath, sizeof imagePath, "%s/", imagesDir.c_str());
}

void UseListPictures() {
    // One window and one display for the whole process.
    if (!display.GetDirectDraw()) {
        ASSERT_NE(displaytest::TestWindow(), nullptr);
        displaytest::InitDisplay(display);
    }
    // A page another test left lost comes back here, not in the middle of a check.
    display.Present();
    static std::unique_ptr<testing_support::TempDir> pictures;
    if (!pictures) {
        pictures = std::make_unique<testing_support::TempDir>();
        WriteListPictures(pictures->path() + "/Images");
    }
    UseImagesDirectory(pictures->path() + "/Images");
    PromptVariantFlag = 0;
}

void EnterScreen(LONG screenId) {
    resourceHandler.SetScreen(screenId);
    resourceHandler.LoadScreen();
}

int ObjectCount() {
    int count = 0;
    for (objectList.First(); objectList.HasCurrent(); objectList.Next())
        ++count;
    return count;
}

ScreenObject* Find(LONG id) {
    ListElem* element = objectList.FindById(id);
    objectList.ResetCursor();
    if (!element) {
        ADD_FAILURE() << "no object " << id << " on screen " << resourceHandler.GetScreen();
        return nullptr;
    }
    return element->object;
}

void RenderObjects() {
    display.ClearDrawSurface();
    for (LONG layer = 1; layer <= 17; ++layer)
        for (objectList.First(); objectList.HasCurrent(); objectList.Next()) {
            ScreenObject* object = objectList.Current()->object;
            if (!object->IsVisible() || object->GetLayer() != layer)
                continue;
            LONG x = object->GetX(), y = object->GetY();
            display.Blit(x, y, x + object->GetWidth(), y + object->GetHeight(),
                         object->GetCurrentSurface(), object->IsTransparent(),
                         object->IsMirrored());
        }
    display.Present();
}

uint32_t ShownPixel(int x, int y) {
    return displaytest::ShownPixel(x, y);
}

} // namespace scenetest
