// The game's real window on an X server without a window manager (a kiosk
// session): full screen covers the whole screen with the page whole and
// centred, --windowed opens a window of the page's shape, and a resize or a
// change of focus leaves the page whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/bmp_reader.h"
#include "support/game_run.h"
#include "support/x_server.h"

using testing_support::Eventually;
using testing_support::GameInstall;
using testing_support::WindowBox;
using testing_support::WindowedGame;
using testing_support::XServer;

namespace {

// A sanitizer build on a busy machine takes its time to open the window.
constexpr int kStartMs = 60000;
constexpr int kRepaintMs = 15000;

struct Corners {
    uint32_t colour[4]; // top left, top right, bottom left, bottom right
};

Corners PictureCorners(const std::string& name) {
    std::ifstream file(std::string(VOCABULOON_ASSETS) + "/Images/" + name, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
    platform::DecodedBitmap picture;
    std::string why;
    EXPECT_TRUE(platform::DecodeBmp(bytes.data(), bytes.size(), picture, &why)) << name << why;
    Corners corners{};
    if (picture.width == 640 && picture.height == 480) {
        const auto& p = picture.pixels;
        corners = {{p[0], p[639], p[479 * 640], p[479 * 640 + 639]}};
    }
    return corners;
}

// The page's colours are 16-bit and scaled smoothly: near enough.
bool Near(uint32_t a, uint32_t b) {
    for (int shift : {16, 8, 0}) {
        int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(d) > 24)
            return false;
    }
    return true;
}

struct Place {
    int x, y, width, height;
};

// Where a whole page stands, scaled as large as fits and centred, in a box.
Place WholePageIn(const WindowBox& box) {
    double scale = std::min(box.width / 640.0, box.height / 480.0);
    int width = static_cast<int>(640 * scale), height = static_cast<int>(480 * scale);
    return {box.x + (box.width - width) / 2, box.y + (box.height - height) / 2, width, height};
}

// The four corners of the page, a few pixels in, show one of the pictures
// that the title screen starts with (the title, then its background), and
// the bars beside or above the page are black.
bool ShowsTitleScreenWhole(XServer& server, const Place& page, const WindowBox& box) {
    const int in = 4;
    uint32_t seen[4] = {server.Pixel(page.x + in, page.y + in),
                        server.Pixel(page.x + page.width - 1 - in, page.y + in),
                        server.Pixel(page.x + in, page.y + page.height - 1 - in),
                        server.Pixel(page.x + page.width - 1 - in, page.y + page.height - 1 - in)};
    bool matches = false;
    for (const char* picture : {"vocabuloon-full-sp.bmp", "intro-background.bmp"}) {
        Corners expected = PictureCorners(picture);
        bool all = true;
        for (int i = 0; i < 4; ++i)
            all = all && Near(seen[i], expected.colour[i]);
        matches = matches || all;
    }
    if (page.x - box.x > in)
        matches = matches && server.Pixel(box.x + in, box.y + box.height / 2) == 0;
    if (page.y - box.y > in)
        matches = matches && server.Pixel(box.x + box.width / 2, box.y + in) == 0;
    return matches;
}

class RealWindow : public ::testing::TestWithParam<std::pair<int, int>> {};

#define START_X_SERVER(server, width, height)                                                      \
    XServer server(width, height);                                                                 \
    if (!server.Started())                                                                         \
    GTEST_SKIP() << "no X server could be started: " << server.Why()

} // namespace

TEST_P(RealWindow, FullScreenCoversTheScreenAndShowsThePageWhole) {
    auto [width, height] = GetParam();
    START_X_SERVER(server, width, height);
    GameInstall install;
    WindowedGame game(server, install.registryFile(), {});
    ASSERT_TRUE(game.Running());
    WindowBox box;
    ASSERT_TRUE(server.WaitForWindow(box, kStartMs));
    EXPECT_TRUE(Eventually(
        [&] {
            box = server.Geometry(box.id);
            return box.x == 0 && box.y == 0 && box.width == width && box.height == height;
        },
        kRepaintMs))
        << "window " << box.width << "x" << box.height << " at (" << box.x << ", " << box.y
        << ") on a " << width << "x" << height << " screen";
    Place page = WholePageIn(box);
    EXPECT_TRUE(page.width == width || page.height == height);
    EXPECT_TRUE(Eventually([&] { return ShowsTitleScreenWhole(server, page, box); }, kStartMs));

    // Another window takes the focus and gives it back: the page is still whole.
    server.Unfocus();
    server.Focus(box.id);
    EXPECT_TRUE(Eventually([&] { return ShowsTitleScreenWhole(server, page, box); }, kRepaintMs));
    EXPECT_EQ(server.Geometry(box.id).width, width);
}

INSTANTIATE_TEST_SUITE_P(Screens, RealWindow,
                         ::testing::Values(std::make_pair(1280, 1024), std::make_pair(1920, 1080)),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" +
                                    std::to_string(info.param.second);
                         });

TEST(RealWindowed, OpensAWindowOfThePagesShapeAndKeepsThePageWholeWhenResized) {
    START_X_SERVER(server, 1280, 1024);
    GameInstall install;
    WindowedGame game(server, install.registryFile(), {"--windowed"});
    ASSERT_TRUE(game.Running());
    WindowBox box;
    ASSERT_TRUE(server.WaitForWindow(box, kStartMs));
    EXPECT_EQ(box.width * 480, box.height * 640) << box.width << "x" << box.height;
    EXPECT_LE(box.width, 1280);
    EXPECT_TRUE(
        Eventually([&] { return ShowsTitleScreenWhole(server, WholePageIn(box), box); }, kStartMs));

    // Wider than the page, then taller: bars at the sides, then above and below.
    for (auto [width, height] : {std::make_pair(1000, 500), std::make_pair(500, 700)}) {
        server.Resize(box.id, width, height);
        ASSERT_TRUE(Eventually(
            [&] {
                box = server.Geometry(box.id);
                return box.width == width && box.height == height;
            },
            kRepaintMs));
        EXPECT_TRUE(Eventually([&] { return ShowsTitleScreenWhole(server, WholePageIn(box), box); },
                               kRepaintMs))
            << "resized to " << width << "x" << height;
    }
}
