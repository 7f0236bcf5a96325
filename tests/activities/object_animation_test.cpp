// A classroom object's animation is played through once while the screen
// waits, and the wait ends even for an object that cannot change frame.
#include "activities/object_animation.h"

#include <gtest/gtest.h>

#include "display/display_test_support.h"
#include "input/mouse_input.h"
#include "platform/mmsystem.h"
#include "scene/scene_support.h"
#include "scene/screen_object.h"
#include "shell/globals.h"

namespace {

constexpr LONG kBook = 90; // eight frames, 100 ms each

class ObjectAnimation : public ::testing::Test {
  protected:
    void SetUp() override {
        scenetest::UseListPictures();
        static bool mouseReady = false;
        if (!mouseReady) {
            mouseInput.SetInstance(GetModuleHandleA(nullptr));
            mouseInput.SetWindow(displaytest::TestWindow());
            mouseInput.Init();
            mouseReady = true;
        }
        scenetest::EnterScreen(6);
        book = scenetest::Find(kBook);
        ASSERT_NE(book, nullptr);
    }

    ScreenObject* book = nullptr;
};

TEST_F(ObjectAnimation, PlaysEveryFrameOnceAndEndsOnTheFirst) {
    book->SetVisible(true);
    const DWORD start = timeGetTime();
    PlayObjectAnimation(kBook);
    EXPECT_GE(timeGetTime() - start, 7u * 100u);
    EXPECT_LT(timeGetTime() - start, 8u * 100u + 400u);
    // Eight changes of eight frames: back on the first.
    book->FirstFrame();
    IDirectDrawSurface4* first = book->GetCurrentSurface();
    book->SetVisible(true);
    PlayObjectAnimation(kBook);
    EXPECT_EQ(book->GetCurrentSurface(), first);
}

// Hidden, or without a frame delay, the object never changes frame: the wait
// ends at once instead of holding the game for ever.
TEST_F(ObjectAnimation, EndsAtOnceForAnObjectThatCannotChangeFrame) {
    const DWORD start = timeGetTime();
    book->SetVisible(false);
    PlayObjectAnimation(kBook);
    book->SetVisible(true);
    book->SetFrameDelay(0);
    PlayObjectAnimation(kBook);
    PlayObjectAnimation(12345); // no such object on the screen
    EXPECT_LT(timeGetTime() - start, 100u);
}

} // namespace
