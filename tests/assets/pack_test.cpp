// The generated pack in the build folder: exactly the manifest's files, each a
// valid bitmap or recording of the pack's format, with the colour-key rules kept.
#include "file_checks.h"
#include "tools/assetgen/manifest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

namespace {

namespace fs = std::filesystem;
using vocassets::Art;
using vocassets::AssetEntry;
using vocassets::AssetType;

const std::string kPack = VOCASSETS_PACK_DIR;

// Every bitmap of the pack, parsed once for the tests of this file.
const std::map<std::string, vbtest::Bitmap>& Bitmaps() {
    static const std::map<std::string, vbtest::Bitmap> bitmaps = [] {
        std::map<std::string, vbtest::Bitmap> out;
        for (const AssetEntry& entry : vocassets::AllAssets()) {
            if (entry.type != AssetType::Picture) {
                continue;
            }
            vbtest::Bitmap bmp;
            if (vbtest::ParseBitmap(vbtest::ReadBytes(kPack + "/" + entry.RelativePath()), bmp)
                    .empty()) {
                out.emplace(entry.file, std::move(bmp));
            }
        }
        return out;
    }();
    return bitmaps;
}

const vbtest::Bitmap& Bitmap(const std::string& file) {
    auto it = Bitmaps().find(file);
    if (it == Bitmaps().end()) {
        throw std::runtime_error("no valid bitmap " + file);
    }
    return it->second;
}

TEST(Pack, HoldsExactlyTheManifestFiles) {
    std::set<std::string> expected;
    for (const AssetEntry& entry : vocassets::AllAssets()) {
        expected.insert(entry.RelativePath());
    }
    std::set<std::string> found;
    std::uint64_t bytes = 0;
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(kPack)) {
        if (file.is_regular_file()) {
            found.insert(fs::relative(file.path(), kPack).generic_string());
            bytes += file.file_size();
        }
    }
    EXPECT_EQ(found, expected);
    EXPECT_LT(bytes, 64u * 1024 * 1024);
}

TEST(Pack, EveryPictureIsAnEightBitBitmapOfItsSize) {
    for (const AssetEntry& entry : vocassets::AllAssets()) {
        if (entry.type != AssetType::Picture) {
            continue;
        }
        vbtest::Bitmap bmp;
        std::vector<std::uint8_t> bytes = vbtest::ReadBytes(kPack + "/" + entry.RelativePath());
        ASSERT_EQ(vbtest::ParseBitmap(bytes, bmp), "") << entry.file;
        EXPECT_EQ(bmp.width, entry.picture->width) << entry.file;
        EXPECT_EQ(bmp.height, entry.picture->height) << entry.file;
        EXPECT_EQ(bmp.palette.size(), 256u) << entry.file;
    }
}

TEST(Pack, EveryRecordingIsMonoPcmAt22050Hz) {
    for (const AssetEntry& entry : vocassets::AllAssets()) {
        if (entry.type != AssetType::Recording) {
            continue;
        }
        vbtest::Recording wav;
        ASSERT_EQ(
            vbtest::ParseRecording(vbtest::ReadBytes(kPack + "/" + entry.RelativePath()), wav), "")
            << entry.file;
        EXPECT_GE(wav.samples.size(), 1u) << entry.file;
        // Speech and effects stay short; nothing in the pack runs past six seconds.
        EXPECT_LE(wav.samples.size(), 6u * 22050) << entry.file;
    }
}

TEST(PackColours, OnlyKeyedPicturesHoldTheKeyAndNothingLooksLikeIt) {
    for (const AssetEntry& entry : vocassets::AllAssets()) {
        if (entry.type != AssetType::Picture) {
            continue;
        }
        const vbtest::Bitmap& bmp = Bitmap(entry.file);
        bool keyPixels = false;
        bool lookalike = false;
        for (std::uint8_t index : bmp.pixels) {
            std::uint32_t c = bmp.palette[index];
            keyPixels = keyPixels || vbtest::IsKey(c);
            lookalike = lookalike || (vbtest::LooksLikeKey(c) && !vbtest::IsKey(c));
        }
        EXPECT_FALSE(lookalike) << entry.file << " has a colour a 16-bit display keys out";
        if (!entry.Keyed()) {
            EXPECT_FALSE(keyPixels) << entry.file << " is drawn without the key";
        }
    }
}

TEST(PackColours, KeyedShapesStandOnTheKey) {
    // Pictures that fill their whole rectangle on purpose.
    const std::set<Art> filled = {Art::Scene, Art::Backdrop, Art::Animal,
                                  Art::Caret, Art::MenuBar,  Art::Line};
    for (const AssetEntry& entry : vocassets::AllAssets()) {
        if (entry.type != AssetType::Picture || filled.contains(entry.picture->art) ||
            entry.file.find("wall") != std::string::npos) {
            continue;
        }
        const vbtest::Bitmap& bmp = Bitmap(entry.file);
        bool corner = vbtest::IsKey(bmp.ColourAt(0, 0)) ||
                      vbtest::IsKey(bmp.ColourAt(bmp.width - 1, 0)) ||
                      vbtest::IsKey(bmp.ColourAt(0, bmp.height - 1)) ||
                      vbtest::IsKey(bmp.ColourAt(bmp.width - 1, bmp.height - 1));
        EXPECT_TRUE(corner) << entry.file << " has no key colour at any corner";
    }
}

TEST(PackShapes, PointerTipIsTheClickPoint) {
    const vbtest::Bitmap& pointer = Bitmap("cursor-mouse.bmp");
    const vbtest::Bitmap& clock = Bitmap("cursor-clock.bmp");
    EXPECT_FALSE(vbtest::IsKey(pointer.ColourAt(0, 0)));
    EXPECT_TRUE(vbtest::IsKey(pointer.ColourAt(pointer.width - 1, 0)));
    EXPECT_TRUE(vbtest::IsKey(pointer.ColourAt(pointer.width - 1, pointer.height - 1)));
    EXPECT_EQ(pointer.width, clock.width);
    EXPECT_EQ(pointer.height, clock.height);
}

TEST(PackShapes, AnimationFramesDiffer) {
    for (const vocassets::PictureRow& row : vocassets::PictureRows()) {
        for (int frame = 1; frame < row.frames; ++frame) {
            std::string stem = row.name;
            const vbtest::Bitmap& a = Bitmap(stem + std::to_string(frame) + ".bmp");
            const vbtest::Bitmap& b = Bitmap(stem + std::to_string(frame + 1) + ".bmp");
            EXPECT_NE(a.pixels, b.pixels)
                << row.name << " frames " << frame << " and " << frame + 1;
        }
    }
}

// Counts the separate shapes on the key (4-connected areas of other colours).
int CountShapes(const vbtest::Bitmap& bmp) {
    std::vector<bool> seen(bmp.pixels.size(), false);
    int shapes = 0;
    for (std::size_t start = 0; start < bmp.pixels.size(); ++start) {
        if (seen[start] || vbtest::IsKey(bmp.palette[bmp.pixels[start]])) {
            continue;
        }
        ++shapes;
        std::vector<std::size_t> stack = {start};
        seen[start] = true;
        while (!stack.empty()) {
            std::size_t at = stack.back();
            stack.pop_back();
            int x = static_cast<int>(at % bmp.width);
            int y = static_cast<int>(at / bmp.width);
            const int dx[] = {1, -1, 0, 0};
            const int dy[] = {0, 0, 1, -1};
            for (int k = 0; k < 4; ++k) {
                int nx = x + dx[k];
                int ny = y + dy[k];
                if (nx < 0 || ny < 0 || nx >= bmp.width || ny >= bmp.height) {
                    continue;
                }
                std::size_t next = static_cast<std::size_t>(ny) * bmp.width + nx;
                if (!seen[next] && !vbtest::IsKey(bmp.palette[bmp.pixels[next]])) {
                    seen[next] = true;
                    stack.push_back(next);
                }
            }
        }
    }
    return shapes;
}

TEST(PackShapes, BalloonCounterFrameNShowsNBalloons) {
    for (int n = 1; n <= 10; ++n) {
        // n balloons and the plate with the number.
        EXPECT_EQ(CountShapes(Bitmap("balloon-" + std::to_string(n) + ".bmp")), n + 1) << n;
    }
    EXPECT_EQ(CountShapes(Bitmap("bigballoon1.bmp")), 1);
}

TEST(PackSounds, LoopsJoinWithoutAJump) {
    // Played looped by the game: music, engines, sirens, the saucer, the plane, the drum roll.
    for (const char* name :
         {"roundthemountain.wav", "walking.wav", "gladiator.wav", "vroom1.wav", "ufo-loop.wav",
          "airplane.wav", "drumroll-loop.wav", "truck.wav", "bicycle.wav", "ambulance.wav",
          "policecar.wav", "firetruck.wav", "race-car.wav", "race-bicycle.wav"}) {
        vbtest::Recording wav;
        ASSERT_EQ(vbtest::ParseRecording(vbtest::ReadBytes(kPack + "/Wav/" + name), wav), "");
        const std::vector<std::int16_t>& s = wav.samples;
        int largestStep = 0;
        for (std::size_t i = 1; i < s.size(); ++i) {
            largestStep = std::max(largestStep, std::abs(s[i] - s[i - 1]));
        }
        EXPECT_LE(std::abs(s.front() - s.back()), largestStep) << name;
        EXPECT_GT(largestStep, 0) << name;
    }
}

TEST(PackSounds, OneLoudnessForTheWholePack) {
    // The loudest 20 ms of every recording lies within a narrow band.
    double quietest = 1.0;
    double loudest = 0.0;
    for (const AssetEntry& entry : vocassets::AllAssets()) {
        if (entry.type != AssetType::Recording) {
            continue;
        }
        vbtest::Recording wav;
        ASSERT_EQ(
            vbtest::ParseRecording(vbtest::ReadBytes(kPack + "/" + entry.RelativePath()), wav), "");
        int peak = 0;
        for (std::int16_t v : wav.samples) {
            peak = std::max(peak, std::abs(int(v)));
        }
        EXPECT_LT(peak, 32000) << entry.file << " clips";
        double level = peak / 32768.0;
        quietest = std::min(quietest, level);
        loudest = std::max(loudest, level);
    }
    EXPECT_GT(quietest, 0.1);
    EXPECT_LT(loudest, 0.95);
}

} // namespace
