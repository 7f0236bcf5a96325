// The fourteen screens whose activity is still to come: each opens every
// picture of its list and shows what the list shows at entry; each bar leads
// to the balloons, home with its music, or the quit question with the
// screen's own guide; guide and help only light.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "activities/town_script.h"
#include "scene/creation_lists.h"
#include "support/game_run.h"

namespace {

using namespace townscript;
using testing_support::GameInstall;
using testing_support::GameResult;

const int kListOnlyScreens[] = {4, 5, 7, 8, 9, 10, 11, 15, 16, 17, 18, 19, 20, 25};

// The house's walks into the rooms and the grocery's cart items come during
// play, not at entry.
bool AddedDuringPlay(const CreationRecord& record) {
    for (Room room : {Room::Bathroom, Room::Bedroom, Room::Kitchen, Room::LivingRoom})
        for (const CreationRecord& walk : RoomTransitionRecords(room))
            if (&walk == &record)
                return true;
    for (LONG item = 4000; item <= 4023; ++item)
        if (CartItemRecord(item) == &record)
            return true;
    return false;
}

// What a screen's list creates at entry.
void ForEachEntryRecord(int screen, const std::function<void(const CreationRecord&)>& visit) {
    ForEachCreationRecord([&](LONG id, const CreationRecord& record) {
        if (id == screen && !AddedDuringPlay(record))
            visit(record);
    });
}

// The pictures a screen's list opens: every numbered frame of each stem.
std::set<std::string> ListPictures(int screen) {
    std::set<std::string> files;
    ForEachEntryRecord(screen, [&](const CreationRecord& record) {
        if (record.frames > 1)
            for (LONG n = 1; n <= record.frames; ++n)
                files.insert(std::string(record.picture) + std::to_string(n) + ".bmp");
        else
            files.insert(record.picture);
    });
    return files;
}

// The images opened between entering the screen and the next screen change.
std::set<std::string> ImagesOpenedOn(const GameResult& run, int screen) {
    std::set<std::string> opened;
    bool inside = false;
    for (const std::string& event : run.Events()) {
        if (event.rfind("screen ", 0) == 0)
            inside = event == "screen " + std::to_string(screen);
        else if (inside && event.rfind("image ", 0) == 0)
            opened.insert(event.substr(6));
    }
    return opened;
}

int ImageLinesOn(const GameResult& run, int screen) {
    int lines = 0;
    bool inside = false;
    for (const std::string& event : run.Events()) {
        if (event.rfind("screen ", 0) == 0)
            inside = event == "screen " + std::to_string(screen);
        else if (inside && event.rfind("image ", 0) == 0)
            ++lines;
    }
    return lines;
}

TEST(ListOnlyScreens, EachOpensEveryPictureOfItsListAndShowsItsEntryState) {
    GameInstall install;
    std::string script;
    for (int screen : kListOnlyScreens)
        script += "screen " + std::to_string(screen) + "\nwait 1000\nshot s" +
                  std::to_string(screen) + "\n";
    GameResult run = install.Run(script);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    for (const std::string& event : run.Events())
        EXPECT_EQ(event.rfind("messagebox", 0), std::string::npos) << event;

    int records = 0;
    for (int screen : kListOnlyScreens) {
        SCOPED_TRACE("screen " + std::to_string(screen));
        std::set<std::string> wanted = ListPictures(screen);
        std::set<std::string> opened = ImagesOpenedOn(run, screen);
        for (const std::string& file : wanted)
            EXPECT_TRUE(opened.count(file)) << file << " never opened";
        ForEachEntryRecord(screen, [&](const CreationRecord&) { ++records; });
        KeepShot(run, "s" + std::to_string(screen), "list-only-" + std::to_string(screen));
    }
    // At least one picture opened per object.
    for (int screen : kListOnlyScreens) {
        int objects = 0;
        ForEachEntryRecord(screen, [&](const CreationRecord&) { ++objects; });
        EXPECT_GE(ImageLinesOn(run, screen), objects) << screen;
    }
    EXPECT_GT(records, 400);

    // The display keeps what the screen before drew where nothing is drawn:
    // screens that show only their bar leave the middle as it was, and the
    // landing, which shows nothing, leaves all of it.
    auto unchanged = [&](int screen, int before, int x, int y) {
        return Near(ShotPixel(run, "s" + std::to_string(screen), x, y),
                    ShotPixel(run, "s" + std::to_string(before), x, y), 0);
    };
    const std::pair<int, int> shownOnlyTheBar[] = {{5, 4}, {9, 8}, {10, 9}, {11, 10}, {25, 20}};
    for (auto [screen, before] : shownOnlyTheBar) {
        for (int y : {100, 240, 400})
            EXPECT_TRUE(unchanged(screen, before, 300, y)) << screen << " at y " << y;
    }
    for (int x : {10, 45, 300, 595})
        for (int y : {10, 240, 450})
            EXPECT_TRUE(unchanged(20, 19, x, y)) << x << "," << y;
    // Each bar drawn on its own side.
    for (int screen : {5, 9, 10, 11})
        EXPECT_TRUE(Near(ShotPixel(run, "s" + std::to_string(screen), 560, 450),
                         ShotPixel(run, "s8", 560, 450), 0))
            << screen;
    EXPECT_TRUE(Near(ShotPixel(run, "s25", 10, 450), ShotPixel(run, "s4", 10, 450), 0));
    EXPECT_FALSE(Near(ShotPixel(run, "s25", 10, 450), ShotPixel(run, "s20", 10, 450), 0));
    // A backdrop beside the bar where the list shows one.
    const std::pair<int, int> withBackdrop[] = {{7, 5},   {8, 7},   {15, 11},
                                                {16, 15}, {17, 16}, {18, 17}};
    for (auto [screen, before] : withBackdrop)
        EXPECT_FALSE(unchanged(screen, before, 300, 100) && unchanged(screen, before, 300, 300) &&
                     unchanged(screen, before, 200, 400))
            << screen;
}

// Where a screen's bar and question are clicked.
struct BarPlaces {
    int screen;
    bool left;
    bool help;
    bool backdrop; // a picture behind it all, drawn every frame
    int home;
    const char* music;
    const char* yes;
    const char* no;
};

void PrintTo(const BarPlaces& bar, std::ostream* out) {
    *out << "screen " << bar.screen;
}

constexpr const char* kPanelYes = "195 154";
constexpr const char* kPanelNo = "265 154";

const BarPlaces kBars[] = {
    {4, true, true, true, 1, "roundthemountain.wav", kPanelYes, kPanelNo},
    {5, false, true, false, 8, "walking.wav", kPanelYes, kPanelNo},
    {7, true, true, true, 1, "roundthemountain.wav", kPanelYes, kPanelNo},
    {8, false, false, true, 13, "roundthemountain.wav", kPanelYes, kPanelNo},
    {9, false, true, false, 8, "walking.wav", kPanelYes, kPanelNo},
    {10, false, true, false, 8, "walking.wav", kPanelYes, kPanelNo},
    {11, false, true, false, 8, "walking.wav", kPanelYes, kPanelNo},
    {15, false, true, true, 12, "roundthemountain.wav", kPanelYes, kPanelNo},
    {16, false, true, true, 12, "roundthemountain.wav", kPanelYes, kPanelNo},
    {17, false, true, true, 12, "roundthemountain.wav", kPanelYes, kPanelNo},
    {18, false, true, true, 12, "roundthemountain.wav", kPanelYes, kPanelNo},
    {19, false, true, false, 12, "roundthemountain.wav", kPanelYes, kPanelNo},
    {25, true, true, false, 12, "roundthemountain.wav", "341 206", "411 206"},
};

std::string Button(const BarPlaces& bar, int y) {
    return std::to_string(bar.left ? 45 : 595) + " " + std::to_string(y);
}

// Sounds started from the time from up to (not including) the time to.
int SoundsBetween(const GameResult& run, int64_t from, int64_t to) {
    int sounds = 0;
    for (const std::string& line : run.trace) {
        int64_t time = std::strtoll(line.c_str(), nullptr, 10);
        if (time >= from && time < to && line.find(" sound ") != std::string::npos)
            ++sounds;
    }
    return sounds;
}

class BarAnswers : public ::testing::TestWithParam<BarPlaces> {};

std::string Screen(int screen) {
    return "screen " + std::to_string(screen) + "\nwait 500\n";
}

TEST_P(BarAnswers, BalloonHomeExitGuideAndHelp) {
    const BarPlaces& bar = GetParam();
    const std::string guide = Button(bar, 45), help = Button(bar, 130), home = Button(bar, 220),
                      balloon = Button(bar, 300), exit = Button(bar, 384);
    GameInstall install;
    std::string script = Screen(bar.screen) + "shot entered\n";
    // Guide and help light for the click's half second, then go dark.
    script += "click " + guide + "\nwait 1000\nshot guide\n";
    if (bar.help)
        script += "click " + help + "\nwait 1000\nshot help\n";
    // The quit question: no puts everything back, the exit button answers again.
    script += "click " + exit + "\nwait 5000\nshot asked\nclick " + bar.no +
              "\nwait 3000\nshot refused\nclick " + exit + "\nwait 5000\nclick " + bar.yes +
              "\nwait 1000\n";
    script += Screen(bar.screen) + "click " + balloon + "\nwait 1000\n";
    script += Screen(bar.screen) + "click " + home + "\nwait 1000\n";
    GameResult run = install.Run(script);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    KeepShot(run, "asked", "list-only-quit-" + std::to_string(bar.screen));

    const int s = bar.screen;
    EXPECT_EQ(Screens(run), (std::vector<int>{22, s, 26, s, 21, s, bar.home}));
    std::vector<std::string> sounds = Sounds(run);
    EXPECT_TRUE(
        InOrder(sounds, {"clickon-menu.wav", "monkey-slideon.wav", "big-pop.wav",
                         "sureuwant2quit.wav", "clickon1.wav", "monkey-slideon.wav",
                         "clickon-menu.wav", "monkey-slideon.wav", "sureuwant2quit.wav",
                         "clickon1.wav", "clickon-menu.wav", "clickon-menu.wav", bar.music}));
    EXPECT_TRUE(run.HasEvent(std::string("sound ") + bar.music + " music"));
    // Guide and help: nothing but their click, and the page as before.
    EXPECT_EQ(SoundsBetween(run, run.TimeOf("screen " + std::to_string(s)),
                            TimeAfter(run, "sound monkey-slideon.wav voice", 0)),
              bar.help ? 3 : 2)
        << "only the clicks before the question";
    // Left of and above the cursor, which stands where the last click was;
    // where nothing is drawn the pages keep what other screens left.
    for (int x : {bar.left ? 20 : 570, bar.backdrop ? 300 : 30 + (bar.left ? 0 : 550)})
        for (int y : {35, 120, 374}) {
            EXPECT_TRUE(Near(ShotPixel(run, "entered", x, y), ShotPixel(run, "guide", x, y), 0));
            if (bar.help) {
                EXPECT_TRUE(Near(ShotPixel(run, "entered", x, y), ShotPixel(run, "help", x, y), 0));
            }
            EXPECT_TRUE(Near(ShotPixel(run, "entered", x, y), ShotPixel(run, "refused", x, y), 0))
                << x << "," << y;
        }
    // The question's panel stands where its yes lies.
    int yx = 0, yy = 0;
    std::sscanf(bar.yes, "%d %d", &yx, &yy);
    EXPECT_FALSE(Near(ShotPixel(run, "entered", yx, yy), ShotPixel(run, "asked", yx, yy), 0));
}

INSTANTIATE_TEST_SUITE_P(EveryBar, BarAnswers, ::testing::ValuesIn(kBars),
                         [](const ::testing::TestParamInfo<BarPlaces>& info) {
                             return "Screen" + std::to_string(info.param.screen);
                         });

// The landing has no bar: clicks where a bar would be do nothing.
TEST(ListOnlyScreens, TheLandingTakesNoClicks) {
    GameInstall install;
    GameResult run = install.Run(Screen(20) + "click 45 300\nwait 1000\nclick 595 300\nwait "
                                              "1000\nclick 595 384\nwait 3000\n");
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(Screens(run), (std::vector<int>{22, 20}));
    EXPECT_EQ(SoundsBetween(run, run.TimeOf("screen 20"), INT64_MAX), 0);
}

} // namespace
