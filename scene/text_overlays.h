// The three text overlays drawn by the render pass at their layers: the word
// bubble, the name rows of the sign-in, and the number signs.
#pragma once

#include "platform/ddraw.h"

class TextOverlay {
  public:
    virtual ~TextOverlay() = default;
    virtual void Init(IDirectDraw4* directDraw) { (void)directDraw; }
    virtual bool IsVisible() const { return visible; }
    virtual LONG GetLayer() const { return layer; }
    virtual void Draw() {}

  protected:
    bool visible = false;
    LONG layer = 0;
};

class WordText : public TextOverlay {};
class NamePanel : public TextOverlay {};
class NumberPanel : public TextOverlay {};
