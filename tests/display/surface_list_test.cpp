#include "display/surface_list.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "display_test_support.h"
#include "platform/testing.h"

namespace {

// Set by a test: the next non-throwing allocation fails, as when memory runs out.
bool failNextNothrowAllocation = false;

} // namespace

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    if (failNextNothrowAllocation) {
        failNextNothrowAllocation = false;
        return nullptr;
    }
    try {
        return ::operator new(size);
    } catch (...) {
        return nullptr;
    }
}

namespace {

using ::testing::ExitedWithCode;

// A frame surface that writes its name into a shared log when released.
class NamedSurface : public IDirectDrawSurface4 {
  public:
    NamedSurface(std::string label, std::vector<std::string>& log) : label(label), log(log) {}

    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return ++references; }
    ULONG Release() override {
        log.push_back(label);
        return --references;
    }
    HRESULT Blt(LPRECT, IDirectDrawSurface4*, LPRECT, DWORD, LPDDBLTFX) override { return S_OK; }
    HRESULT BltFast(DWORD, DWORD, IDirectDrawSurface4*, LPRECT, DWORD) override { return S_OK; }
    HRESULT Flip(IDirectDrawSurface4*, DWORD) override { return S_OK; }
    HRESULT GetAttachedSurface(LPDDSCAPS2, IDirectDrawSurface4**) override { return E_FAIL; }
    HRESULT SetClipper(IDirectDrawClipper*) override { return S_OK; }
    HRESULT SetColorKey(DWORD, LPDDCOLORKEY) override { return S_OK; }
    HRESULT GetSurfaceDesc(LPDDSURFACEDESC2) override { return S_OK; }
    HRESULT IsLost() override { return S_OK; }
    HRESULT Restore() override { return S_OK; }
    HRESULT GetDC(HDC*) override { return E_FAIL; }
    HRESULT ReleaseDC(HDC) override { return S_OK; }

    ULONG references = 1;

  private:
    std::string label;
    std::vector<std::string>& log;
};

class SurfaceListTest : public ::testing::Test {
  protected:
    IDirectDrawSurface4* Current() const { return list.GetCurrent()->GetSurface(); }

    std::vector<std::string> released;
    NamedSurface a{"A", released};
    NamedSurface b{"B", released};
    NamedSurface c{"C", released};
    SurfaceListClass list;
};

TEST_F(SurfaceListTest, ThreeFramesStepWithWrapAround) {
    list.Add(&a);
    list.Add(&b);
    list.Add(&c);
    EXPECT_EQ(Current(), &a);
    list.Advance();
    EXPECT_EQ(Current(), &b);
    list.Advance();
    EXPECT_EQ(Current(), &c);
    list.Advance();
    EXPECT_EQ(Current(), &a);
    list.StepBack();
    EXPECT_EQ(Current(), &c);
    list.StepBack();
    EXPECT_EQ(Current(), &b);
    list.Rewind();
    EXPECT_EQ(Current(), &a);

    // The links lead from the newest back to the first and forward again.
    SurfaceListNode* newest = list.GetNewest();
    EXPECT_EQ(newest->GetSurface(), &c);
    EXPECT_EQ(newest->GetNewer(), nullptr);
    EXPECT_EQ(newest->GetOlder()->GetSurface(), &b);
    EXPECT_EQ(newest->GetOlder()->GetOlder()->GetSurface(), &a);
    EXPECT_EQ(newest->GetOlder()->GetOlder()->GetOlder(), nullptr);
    EXPECT_EQ(newest->GetOlder()->GetNewer(), newest);
}

TEST_F(SurfaceListTest, OneFrameStaysCurrent) {
    list.Add(&a);
    list.Advance();
    EXPECT_EQ(Current(), &a);
    list.StepBack();
    EXPECT_EQ(Current(), &a);
    list.Rewind();
    EXPECT_EQ(Current(), &a);
}

TEST_F(SurfaceListTest, ClearReleasesNewestFirstAndEmptiesTheList) {
    list.Add(&a);
    list.Add(&b);
    list.Add(&c);
    list.Advance();
    list.Clear();
    EXPECT_EQ(released, (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_EQ(list.GetNewest(), nullptr);
    EXPECT_EQ(list.GetCurrent(), nullptr);
    EXPECT_EQ(a.references + b.references + c.references, 0u);

    // Stepping an empty list changes nothing; a new first frame is current.
    list.Advance();
    list.StepBack();
    list.Rewind();
    EXPECT_EQ(list.GetCurrent(), nullptr);
    a.references = 1;
    list.Add(&a);
    EXPECT_EQ(Current(), &a);
    EXPECT_EQ(list.GetNewest()->GetOlder(), nullptr);
    list.Add(&b);
    list.Advance();
    EXPECT_EQ(Current(), &b);
    list.Advance();
    EXPECT_EQ(Current(), &a);
}

TEST_F(SurfaceListTest, RemovingTheCurrentNewestFrameMakesTheOlderOneCurrent) {
    list.Add(&a);
    list.Add(&b);
    list.StepBack();
    ASSERT_EQ(Current(), &b);
    list.RemoveNewest();
    EXPECT_EQ(released, std::vector<std::string>{"B"});
    EXPECT_EQ(Current(), &a);
    EXPECT_EQ(list.GetNewest()->GetNewer(), nullptr);
    list.Advance();
    EXPECT_EQ(Current(), &a);
    list.RemoveNewest();
    list.RemoveNewest(); // already empty: nothing to release
    EXPECT_EQ(released, (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(list.GetCurrent(), nullptr);
}

TEST_F(SurfaceListTest, DestructionReleasesEveryFrame) {
    {
        SurfaceListClass frames;
        frames.Add(&a);
        frames.Add(&b);
    }
    EXPECT_EQ(released, (std::vector<std::string>{"B", "A"}));
}

TEST(SurfaceListFramesTest, ClearingAListOfLoadedFramesReleasesEveryOne) {
    ASSERT_NE(displaytest::TestWindow(), nullptr);
    DisplayInterface display;
    displaytest::InitDisplay(display);
    const int before = platform::testhooks::LiveSurfaceCount();
    SurfaceListClass frames;
    for (int n = 0; n < 4; ++n) {
        frames.Add(display.CreateKeyedSurface(8, 8));
    }
    EXPECT_EQ(platform::testhooks::LiveSurfaceCount(), before + 4);
    frames.Clear();
    EXPECT_EQ(platform::testhooks::LiveSurfaceCount(), before);
}

TEST_F(SurfaceListTest, FailedNodeAllocationIsFatal) {
    std::string why;
    ASSERT_TRUE(displaytest::StartHeadlessHost(&why)) << why;
    EXPECT_EXIT(
        {
            failNextNothrowAllocation = true;
            list.Add(&a);
        },
        ExitedWithCode(1), "SurfaceListClass: SurfaceList error: Memory allocation failed\\.\n");
}

} // namespace
