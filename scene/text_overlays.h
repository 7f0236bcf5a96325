// The three text overlays. Each draws its text with GDI into a surface of its
// own, filled first with its colour key, and the render pass copies that
// surface, keyed, onto the page at the overlay's layer: the word of a word
// bubble, the nine name rows of the sign-in box, and the number signs.
#pragma once

#include <string>

#include "platform/ddraw.h"

// One word centred in a 100x70 box at a screen position.
class WordText {
  public:
    WordText();
    ~WordText();
    WordText(const WordText&) = delete;
    WordText& operator=(const WordText&) = delete;

    void CreateSurface(IDirectDraw4* directDraw);
    // Shows text (at most 19 characters are kept) with the box's top-left
    // corner at (x, y). Styles 1 and 2 centre the word in the whole box, 3 and
    // 4 in its lower part. The box is always 100 wide: width is not used.
    void SetText(const char* word, LONG x, LONG y, LONG drawLayer, LONG width, LONG placement);
    void Hide() { visible = false; }
    bool IsVisible() const { return visible; }
    LONG GetLayer() const { return layer; }
    const char* GetText() const { return text; }
    // Redraws the word if the surface was lost, then copies the box onto the page.
    void Draw();
    void ReleaseSurface();

  private:
    void DrawWord();

    IDirectDraw4* directDraw;
    IDirectDrawSurface4* surface;
    char text[20];
    LONG x;
    LONG y;
    bool visible;
    LONG layer;
    const char* className;
    LONG style;
};

// The nine name rows of the sign-in box. The current row holds the caret "|"
// at the insertion point while a row is selected.
class NamePanel {
  public:
    static constexpr int kRows = 9;
    // A name holds at most this many characters.
    static constexpr size_t kMaxNameLength = 17;

    NamePanel();
    ~NamePanel();
    NamePanel(const NamePanel&) = delete;
    NamePanel& operator=(const NamePanel&) = delete;

    void CreateSurface(IDirectDraw4* directDraw);
    void SetVisible(bool shown) { visible = shown; }
    bool IsVisible() const { return visible; }
    LONG GetLayer() const { return layer; }

    // row 0 to 8; replacing the current row's text takes its caret away.
    void SetRow(LONG row, const char* name);
    // row 1 to 9: moves the caret to the end of row - 1, which becomes current.
    void SelectRow(LONG row);
    void InsertAtCaret(const char* characters);
    void Backspace();
    void CaretLeft();
    void CaretRight();
    // A row that holds anything becomes the caret alone.
    void ClearRow();
    // The current row without its caret.
    std::string GetRowName() const;
    bool RowHasName() const;
    LONG GetCurrentRow() const { return currentRow; }
    // A row as drawn, caret included ("" for a row outside 0 to 8).
    const std::string& GetRowText(LONG row) const;

    // Draws the rows into the surface and copies it onto the whole page.
    void Draw();
    void ReleaseSurface();

  private:
    static constexpr size_t kNoCaret = std::string::npos;
    std::string& Current() { return rows[currentRow]; }
    const std::string& Current() const { return rows[currentRow]; }
    void DrawRows();

    LONG currentRow;
    std::string rows[kRows];
    // Where the caret stands in the current row, or kNoCaret: a name read from
    // the progress file may itself hold a "|".
    size_t caret;
    bool visible;
    LONG layer;
    IDirectDraw4* directDraw;
    IDirectDrawSurface4* surface;
};

// Five short numbers on signs, along the bottom (layout 1) or down the right
// edge (layout 2).
class NumberPanel {
  public:
    static constexpr int kSlots = 5;

    NumberPanel();
    ~NumberPanel();
    NumberPanel(const NumberPanel&) = delete;
    NumberPanel& operator=(const NumberPanel&) = delete;

    void CreateSurface(IDirectDraw4* directDraw);
    void SetVisible(bool shown) { visible = shown; }
    bool IsVisible() const { return visible; }
    LONG GetLayer() const { return layer; }
    // slot 0 to 4; the value is written in decimal (three digits at most are kept).
    void SetNumber(LONG value, LONG slot);
    void ClearNumbers();
    // 1 or 2; any other value leaves the layout as it is.
    void SetLayout(LONG arrangement);
    LONG GetLayout() const { return layout; }
    const char* GetNumber(LONG slot) const;

    // Draws the signs into the surface and copies it onto the whole page.
    void Draw();
    void ReleaseSurface();

  private:
    void DrawSlots();

    char slots[kSlots][4];
    bool visible;
    LONG layer;
    IDirectDraw4* directDraw;
    IDirectDrawSurface4* surface;
    LONG layout;
    bool drawn = false; // the surface holds the slots as they are
};
