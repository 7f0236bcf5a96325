// The generator end to end on a sample of the pack: one file of each kind of
// picture and recording, written twice into fresh folders.
#include "contact_sheet.h"
#include "file_checks.h"
#include "generator.h"
#include "png_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace {

namespace fs = std::filesystem;

// One picture of every kind of drawing and one recording of every kind of sound.
const std::vector<std::string> kSample = {"background-center.bmp",
                                          "vocabuloon-full-sp.bmp",
                                          "sailboat7.bmp",
                                          "tunnelleft.bmp",
                                          "book3.bmp",
                                          "blue-camel.bmp",
                                          "mayor-monkey.bmp",
                                          "monkey-blink.bmp",
                                          "monkey-mouth-4.bmp",
                                          "yes.bmp",
                                          "quit.bmp",
                                          "smallbubble1.bmp",
                                          "bigballoon1.bmp",
                                          "balloon-5.bmp",
                                          "alphabet-n.bmp",
                                          "car-animation2.bmp",
                                          "stopsign2.bmp",
                                          "menubar.bmp",
                                          "menubar-home.bmp",
                                          "signin-box.bmp",
                                          "textcursor.bmp",
                                          "cursor-mouse.bmp",
                                          "cursor-clock.bmp",
                                          "movingday-cutaway3.bmp",
                                          "fishingline.bmp",
                                          "countdown5.bmp",
                                          "fade2-bath3.bmp",
                                          "scrollon-sun9.bmp",
                                          "word-camel-sp.wav",
                                          "book.wav",
                                          "goodjob.wav",
                                          "camel.wav",
                                          "walking.wav",
                                          "ufo-loop.wav",
                                          "number-016-sp.wav"};

std::map<std::string, std::vector<std::uint8_t>> Files(const std::string& dir) {
    std::map<std::string, std::vector<std::uint8_t>> out;
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(dir)) {
        if (file.is_regular_file()) {
            out[fs::relative(file.path(), dir).generic_string()] =
                vbtest::ReadBytes(file.path().string());
        }
    }
    return out;
}

TEST(Generator, WritesTheSameBytesEveryRun) {
    vbtest::TempDir first;
    vbtest::TempDir second;
    vocassets::GenerateOptions options{first.Path(), 2, kSample};
    vocassets::GenerateReport report = vocassets::GeneratePack(options);
    ASSERT_TRUE(report.errors.empty()) << report.errors.front();
    EXPECT_EQ(report.pictures + report.recordings, int(kSample.size()));
    EXPECT_EQ(report.written, int(kSample.size()));

    options.outDir = second.Path();
    options.jobs = 1;
    ASSERT_TRUE(vocassets::GeneratePack(options).errors.empty());
    auto a = Files(first.Path());
    EXPECT_EQ(a.size(), kSample.size());
    EXPECT_EQ(a, Files(second.Path()));

    // A run over an up-to-date folder rewrites nothing.
    options.outDir = first.Path();
    vocassets::GenerateReport again = vocassets::GeneratePack(options);
    EXPECT_EQ(again.written, 0);
    EXPECT_EQ(again.unchanged, int(kSample.size()));
}

TEST(Generator, WritesValidFilesAndReportsUnknownNames) {
    vbtest::TempDir dir;
    vocassets::GenerateOptions options{dir.Path(), 2, {"word-camel-sp.wav", "no-such-file.bmp"}};
    vocassets::GenerateReport report = vocassets::GeneratePack(options);
    ASSERT_EQ(report.errors.size(), 1u);
    EXPECT_NE(report.errors[0].find("no-such-file.bmp"), std::string::npos);
    vbtest::Recording wav;
    ASSERT_EQ(vbtest::ParseRecording(vbtest::ReadBytes(dir.Path() + "/Wav/word-camel-sp.wav"), wav),
              "");
    // "camello" spoken takes a good part of a second, with little silence around it.
    EXPECT_GT(wav.samples.size(), 22050u / 4);
    EXPECT_LT(wav.samples.size(), 22050u * 2);
}

TEST(Generator, TakesStrayFilesOutOfAFullPack) {
    vbtest::TempDir dir;
    fs::create_directories(dir.Path() + "/Images");
    { std::ofstream(dir.Path() + "/Images/old-picture.bmp") << "x"; }
    vocassets::GenerateOptions options{dir.Path(), 2, {}};
    vocassets::GenerateReport report = vocassets::GeneratePack(options);
    ASSERT_TRUE(report.errors.empty()) << report.errors.front();
    EXPECT_EQ(report.removed, 1);
    EXPECT_FALSE(fs::exists(dir.Path() + "/Images/old-picture.bmp"));
    EXPECT_EQ(report.pictures + report.recordings, int(vocassets::AllAssets().size()));

    // The contact sheet of that pack shows every picture, none unreadable.
    vocassets::TextRenderer text(vocassets::DefaultFontPath());
    std::vector<std::string> missing;
    vocassets::Canvas sheet = vocassets::BuildContactSheet({dir.Path(), 20, ""}, text, missing);
    EXPECT_TRUE(missing.empty()) << missing.front();
    EXPECT_EQ(sheet.Width(), 20 * 160);
    std::string png = dir.Path() + "/sheet.png";
    ASSERT_TRUE(vocassets::WritePng(sheet, png));
    std::vector<std::uint8_t> bytes = vbtest::ReadBytes(png);
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 4), "PNG");
}

} // namespace
