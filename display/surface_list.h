// The frames of one animated sprite: surfaces in loading order with a current
// frame that steps forward and back with wrap-around. The list owns them.
#pragma once

#include "platform/ddraw.h"

class SurfaceListNode {
  public:
    IDirectDrawSurface4* GetSurface() const { return surface; }
    SurfaceListNode* GetOlder() const { return older; }
    SurfaceListNode* GetNewer() const { return newer; }

  private:
    friend class SurfaceListClass;

    IDirectDrawSurface4* surface = nullptr;
    SurfaceListNode* older = nullptr;
    SurfaceListNode* newer = nullptr;
};

class SurfaceListClass {
  public:
    SurfaceListClass();
    ~SurfaceListClass();
    SurfaceListClass(const SurfaceListClass&) = delete;
    SurfaceListClass& operator=(const SurfaceListClass&) = delete;

    // Appends the surface as the newest frame; the list now owns it.
    void Add(IDirectDrawSurface4* surface);
    // Removes the newest frame and releases its surface.
    void RemoveNewest();
    // Releases every surface, newest first.
    void Clear();
    void Advance();
    void StepBack();
    void Rewind();

    SurfaceListNode* GetCurrent() const { return current; }
    SurfaceListNode* GetNewest() const { return newest; }

  private:
    SurfaceListNode* newest;
    SurfaceListNode* first;
    SurfaceListNode* current;
    const char* name;
};
