#include "scene/screen_object.h"

#include <cstdio>
#include <cstring>

#include "display/display_interface.h"
#include "platform/mmsystem.h"

namespace {

// Copies text into a fixed field, cut to fit.
template <size_t N> void CopyField(char (&field)[N], const char* text) {
    std::snprintf(field, N, "%s", text ? text : "");
}

} // namespace

ScreenObject::ScreenObject(const char* imageFileName, const char* soundName,
                           const char* secondSoundName, LONG objectId, bool shown, LONG width,
                           LONG height, LONG frames_, LONG layer_, LONG frameDelay_,
                           LONG moveDelay_, LONG x, LONG y, LONG velocityX, LONG velocityY,
                           LONG group_, bool clickable_)
    : id(objectId), visible(shown), frameCount(frames_), layer(layer_), frameDelay(frameDelay_),
      moveDelay(moveDelay_), group(group_), clickable(clickable_) {
    CopyField(imageFile, imageFileName);
    CopyField(sound, soundName);
    CopyField(secondSound, secondSoundName);
    size = {width, height};
    startPosition = {x, y};
    position = {x, y};
    velocity = {velocityX, velocityY};
    CopyField(className, "ScreenObject");
    frameTimer = moveTimer = timeGetTime();
    LoadFrames();
    transparent = true;
}

ScreenObject::~ScreenObject() = default;

void ScreenObject::SetSound(const char* text) { CopyField(sound, text); }
void ScreenObject::SetLabel(const char* label) { CopyField(className, label); }

void ScreenObject::FramePath(char* path, size_t size_, LONG frame) const {
    if (frame > 0)
        std::snprintf(path, size_, "%s%s%d.bmp", imagePath, imageFile, static_cast<int>(frame));
    else
        std::snprintf(path, size_, "%s%s", imagePath, imageFile);
}

void ScreenObject::LoadFrames() {
    char path[256];
    LONG width = 0, height = 0;
    if (frameCount > 1) {
        for (LONG n = 1; n <= frameCount; ++n) {
            FramePath(path, sizeof path, n);
            frames.Add(display.LoadBitmapSurface(path, width, height));
        }
    } else {
        FramePath(path, sizeof path, 0);
        frames.Add(display.LoadBitmapSurface(path, width, height));
    }
    size = {width, height};
}

void ScreenObject::RestoreFrames() {
    char path[256];
    if (frameCount > 1) {
        // Newest node holds the last frame: walk back counting down.
        SurfaceListNode* node = frames.GetNewest();
        for (LONG n = frameCount; n >= 1 && node; --n, node = node->GetOlder()) {
            FramePath(path, sizeof path, n);
            display.ReloadBitmap(path, node->GetSurface(), size.x, size.y);
        }
    } else {
        FramePath(path, sizeof path, 0);
        display.ReloadBitmap(path, frames.GetCurrent()->GetSurface(), size.x, size.y);
    }
}

IDirectDrawSurface4* ScreenObject::GetCurrentSurface() {
    IDirectDrawSurface4* surface = frames.GetCurrent()->GetSurface();
    if (surface->IsLost() != DD_OK)
        RestoreFrames();
    return surface;
}

bool ScreenObject::Update(DWORD now) {
    bool changed = false;
    if (frameCount > 1 && visible && frameDelay > 0 &&
        now - frameTimer >= static_cast<DWORD>(frameDelay)) {
        frames.Advance();
        frameTimer = now;
        changed = true;
    }
    if (moveDelay != 0 && visible && now - moveTimer >= static_cast<DWORD>(moveDelay)) {
        position.x += velocity.x;
        position.y += velocity.y;
        moveTimer = now;
        return true;
    }
    return changed;
}

bool ScreenObject::Step() {
    if (!visible || (velocity.x == 0 && velocity.y == 0))
        return false;
    position.x += velocity.x;
    position.y += velocity.y;
    return true;
}

LONG ScreenObject::BaseHitTest(Point point) const {
    if (!clickable)
        return 0;
    bool inside = position.x < point.x && point.x < position.x + size.x && position.y < point.y &&
                  point.y < position.y + size.y;
    return inside ? 1 : 0;
}

LONG ScreenObject::HitTest(Point point) { return BaseHitTest(point); }

LONG PlainHitTest(const ScreenObject& object, Point point) { return object.BaseHitTest(point); }
