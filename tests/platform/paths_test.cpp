#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/crt.h"
#include "platform/faults.h"
#include "support/game_run.h"

namespace {

TEST(WindowsPaths, BackslashesAreSeparatorsAndCaseIsIgnoredWhereNeeded) {
    testing_support::TempDir temp;
    mkdir((temp.path() + "/Images").c_str(), 0755);
    testing_support::WriteTextFile(temp.path() + "/Images/Arrowswitch-Left.bmp", "x");
    testing_support::WriteTextFile(temp.path() + "/Images/exact.bmp", "y");

    EXPECT_EQ(MapWindowsPath((temp.path() + "\\Images\\exact.bmp").c_str()),
              temp.path() + "/Images/exact.bmp");
    EXPECT_EQ(MapWindowsPath((temp.path() + "\\IMAGES\\arrowswitch-left.BMP").c_str()),
              temp.path() + "/Images/Arrowswitch-Left.bmp");
    // A name missing in every case stays as written, for the caller to report.
    EXPECT_EQ(MapWindowsPath((temp.path() + "\\Images\\none.bmp").c_str()),
              temp.path() + "/Images/none.bmp");
}

TEST(WindowsPaths, UnreadableFileFaultRefusesTheOpen) {
    testing_support::TempDir temp;
    std::string path = temp.path() + "\\play-sp-demo.dat";
    testing_support::WriteTextFile(temp.path() + "/play-sp-demo.dat", "x");
    FILE* file = CrtOpenFile(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    ASSERT_TRUE(platform::faults::Apply("unreadable PLAY-SP-DEMO.DAT"));
    EXPECT_EQ(CrtOpenFile(path.c_str(), "rb"), nullptr);
    platform::faults::Reset();
}

} // namespace
