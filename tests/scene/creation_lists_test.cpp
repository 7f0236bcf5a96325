// Entering screens: what each creation list builds, in which order, and that
// it all goes again when the screen changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "platform/testing.h"
#include "scene/creation_lists.h"
#include "scene/object_list.h"
#include "scene/scene_support.h"
#include "scene/screen_object.h"
#include "shell/globals.h"
#include "shell/resource_handler.h"
#include "support/game_run.h"

namespace {

using namespace scenetest;

class CreationLists : public ::testing::Test {
  protected:
    void SetUp() override { UseListPictures(); }
    void TearDown() override { PromptVariantFlag = 0; }

    static std::vector<LONG> IdsNewestFirst() {
        std::vector<LONG> ids;
        for (objectList.First(); objectList.HasCurrent(); objectList.Next())
            ids.push_back(objectList.Current()->object->GetId());
        return ids;
    }
};

TEST_F(CreationLists, EachScreenCreatesItsObjects) {
    const std::pair<LONG, int> counts[] = {
        {1, 26},  {2, 67},  {3, 26},  {4, 39},  {5, 42},  {6, 44},  {7, 82},  {8, 14},
        {9, 43},  {10, 42}, {11, 42}, {12, 40}, {13, 39}, {14, 53}, {15, 63}, {16, 16},
        {17, 40}, {18, 13}, {19, 73}, {20, 18}, {21, 25}, {22, 35}, {23, 0},  {24, 51},
        {25, 62}, {26, 2},  {0, 0},   {27, 0},  {-1, 0}};
    for (auto [screen, count] : counts) {
        EnterScreen(screen);
        EXPECT_EQ(ObjectCount(), count) << "screen " << screen;
    }
}

TEST_F(CreationLists, ListIsWalkedNewestFirst) {
    EnterScreen(26);
    EXPECT_EQ(IdsNewestFirst(), (std::vector<LONG>{5001, 5000}));
    EnterScreen(1);
    std::vector<LONG> ids = IdsNewestFirst();
    EXPECT_EQ(ids.front(), 6002);
    EXPECT_EQ(ids.back(), 1);

    // The bedroom's guide is made twice; the search finds the second one.
    EnterScreen(9);
    ids = IdsNewestFirst();
    EXPECT_EQ(std::count(ids.begin(), ids.end(), 233), 2);
    ListElem* found = objectList.FindById(233);
    objectList.First();
    while (objectList.Current()->object->GetId() != 233)
        objectList.Next();
    EXPECT_EQ(found, objectList.Current());
    // It is the one after the quit panel, which comes after the first guide.
    size_t second = std::find(ids.begin(), ids.end(), 233) - ids.begin();
    size_t quit = std::find(ids.begin(), ids.end(), 706) - ids.begin();
    EXPECT_LT(second, quit);
}

TEST_F(CreationLists, SignInScreenShowsTheTitleAndTheBar) {
    EnterScreen(22);
    std::vector<LONG> shown, clickable;
    for (objectList.First(); objectList.HasCurrent(); objectList.Next()) {
        ScreenObject* object = objectList.Current()->object;
        if (object->IsVisible())
            shown.push_back(object->GetId());
        if (object->IsClickable())
            clickable.push_back(object->GetId());
    }
    EXPECT_EQ(std::set<LONG>(shown.begin(), shown.end()), (std::set<LONG>{584, 36}));
    EXPECT_EQ(std::set<LONG>(clickable.begin(), clickable.end()),
              (std::set<LONG>{583, 35, 38, 40, 43, 45}));
    ScreenObject* grey = Find(583);
    EXPECT_EQ(grey->GetX(), 280);
    EXPECT_EQ(grey->GetY(), 360);
    EXPECT_EQ(grey->GetLayer(), 4);
    EXPECT_STREQ(grey->GetSound(), "clickon-menu.wav");
    ScreenObject* bar = Find(36);
    EXPECT_EQ(bar->GetX(), 550);
    EXPECT_EQ(bar->GetLayer(), 7);
    EXPECT_EQ(Find(580)->GetFrameCount(), 17);
    EXPECT_EQ(Find(581)->GetFrameDelay(), 75);
    EXPECT_EQ(Find(578)->GetVelocityY(), -10);
    EXPECT_EQ(Find(584)->GetWidth(), kPictureWidth);
}

TEST_F(CreationLists, MapsBuildTheirScenes) {
    EnterScreen(12);
    ScreenObject* tunnelOverlay = Find(11);
    EXPECT_TRUE(tunnelOverlay->IsVisible());
    EXPECT_TRUE(tunnelOverlay->IsClickable());
    EXPECT_EQ(tunnelOverlay->GetX(), 549);
    EXPECT_EQ(tunnelOverlay->GetY(), 346);
    EXPECT_EQ(tunnelOverlay->GetLayer(), 4);
    ScreenObject* ufo = Find(600);
    EXPECT_EQ(ufo->GetFrameCount(), 6);
    EXPECT_EQ(ufo->GetY(), -55);
    EXPECT_TRUE(Find(601)->IsVisible());
    ScreenObject* truck = Find(24);
    EXPECT_EQ(truck->GetX(), -350);
    EXPECT_EQ(truck->GetVelocityX(), 3);
    EXPECT_STREQ(truck->GetSecondSound(), "truck.wav");
    EXPECT_EQ(truck->GetGroup(), 6);

    EnterScreen(13);
    EXPECT_TRUE(Find(17)->IsVisible());
    EXPECT_FALSE(Find(17)->IsClickable());
    EXPECT_EQ(Find(602)->GetLayer(), 4);
    EXPECT_EQ(Find(605)->GetX(), 529);
    EXPECT_EQ(Find(23)->GetGroup(), 4);
}

TEST_F(CreationLists, ActivityScreensPlaceTheirObjects) {
    EnterScreen(21);
    EXPECT_EQ(Find(487)->GetVelocityX(), 1);
    EXPECT_EQ(Find(487)->GetVelocityY(), -5);
    EXPECT_EQ(Find(494)->GetX(), 1076);
    EXPECT_EQ(Find(483)->GetFrameCount(), 10);

    EnterScreen(2);
    ScreenObject* wheels = Find(65);
    EXPECT_TRUE(wheels->IsVisible());
    EXPECT_EQ(wheels->GetFrameCount(), 3);
    EXPECT_EQ(wheels->GetFrameDelay(), 55);
    EXPECT_EQ(wheels->GetX(), -468);
    EXPECT_EQ(wheels->GetLayer(), 6);
    ScreenObject* camel = Find(51);
    EXPECT_FALSE(camel->IsVisible());
    EXPECT_FALSE(camel->IsClickable());
    EXPECT_EQ(camel->GetLayer(), 6);
    EXPECT_EQ(camel->GetGroup(), 2);
    EXPECT_STREQ(camel->GetSound(), "word-camel-sp.wav");
    EXPECT_STREQ(camel->GetSecondSound(), "camel.wav");
    EXPECT_EQ(Find(47)->GetGroup(), 1);
    EXPECT_TRUE(Find(44)->IsClickable());
    EXPECT_FALSE(Find(44)->IsVisible());

    EnterScreen(4);
    EXPECT_EQ(Find(98)->GetY(), -100);
    EXPECT_EQ(Find(123)->GetLayer(), 2);
    EXPECT_EQ(Find(106)->GetVelocityX(), 0);

    EnterScreen(6);
    EXPECT_EQ(Find(93)->GetLayer(), 4);
    EXPECT_EQ(Find(96)->GetLayer(), 5);
    EXPECT_EQ(Find(96)->GetFrameCount(), 26);
    EXPECT_STREQ(Find(90)->GetSecondSound(), "book.wav");

    EnterScreen(7);
    ScreenObject* line = Find(130);
    EXPECT_TRUE(line->IsVisible());
    EXPECT_EQ(line->GetVelocityY(), -3);

    EnterScreen(24);
    ScreenObject* sign = Find(322);
    EXPECT_FALSE(sign->IsVisible());
    EXPECT_EQ(sign->GetX(), 300);
    EXPECT_EQ(sign->GetY(), 413);
    EXPECT_STREQ(sign->GetSound(), "clickon-menu.wav");
    EXPECT_TRUE(Find(325)->IsVisible());
    EXPECT_TRUE(Find(314)->IsVisible());
    EXPECT_FALSE(Find(313)->IsVisible());

    EnterScreen(17);
    EXPECT_TRUE(Find(313)->IsVisible());
    EXPECT_FALSE(Find(314)->IsVisible());
    EXPECT_EQ(Find(306)->GetFrameCount(), 9);
    EXPECT_STREQ(Find(574)->GetSound(), "word-september-sp.wav");

    EnterScreen(20);
    EXPECT_EQ(Find(190)->GetY(), 500);
    EXPECT_EQ(Find(190)->GetVelocityY(), -25);
}

TEST_F(CreationLists, JobsHeadsOnlyWithTheVariantPrompts) {
    const LONG heads[] = {438, 441, 418, 422, 420, 439, 440};
    PromptVariantFlag = 0;
    EnterScreen(15);
    EXPECT_EQ(ObjectCount(), 63);
    for (LONG id : heads)
        EXPECT_NE(objectList.FindById(id), nullptr) << id;

    PromptVariantFlag = 1;
    EnterScreen(15);
    EXPECT_EQ(ObjectCount(), 56);
    for (LONG id : heads)
        EXPECT_EQ(objectList.FindById(id), nullptr) << id;
    EXPECT_NE(objectList.FindById(417), nullptr);
    EXPECT_NE(objectList.FindById(199), nullptr);
}

TEST_F(CreationLists, ReenteringRecreatesEveryObject) {
    EnterScreen(1);
    ScreenObject* pond = Find(3);
    pond->SetPosition(5, 5);
    pond->SetVisible(true);
    pond->SetClickable(false);
    pond->SetLayer(12);
    Find(2)->SetFrameDelay(0);

    resourceHandler.LoadScreen();
    EXPECT_EQ(ObjectCount(), 26);
    pond = Find(3);
    EXPECT_EQ(pond->GetX(), 157);
    EXPECT_EQ(pond->GetY(), 287);
    EXPECT_FALSE(pond->IsVisible());
    EXPECT_TRUE(pond->IsClickable());
    EXPECT_EQ(pond->GetLayer(), 5);
    EXPECT_EQ(Find(2)->GetFrameDelay(), 150);

    // The pond belongs to the centre map only.
    EnterScreen(12);
    EXPECT_EQ(objectList.FindById(3), nullptr);
    EnterScreen(23);
    EXPECT_EQ(objectList.FindById(1), nullptr);
}

TEST_F(CreationLists, RoomTransitionsJoinTheHouseUntilTheNextLoad) {
    EnterScreen(8);
    resourceHandler.AddRoomTransition(Room::Bedroom);
    EXPECT_EQ(ObjectCount(), 17);
    std::vector<LONG> ids = IdsNewestFirst();
    EXPECT_EQ((std::vector<LONG>(ids.begin(), ids.begin() + 4)),
              (std::vector<LONG>{236, 206, 203, 705}));
    ScreenObject* door = Find(203);
    EXPECT_EQ(door->GetX(), 238);
    EXPECT_EQ(door->GetY(), 137);
    EXPECT_EQ(door->GetLayer(), 7);
    EXPECT_EQ(door->GetFrameCount(), 4);
    EXPECT_EQ(door->GetFrameDelay(), 100);
    EXPECT_FALSE(door->IsVisible());
    EXPECT_FALSE(door->IsClickable());
    EXPECT_EQ(Find(206)->GetFrameCount(), 36);

    resourceHandler.AddRoomTransition(Room::LivingRoom);
    ids = IdsNewestFirst();
    EXPECT_EQ(ids[0], 205);
    EXPECT_EQ(ids[1], 238);
    EXPECT_EQ(Find(205)->GetFrameCount(), 31);

    resourceHandler.LoadScreen();
    EXPECT_EQ(ObjectCount(), 14);
    EXPECT_EQ(objectList.FindById(203), nullptr);
}

TEST_F(CreationLists, CartItemsAreShownWhereTheyArePut) {
    EnterScreen(25);
    resourceHandler.AddCartItem(200, 300, 4005, 7);
    EXPECT_EQ(ObjectCount(), 63);
    ScreenObject* carrots = objectList.FindById(4005)->object;
    EXPECT_EQ(IdsNewestFirst().front(), 4005);
    EXPECT_EQ(carrots->GetX(), 200);
    EXPECT_EQ(carrots->GetY(), 300);
    EXPECT_EQ(carrots->GetLayer(), 7);
    EXPECT_TRUE(carrots->IsVisible());
    EXPECT_FALSE(carrots->IsClickable());
    EXPECT_EQ(carrots->GetGroup(), 2);
    resourceHandler.AddCartItem(10, 10, 4023, 3);
    EXPECT_EQ(IdsNewestFirst().front(), 4023);

    resourceHandler.AddCartItem(0, 0, 3999, 3);
    resourceHandler.AddCartItem(0, 0, 4024, 3);
    EXPECT_EQ(ObjectCount(), 64);
}

// A higher layer covers a lower one; within a layer the first-created object
// is on top; keyed green never shows, except through an opaque animal.
TEST_F(CreationLists, CircusDrawsLayersKeysAndOpaqueAnimals) {
    testing_support::TempDir dir;
    std::string images = dir.path() + "/Images";
    WriteListPictures(images, {2});
    testing_support::WriteSolidBmp(images + "/circus-background.bmp", 550, 480, 0xFF0000);
    testing_support::WriteSolidBmp(images + "/blue-camel.bmp", 40, 40, 0x00FF00);
    testing_support::WriteSolidBmp(images + "/blue-cow.bmp", 40, 40, 0xFFFFFF);
    testing_support::WriteSolidBmp(images + "/smallbubble1.bmp", 40, 40, 0x00FF00);
    testing_support::WriteSolidBmp(images + "/wronganswer.bmp", 40, 40, 0x0000FF);
    UseImagesDirectory(images);
    EnterScreen(2);

    ScreenObject* camel = Find(51);
    ScreenObject* cow = Find(52);
    ScreenObject* bubble = Find(78);
    ScreenObject* mark = Find(2000);
    camel->SetPosition(200, 100);
    cow->SetPosition(220, 100);
    bubble->SetPosition(400, 100);
    mark->SetPosition(200, 130);
    for (ScreenObject* object : {camel, cow, bubble, mark})
        object->SetVisible(true);
    RenderObjects();

    EXPECT_EQ(ShownPixel(100, 300), 0xFF0000u);
    EXPECT_EQ(ShownPixel(89, 300), 0x000000u);
    EXPECT_EQ(ShownPixel(210, 110), 0x00FF00u); // the opaque camel's key colour
    EXPECT_EQ(ShownPixel(230, 110), 0x00FF00u); // camel over the later cow
    EXPECT_EQ(ShownPixel(250, 110), 0xFFFFFFu);
    EXPECT_EQ(ShownPixel(410, 110), 0xFF0000u); // the keyed bubble shows nothing
    EXPECT_EQ(ShownPixel(210, 135), 0x0000FFu); // layer 15 over layer 6
    UseListPictures();
}

TEST_F(CreationLists, LoadingEveryScreenTwentyTimesKeepsSurfacesFlat) {
    EnterScreen(23);
    int surfaces = platform::testhooks::LiveSurfaceCount();
    int gdiObjects = platform::testhooks::LiveGdiObjectCount();
    int deviceContexts = platform::testhooks::LiveDeviceContextCount();
    for (int round = 0; round < 20; ++round)
        for (LONG screen = 1; screen <= 26; ++screen)
            EnterScreen(screen);
    EXPECT_GT(platform::testhooks::LiveSurfaceCount(), surfaces); // the end screen's two
    EnterScreen(23);
    EXPECT_EQ(platform::testhooks::LiveSurfaceCount(), surfaces);
    EXPECT_EQ(platform::testhooks::LiveGdiObjectCount(), gdiObjects);
    EXPECT_EQ(platform::testhooks::LiveDeviceContextCount(), deviceContexts);
}

// The real program on the asset pack: every screen's list finds its pictures,
// and one missing file ends the game with the display's message.
TEST(CreationListsProgram, EveryScreenLoadsFromThePack) {
    testing_support::GameInstall install;
    std::string script;
    for (int screen = 1; screen <= 26; ++screen)
        script += "screen " + std::to_string(screen) + "\nframes 1\n";
    testing_support::GameResult result = install.Run(script + "quit\n");
    EXPECT_EQ(result.exitCode, 0) << result.stderrText;
    for (int screen = 1; screen <= 26; ++screen)
        EXPECT_TRUE(result.HasEvent("screen " + std::to_string(screen))) << screen;
    EXPECT_TRUE(result.HasEvent("image blue-Dolphin.bmp"));
    EXPECT_TRUE(result.HasEvent("image fade2-bed11.bmp"));
    EXPECT_TRUE(result.HasEvent("image trashcan26.bmp"));
}

TEST(CreationListsProgram, MissingPictureEndsTheGameWithTheDisplayMessage) {
    testing_support::GameInstall install;
    // The pack's files are links: removing one leaves the pack alone.
    ASSERT_EQ(std::remove((install.dir() + "/Images/taxi-up.bmp").c_str()), 0);
    testing_support::GameResult result = install.Run("screen 3\nframes 3\nquit\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.HasEvent("screen 3"));
    EXPECT_TRUE(
        result.HasEvent("messagebox \"DisplayInterface\" \"Couldn't load file resource.\""));
    ASSERT_FALSE(result.trace.empty());
    EXPECT_EQ(result.Events().back(), "exit 1");
}

} // namespace
