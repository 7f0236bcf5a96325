#include "shell/error_handler.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/host.h"
#include "shell/error_names.h"

namespace {

using ::testing::ExitedWithCode;

class ErrorHandlerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::HostOptions options;
        options.headless = true;
        std::string why;
        ASSERT_TRUE(platform::StartHost(options, &why)) << why;
    }

    // A handler of its own, as AudioInterface holds one.
    ErrorHandler handler;
};

TEST_F(ErrorHandlerTest, FixedMessageIsShownUnderTheCallersCaption) {
    EXPECT_EXIT(
        {
            handler.SetError("Blt failed.", 0, "DisplayInterface");
            handler.ReportDirectDraw();
        },
        ExitedWithCode(1), "DisplayInterface: Blt failed\\.");
}

TEST_F(ErrorHandlerTest, CodeIsNamedFromTheDirectDrawTable) {
    EXPECT_EXIT(
        {
            handler.SetError(nullptr, static_cast<HRESULT>(0x887601C2), "DisplayInterface");
            handler.ReportDirectDraw();
        },
        ExitedWithCode(1), "DisplayInterface: DDERR_SURFACELOST\n");
}

TEST_F(ErrorHandlerTest, DirectDrawCodeIsUnknownToTheDirectSoundTable) {
    EXPECT_EXIT(
        {
            handler.SetError(nullptr, static_cast<HRESULT>(0x887601C2), "AudioInterface");
            handler.ReportDirectSound();
        },
        ExitedWithCode(1), "AudioInterface: Unknown Error #450\n");
}

TEST_F(ErrorHandlerTest, CodeIsNamedFromTheDirectSoundTable) {
    EXPECT_EXIT(
        {
            handler.SetError(nullptr, static_cast<HRESULT>(0x88780078), "AudioInterface");
            handler.ReportDirectSound();
        },
        ExitedWithCode(1), "AudioInterface: DSERR_NODRIVER\n");
}

TEST_F(ErrorHandlerTest, DirectSoundPriorityNameKeepsItsOwnSpelling) {
    EXPECT_EXIT(
        {
            handler.SetError(nullptr, static_cast<HRESULT>(0x887800A0), "AudioInterface");
            handler.ReportDirectSound();
        },
        ExitedWithCode(1), "AudioInterface: DDSERR_OTHERAPPHASPRIORITY\n");
}

TEST_F(ErrorHandlerTest, UnknownCodeShowsItsLowSixteenBits) {
    EXPECT_EXIT(
        {
            handler.SetError(nullptr, static_cast<HRESULT>(0x80004002), "DisplayInterface");
            handler.ReportDirectDraw();
        },
        ExitedWithCode(1), "DisplayInterface: Unknown Error #16386\n");
    EXPECT_EXIT(
        {
            handler.SetError(nullptr, static_cast<HRESULT>(0x8876FFFF), "DisplayInterface");
            handler.ReportDirectDraw();
        },
        ExitedWithCode(1), "DisplayInterface: Unknown Error #65535\n");
}

TEST_F(ErrorHandlerTest, LaterSetErrorReplacesTheEarlierOne) {
    EXPECT_EXIT(
        {
            handler.SetError("Couldn't load file resource.", 0, "DisplayInterface");
            handler.SetError(nullptr, static_cast<HRESULT>(0x88760078), "SurfaceListClass");
            handler.ReportDirectDraw();
        },
        ExitedWithCode(1), "SurfaceListClass: DDERR_INVALIDMODE\n");
}

TEST(ErrorNamesTest, DirectDrawTableCoversGeneralCodesAndItsRangeOnly) {
    EXPECT_STREQ(DirectDrawErrorName(0), "DD_OK");
    EXPECT_STREQ(DirectDrawErrorName(static_cast<HRESULT>(0x80070057)), "DDERR_INVALIDPARAMS");
    EXPECT_STREQ(DirectDrawErrorName(static_cast<HRESULT>(0x88760005)), "DDERR_ALREADYINITIALIZED");
    EXPECT_STREQ(DirectDrawErrorName(static_cast<HRESULT>(0x887602B7)), "DDERR_VIDEONOTACTIVE");
    EXPECT_STREQ(DirectDrawErrorName(static_cast<HRESULT>(0x88760180)),
                 "DDERR_OVERLAYCOLORKEYONLYONEACTIVE");
    // Gaps in the range and DirectSound's own codes have no name here.
    EXPECT_EQ(DirectDrawErrorName(static_cast<HRESULT>(0x88760001)), nullptr);
    EXPECT_EQ(DirectDrawErrorName(static_cast<HRESULT>(0x80004002)), nullptr);
    EXPECT_EQ(DirectDrawErrorName(static_cast<HRESULT>(0x88780078)), nullptr);
}

TEST(ErrorNamesTest, DirectSoundTableHasItsSeventeenCodesOnly) {
    EXPECT_STREQ(DirectSoundErrorName(0), "DS_OK");
    EXPECT_STREQ(DirectSoundErrorName(static_cast<HRESULT>(0x8878000A)), "DS_ALLOCATED");
    EXPECT_STREQ(DirectSoundErrorName(static_cast<HRESULT>(0x80004002)), "DSERR_NOINTERFACE");
    EXPECT_STREQ(DirectSoundErrorName(static_cast<HRESULT>(0x887800AA)), "DSERR_UNINITIALIZED");
    EXPECT_EQ(DirectSoundErrorName(static_cast<HRESULT>(0x88780014)), nullptr);
    EXPECT_EQ(DirectSoundErrorName(static_cast<HRESULT>(0x887601C2)), nullptr);
}

} // namespace
