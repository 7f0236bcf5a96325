#include "scene/object_kinds.h"

#include <array>
#include <new>
#include <span>

#include "platform/mmsystem.h"
#include "scene/creation_record.h"
#include "scene/screen_object.h"
#include "shell/error_handler.h"
#include "shell/globals.h"

namespace {

// A screen area answering a hit code; all four edges are excluded.
struct HitRegion {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
    LONG code;
};

// clang-format off
constexpr HitRegion kLeftTunnelAreas[] = {{0, 420, 408, 479, 1}, {409, 327, 639, 479, 1}};
constexpr HitRegion kRightTunnelAreas[] = {{0, 313, 187, 479, 1}, {188, 420, 639, 479, 1}};
constexpr HitRegion kHouseRooms[] = {
    {47, 127, 177, 266, 1}, {183, 101, 371, 257, 2}, {59, 275, 179, 439, 3}, {187, 270, 347, 440, 4}};
// clang-format on

// The nine name rows, 31 pixels apart, as the name panel draws them.
constexpr auto kSignInRows = [] {
    std::array<HitRegion, 9> rows{};
    for (LONG row = 1; row <= 9; ++row)
        rows[row - 1] = {340, 54 + 31 * (row - 1), 565, 73 + 31 * (row - 1), row};
    return rows;
}();

std::span<const HitRegion> RegionsOf(Behaviour behaviour) {
    switch (behaviour) {
    case Behaviour::LeftTunnel:
        return kLeftTunnelAreas;
    case Behaviour::RightTunnel:
        return kRightTunnelAreas;
    case Behaviour::HouseCutaway:
        return kHouseRooms;
    case Behaviour::SignInBox:
        return kSignInRows;
    default:
        return {};
    }
}

// Every kind: the label and the colour key, plus a frame clock for the kinds
// whose update steps frames under their own rules.
class KindObject : public ScreenObject {
  public:
    explicit KindObject(const CreationRecord& record)
        : ScreenObject(record.picture, record.sound, record.secondSound, record.id, record.shown, 0,
                       0, record.frames, record.layer, record.frameDelay, record.moveDelay,
                       record.x, record.y, record.velocityX, record.velocityY, record.group,
                       record.clickable),
          frameClock(timeGetTime()) {
        if (record.kind.label)
            SetLabel(record.kind.label);
        if (record.kind.opaque)
            SetTransparent(false);
    }

  protected:
    // The plain frame step; whether the object must be shown is the caller's.
    bool AdvanceFrame(DWORD now, bool needsVisible) {
        LONG delay = GetFrameDelay();
        if (GetFrameCount() <= 1 || delay <= 0 || (needsVisible && !IsVisible()) ||
            now - frameClock < static_cast<DWORD>(delay))
            return false;
        NextFrame();
        frameClock = now;
        return true;
    }

  private:
    DWORD frameClock;
};

// Hit codes from fixed screen areas instead of the object's rectangle.
class RegionObject : public KindObject {
  public:
    RegionObject(const CreationRecord& record, std::span<const HitRegion> areas)
        : KindObject(record), regions(areas) {}

    LONG HitTest(Point point) override {
        if (!IsClickable())
            return 0;
        for (const HitRegion& region : regions)
            if (region.left < point.x && point.x < region.right && region.top < point.y &&
                point.y < region.bottom)
                return region.code;
        return 0;
    }

  private:
    std::span<const HitRegion> regions;
};

// The carousel highlight keeps in step with the carousel even while hidden;
// its hit area ends at fixed right and bottom edges.
class CarouselObject : public KindObject {
  public:
    using KindObject::KindObject;

    LONG HitTest(Point point) override {
        if (!IsClickable())
            return 0;
        return GetX() < point.x && point.x < 570 && GetY() < point.y && point.y < 222 ? 1 : 0;
    }
    bool Update(DWORD now) override { return AdvanceFrame(now, false); }
};

// Swims back and forth, facing its way. It moves on its own clock at the move
// delay it was made with (0 would not stop it: it moves at every update), and
// answers only frame changes.
class FishObject : public KindObject {
  public:
    explicit FishObject(const CreationRecord& record)
        : KindObject(record), moveDelay(record.moveDelay), moveClock(timeGetTime()) {}

    bool Update(DWORD now) override {
        bool advanced = AdvanceFrame(now, true);
        bool still = GetVelocityX() == 0 && GetVelocityY() == 0;
        if (!still && IsVisible() && now - moveClock >= static_cast<DWORD>(moveDelay)) {
            SetPosition(GetX() + GetVelocityX(), GetY() + GetVelocityY());
            moveClock = now;
        }
        if (GetX() > 640) {
            SetVelocity(-2, 0);
            SetMirrored(true);
        } else if (GetX() < -100) {
            SetVelocity(2, 0);
            SetMirrored(false);
        }
        return advanced;
    }

  private:
    LONG moveDelay;
    DWORD moveClock;
};

// Runs through its frames once after each Restart and stays on the last.
class PlaneObject : public KindObject {
  public:
    using KindObject::KindObject;

    bool Update(DWORD now) override {
        bool advanced = AdvanceFrame(now, true);
        if (advanced && ++advances == kAdvancesPerRun)
            SetFrameDelay(0);
        // The base does the movement; its frame step is already done here.
        LONG delay = GetFrameDelay();
        SetFrameDelay(0);
        bool moved = ScreenObject::Update(now);
        SetFrameDelay(delay);
        return advanced || moved;
    }
    void Restart() override { advances = 0; }

  private:
    static constexpr LONG kAdvancesPerRun = 22;
    LONG advances = 0;
};

// A click flips the sign between its normal and pressed pictures.
class StopSignObject : public KindObject {
  public:
    using KindObject::KindObject;

    LONG HitTest(Point point) override {
        LONG code = BaseHitTest(point);
        if (code != 0)
            NextFrame();
        return code;
    }
};

template <class Kind, class... Extra>
ScreenObject* Make(const CreationRecord& record, Extra... extra) {
    ScreenObject* object = new (std::nothrow) Kind(record, extra...);
    if (!object) {
        errorHandler.SetError("Memory allocation failed.", 0, "ResourceHandler");
        errorHandler.ReportDirectDraw();
    }
    return object;
}

} // namespace

ScreenObject* CreateObject(const CreationRecord& record) {
    switch (record.kind.behaviour) {
    case Behaviour::LeftTunnel:
    case Behaviour::RightTunnel:
    case Behaviour::HouseCutaway:
    case Behaviour::SignInBox:
        return Make<RegionObject>(record, RegionsOf(record.kind.behaviour));
    case Behaviour::Carousel:
        return Make<CarouselObject>(record);
    case Behaviour::Fish:
        return Make<FishObject>(record);
    case Behaviour::Plane:
        return Make<PlaneObject>(record);
    case Behaviour::StopSign:
        return Make<StopSignObject>(record);
    case Behaviour::Plain:
        break;
    }
    return Make<KindObject>(record);
}
