// A picture on a screen: one bitmap or a numbered series of frames, with a
// position, a layer, visibility, timed animation and movement, and a hit test.
#pragma once

#include "display/surface_list.h"
#include "platform/ddraw.h"
#include "shell/globals.h"

class ScreenObject {
  public:
    ScreenObject(const char* imageFile, const char* sound, const char* secondSound, LONG id,
                 bool visible, LONG width, LONG height, LONG frameCount, LONG layer,
                 LONG frameDelay, LONG moveDelay, LONG x, LONG y, LONG velocityX, LONG velocityY,
                 LONG group, bool clickable);
    virtual ~ScreenObject();
    ScreenObject(const ScreenObject&) = delete;
    ScreenObject& operator=(const ScreenObject&) = delete;

    virtual LONG HitTest(Point point);
    virtual bool Update(DWORD now);
    virtual void Restart() {}

    bool IsVisible() const { return visible; }
    void SetVisible(bool shown) { visible = shown; }
    LONG GetId() const { return id; }
    LONG GetLayer() const { return layer; }
    void SetLayer(LONG value) { layer = value; }
    LONG GetFrameCount() const { return frameCount; }
    LONG GetFrameDelay() const { return frameDelay; }
    void SetFrameDelay(LONG value) { frameDelay = value; }
    void SetMoveDelay(LONG value) { moveDelay = value; }
    LONG GetX() const { return position.x; }
    LONG GetY() const { return position.y; }
    void SetPosition(LONG x, LONG y) { position = {x, y}; }
    LONG GetStartX() const { return startPosition.x; }
    LONG GetStartY() const { return startPosition.y; }
    void SetStartPosition(LONG x, LONG y) { startPosition = {x, y}; }
    void ResetPosition() { position = startPosition; }
    LONG GetVelocityX() const { return velocity.x; }
    LONG GetVelocityY() const { return velocity.y; }
    void SetVelocity(LONG dx, LONG dy) { velocity = {dx, dy}; }
    LONG GetWidth() const { return size.x; }
    LONG GetHeight() const { return size.y; }
    void SetSize(LONG width, LONG height) { size = {width, height}; }
    LONG GetGroup() const { return group; }
    bool IsClickable() const { return clickable; }
    void SetClickable(bool value) { clickable = value; }
    bool IsTransparent() const { return transparent; }
    bool IsMirrored() const { return mirrored; }
    void SetMirrored(bool value) { mirrored = value; }
    const char* GetSound() const { return sound; }
    void SetSound(const char* text);
    const char* GetSecondSound() const { return secondSound; }
    const char* GetClassName() const { return className; }

    void NextFrame() { frames.Advance(); }
    void PreviousFrame() { frames.StepBack(); }
    void FirstFrame() { frames.Rewind(); }
    bool Step();
    IDirectDrawSurface4* GetCurrentSurface();

  protected:
    // The plain rectangle test, also used for hovering whatever the kind.
    LONG BaseHitTest(Point point) const;
    // Kinds write their label here and may draw without the colour key.
    void SetLabel(const char* label);
    void SetTransparent(bool value) { transparent = value; }

  private:
    void FramePath(char* path, size_t size, LONG frame) const;
    void LoadFrames();
    void RestoreFrames();

    char imageFile[80];
    char sound[80];
    char secondSound[80];
    LONG id;
    bool visible;
    LONG frameCount;
    LONG layer;
    LONG frameDelay;
    LONG moveDelay;
    Point startPosition{0, 0};
    Point position{0, 0};
    Point velocity{0, 0};
    Point size{0, 0};
    LONG group;
    bool clickable;
    SurfaceListClass frames;
    DWORD frameTimer;
    DWORD moveTimer;
    char className[30];
    bool transparent = false;
    bool mirrored = false;

    friend LONG PlainHitTest(const ScreenObject& object, Point point);
};

// The rectangle hit test of a plain object, whatever the object's kind: the map
// hover uses it even for kinds that test differently.
LONG PlainHitTest(const ScreenObject& object, Point point);
