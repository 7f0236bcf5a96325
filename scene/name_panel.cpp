// The nine name rows of the sign-in box, and the typing in them.
#include <algorithm>

#include "display/display_interface.h"
#include "scene/overlay_surface.h"
#include "scene/point_font.h"
#include "scene/text_overlays.h"
#include "shell/globals.h"

namespace {

constexpr char kCaret = '|';
constexpr LONG kLayer = 8;
constexpr DWORD kColourKey = 0xFFFF00;
constexpr const char kCaption[] = "NamePanel";
constexpr const char kFace[] = "arial bold";
constexpr int kLargeSize = 180;
constexpr int kSmallSize = 80;

// Rows share left 344 and right 565; they match the sign-in box's nine hit regions.
constexpr LONG kRowLeft = 344;
constexpr LONG kRowRight = 565;
struct RowSpan {
    LONG top;
    LONG bottom;
};
constexpr RowSpan kRowSpans[NamePanel::kRows] = {
    {54, 73},   {85, 104},  {116, 135}, {147, 166}, {178, 197},
    {209, 228}, {240, 259}, {271, 290}, {302, 321},
};

} // namespace

NamePanel::NamePanel()
    : currentRow(0), caret(0), visible(false), layer(kLayer), directDraw(nullptr),
      surface(nullptr) {
    rows[0] = std::string(1, kCaret);
}

NamePanel::~NamePanel() {
    ReleaseSurface();
}

void NamePanel::CreateSurface(IDirectDraw4* owner) {
    directDraw = owner;
    surface =
        CreateOverlaySurface(directDraw, 640, 480, DDSCAPS_SYSTEMMEMORY, kColourKey, kCaption);
}

void NamePanel::SetRow(LONG row, const char* name) {
    if (row < 0 || row >= kRows)
        return;
    rows[row] = name ? name : "";
    if (row == currentRow)
        caret = kNoCaret;
}

void NamePanel::SelectRow(LONG row) {
    if (row < 1 || row > kRows)
        return;
    if (caret != kNoCaret)
        Current().erase(caret, 1);
    currentRow = row - 1;
    caret = Current().size();
    Current() += kCaret;
}

void NamePanel::InsertAtCaret(const char* characters) {
    if (caret == kNoCaret || !characters || Current().size() > kMaxNameLength)
        return;
    // Callers give one character; longer text is cut so that the limit holds.
    std::string inserted(characters);
    inserted.resize(std::min(inserted.size(), kMaxNameLength + 1 - Current().size()));
    Current().insert(caret, inserted);
    caret += inserted.size();
}

void NamePanel::Backspace() {
    if (caret == kNoCaret || caret == 0)
        return;
    Current().erase(caret - 1, 1);
    --caret;
}

void NamePanel::CaretLeft() {
    if (caret == kNoCaret || caret == 0)
        return;
    std::swap(Current()[caret - 1], Current()[caret]);
    --caret;
}

void NamePanel::CaretRight() {
    if (caret == kNoCaret || caret + 1 >= Current().size())
        return;
    std::swap(Current()[caret], Current()[caret + 1]);
    ++caret;
}

void NamePanel::ClearRow() {
    if (Current().empty())
        return;
    Current() = std::string(1, kCaret);
    caret = 0;
}

std::string NamePanel::GetRowName() const {
    std::string name = Current();
    if (caret != kNoCaret)
        name.erase(caret, 1);
    return name;
}

bool NamePanel::RowHasName() const {
    return !GetRowName().empty();
}

const std::string& NamePanel::GetRowText(LONG row) const {
    static const std::string none;
    return row >= 0 && row < kRows ? rows[row] : none;
}

void NamePanel::DrawRows() {
    HDC dc = BeginOverlayDrawing(surface, kColourKey, kCaption);
    HFONT font = CreatePointFont(dc, kFace, ntFontSizes ? kLargeSize : kSmallSize, 0, 0, false);
    SelectObject(dc, font);
    for (int row = 0; row < kRows; ++row) {
        if (rows[row].empty())
            continue;
        RECT box{kRowLeft, kRowSpans[row].top, kRowRight, kRowSpans[row].bottom};
        // A name too long for its row runs on rather than being cut.
        DrawTextA(dc, rows[row].c_str(), -1, &box,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    }
    DropOverlayFont(dc, font);
    EndOverlayDrawing(surface, dc);
}

void NamePanel::Draw() {
    if (!surface)
        return;
    DrawRows();
    display.Blit(0, 0, 640, 480, surface, true, false);
}

void NamePanel::ReleaseSurface() {
    ReleaseOverlaySurface(surface);
}
