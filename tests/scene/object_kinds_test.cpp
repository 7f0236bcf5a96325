// The kinds that differ from a plain object, met as their screens create
// them: hit areas, labels, the colour key and their own updates.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/mmsystem.h"
#include "scene/scene_support.h"
#include "scene/screen_object.h"

namespace {

using namespace scenetest;

class ObjectKinds : public ::testing::Test {
  protected:
    void SetUp() override { UseListPictures(); }
};

TEST_F(ObjectKinds, SignInBoxAnswersItsNineRows) {
    EnterScreen(22);
    ScreenObject* box = Find(582);
    ASSERT_NE(box, nullptr);
    // Created unclickable: the screen opens it after the greeting.
    EXPECT_EQ(box->HitTest({341, 55}), 0);
    box->SetClickable(true);
    EXPECT_EQ(box->HitTest({341, 55}), 1);
    EXPECT_EQ(box->HitTest({564, 72}), 1);
    EXPECT_EQ(box->HitTest({450, 86}), 2);
    EXPECT_EQ(box->HitTest({450, 190}), 5);
    EXPECT_EQ(box->HitTest({564, 320}), 9);
    // Between rows 1 and 2, on the left edge, past the last row.
    EXPECT_EQ(box->HitTest({341, 73}), 0);
    EXPECT_EQ(box->HitTest({340, 55}), 0);
    EXPECT_EQ(box->HitTest({565, 55}), 0);
    EXPECT_EQ(box->HitTest({450, 321}), 0);
    // The rows stay where the name rows are drawn, wherever the picture is.
    box->SetPosition(0, 0);
    EXPECT_EQ(box->HitTest({341, 55}), 1);
}

TEST_F(ObjectKinds, HouseCutawayAnswersItsFourRooms) {
    EnterScreen(8);
    ScreenObject* house = Find(195);
    ASSERT_NE(house, nullptr);
    EXPECT_EQ(house->HitTest({100, 200}), 0);
    house->SetClickable(true);
    EXPECT_EQ(house->HitTest({100, 200}), 1);
    EXPECT_EQ(house->HitTest({250, 150}), 2);
    EXPECT_EQ(house->HitTest({100, 300}), 3);
    EXPECT_EQ(house->HitTest({250, 300}), 4);
    // Between rooms 3 and 4, and on room 1's edge.
    EXPECT_EQ(house->HitTest({180, 300}), 0);
    EXPECT_EQ(house->HitTest({47, 200}), 0);
    // Where rooms 1 and 2 would both count, room 1 wins.
    EXPECT_EQ(house->HitTest({176, 200}), 1);
}

TEST_F(ObjectKinds, TunnelsAnswerTheirRoadAreasWhereverThePictureIs) {
    EnterScreen(12);
    ScreenObject* left = Find(10);
    ASSERT_NE(left, nullptr);
    left->SetPosition(300, 0);
    EXPECT_EQ(left->HitTest({1, 421}), 1);
    EXPECT_EQ(left->HitTest({500, 400}), 1);
    EXPECT_EQ(left->HitTest({408, 450}), 0);
    EXPECT_EQ(left->HitTest({409, 400}), 0);
    EXPECT_EQ(left->HitTest({100, 420}), 0);
    EXPECT_EQ(left->HitTest({301, 1}), 0);
    left->SetClickable(false);
    EXPECT_EQ(left->HitTest({1, 421}), 0);

    EnterScreen(13);
    ScreenObject* right = Find(19);
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(right->HitTest({1, 314}), 1);
    EXPECT_EQ(right->HitTest({189, 421}), 1);
    EXPECT_EQ(right->HitTest({187, 400}), 0);
    EXPECT_EQ(right->HitTest({188, 421}), 0);
    EXPECT_EQ(right->HitTest({300, 419}), 0);
    EXPECT_EQ(right->HitTest({639, 450}), 0);
}

TEST_F(ObjectKinds, CarouselHitEndsAtFixedEdgesAndAnimatesWhileHidden) {
    EnterScreen(1);
    ScreenObject* highlight = Find(5);
    ScreenObject* carousel = Find(267);
    ASSERT_NE(highlight, nullptr);
    ASSERT_NE(carousel, nullptr);
    ASSERT_FALSE(highlight->IsVisible());
    EXPECT_EQ(highlight->HitTest({328, 1}), 1);
    EXPECT_EQ(highlight->HitTest({569, 221}), 1);
    EXPECT_EQ(highlight->HitTest({570, 100}), 0);
    EXPECT_EQ(highlight->HitTest({400, 222}), 0);
    EXPECT_EQ(highlight->HitTest({327, 100}), 0);
    highlight->SetPosition(400, 50);
    EXPECT_EQ(highlight->HitTest({350, 100}), 0);
    EXPECT_EQ(highlight->HitTest({401, 51}), 1);
    EXPECT_EQ(highlight->HitTest({569, 221}), 1);

    // Both hidden: only the highlight keeps stepping, and it never moves.
    DWORD t = timeGetTime();
    IDirectDrawSurface4* first = highlight->GetCurrentSurface();
    IDirectDrawSurface4* carouselFirst = carousel->GetCurrentSurface();
    highlight->SetVelocity(5, 5);
    highlight->SetMoveDelay(10);
    EXPECT_FALSE(highlight->Update(t + 99));
    EXPECT_EQ(highlight->GetCurrentSurface(), first);
    EXPECT_TRUE(highlight->Update(t + 100));
    EXPECT_NE(highlight->GetCurrentSurface(), first);
    EXPECT_FALSE(carousel->Update(t + 100));
    EXPECT_EQ(carousel->GetCurrentSurface(), carouselFirst);
    for (DWORD n = 2; n <= 19; ++n)
        EXPECT_TRUE(highlight->Update(t + 100 * n));
    EXPECT_EQ(highlight->GetCurrentSurface(), first);
    EXPECT_EQ(highlight->GetX(), 400);
    EXPECT_EQ(highlight->GetY(), 50);
}

TEST_F(ObjectKinds, FishSwimsAcrossAndTurnsAtBothEdges) {
    EnterScreen(4);
    ScreenObject* fish = Find(124);
    ASSERT_NE(fish, nullptr);
    ASSERT_TRUE(fish->IsVisible());
    DWORD t = timeGetTime();
    IDirectDrawSurface4* first = fish->GetCurrentSurface();

    EXPECT_FALSE(fish->Update(t + 49));
    EXPECT_EQ(fish->GetX(), 640);
    EXPECT_TRUE(fish->Update(t + 50));
    EXPECT_NE(fish->GetCurrentSurface(), first);
    EXPECT_EQ(fish->GetX(), 642);
    EXPECT_EQ(fish->GetVelocityX(), -2);
    EXPECT_TRUE(fish->IsMirrored());
    fish->Update(t + 100);
    EXPECT_EQ(fish->GetX(), 640);

    fish->SetPosition(-99, 392);
    fish->Update(t + 150);
    EXPECT_EQ(fish->GetX(), -101);
    EXPECT_EQ(fish->GetVelocityX(), 2);
    EXPECT_EQ(fish->GetVelocityY(), 0);
    EXPECT_FALSE(fish->IsMirrored());

    // It answers frame changes only: a move alone is not reported.
    fish->SetFrameDelay(0);
    EXPECT_FALSE(fish->Update(t + 200));
    EXPECT_EQ(fish->GetX(), -99);

    // Hidden, it neither animates nor swims.
    fish->SetFrameDelay(50);
    fish->SetVisible(false);
    IDirectDrawSurface4* shown = fish->GetCurrentSurface();
    EXPECT_FALSE(fish->Update(t + 400));
    EXPECT_EQ(fish->GetX(), -99);
    EXPECT_EQ(fish->GetCurrentSurface(), shown);
}

TEST_F(ObjectKinds, PlaneRunsItsFramesOnceAfterEachRestart) {
    EnterScreen(13);
    ScreenObject* plane = Find(602);
    ASSERT_NE(plane, nullptr);
    ASSERT_EQ(plane->GetFrameCount(), 23);
    ASSERT_EQ(plane->GetFrameDelay(), 0);
    IDirectDrawSurface4* first = plane->GetCurrentSurface();
    plane->PreviousFrame();
    IDirectDrawSurface4* last = plane->GetCurrentSurface();
    plane->FirstFrame();

    // What the right map does before each flight.
    DWORD t = timeGetTime();
    plane->SetVisible(true);
    plane->SetVelocity(0, 0);
    plane->SetFrameDelay(75);
    plane->Restart();
    int advances = 0;
    for (DWORD now = t + 1; now <= t + 75 * 30; ++now) {
        IDirectDrawSurface4* before = plane->GetCurrentSurface();
        plane->Update(now);
        if (plane->GetCurrentSurface() != before) {
            ++advances;
            EXPECT_EQ(now, t + 75 * static_cast<DWORD>(advances)) << "frame " << advances + 1;
        }
    }
    EXPECT_EQ(advances, 22);
    EXPECT_EQ(plane->GetFrameDelay(), 0);
    EXPECT_EQ(plane->GetCurrentSurface(), last);

    // Its move delay keeps reporting steps whatever the frames do.
    EXPECT_TRUE(plane->Update(t + 75 * 30 + 15));

    DWORD again = t + 75 * 40;
    plane->FirstFrame();
    plane->SetFrameDelay(75);
    plane->Restart();
    for (DWORD k = 1; k <= 30; ++k)
        plane->Update(again + 75 * k);
    EXPECT_EQ(plane->GetCurrentSurface(), last);
    EXPECT_EQ(plane->GetFrameDelay(), 0);
    plane->FirstFrame();
    EXPECT_EQ(plane->GetCurrentSurface(), first);
}

TEST_F(ObjectKinds, StopSignFlipsOnEachHit) {
    EnterScreen(1);
    ScreenObject* sign = Find(603);
    ASSERT_NE(sign, nullptr);
    IDirectDrawSurface4* normal = sign->GetCurrentSurface();
    EXPECT_EQ(sign->HitTest({15, 385}), 0);
    EXPECT_EQ(sign->GetCurrentSurface(), normal);
    sign->SetClickable(true);
    EXPECT_EQ(sign->HitTest({14, 384}), 0);
    EXPECT_EQ(sign->GetCurrentSurface(), normal);
    EXPECT_EQ(sign->HitTest({15, 385}), 1);
    EXPECT_NE(sign->GetCurrentSurface(), normal);
    EXPECT_EQ(sign->HitTest({14 + kPictureWidth - 1, 384 + kPictureHeight - 1}), 1);
    EXPECT_EQ(sign->GetCurrentSurface(), normal);
    // The hover test of the map sees only the rectangle and flips nothing.
    EXPECT_EQ(PlainHitTest(*sign, {15, 385}), 1);
    EXPECT_EQ(sign->GetCurrentSurface(), normal);
}

TEST_F(ObjectKinds, LabelsAreWindows1252WordsAndPlainKindsKeepTheirClassName) {
    EnterScreen(2);
    ScreenObject* dolphin = Find(56);
    ASSERT_NE(dolphin, nullptr);
    EXPECT_EQ(std::string(dolphin->GetClassName()), std::string("Delf\xED"
                                                                "n"));
    EXPECT_EQ(std::strlen(dolphin->GetClassName()), 6u);
    EXPECT_EQ(static_cast<unsigned char>(dolphin->GetClassName()[4]), 0xEDu);
    EXPECT_STREQ(Find(72)->GetClassName(), "Hipop\xF3tamo");
    EXPECT_STREQ(Find(47)->GetClassName(), "ScreenObject");
    EXPECT_STREQ(Find(64)->GetClassName(), "ScreenObject");

    EnterScreen(3);
    EXPECT_STREQ(Find(384)->GetClassName(), "School Bus");
    EnterScreen(5);
    EXPECT_STREQ(Find(218)->GetClassName(), "Ba\xF1"
                                            "era");
    EnterScreen(6);
    EXPECT_STREQ(Find(81)->GetClassName(), "L\xE1piz");
    EnterScreen(11);
    EXPECT_STREQ(Find(257)->GetClassName(), "Tel\xE9"
                                            "fono");
    EnterScreen(15);
    EXPECT_STREQ(Find(408)->GetClassName(), "Polic\xED"
                                            "a");
    EXPECT_STREQ(Find(405)->GetClassName(), "ScreenObject");
    EnterScreen(4);
    EXPECT_STREQ(Find(120)->GetClassName(), "W");
    EXPECT_STREQ(Find(121)->GetClassName(), "X");
}

TEST_F(ObjectKinds, AnimalsAndBackdropsDrawWithoutTheColourKey) {
    EnterScreen(2);
    for (LONG id : {47, 51, 63, 66, 67, 77})
        EXPECT_FALSE(Find(id)->IsTransparent()) << id;
    for (LONG id : {41, 64, 65, 78, 498, 2000})
        EXPECT_TRUE(Find(id)->IsTransparent()) << id;
    EnterScreen(13);
    for (LONG id : {1, 6, 13, 23})
        EXPECT_FALSE(Find(id)->IsTransparent()) << id;
    EXPECT_TRUE(Find(19)->IsTransparent());
}

} // namespace
