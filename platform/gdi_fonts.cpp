// Fonts: CreateFontIndirectA, GetTextMetricsA, the stock objects, and the
// Liberation Sans faces that stand in for every face name.
#include "platform/gdi_fonts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <strings.h>
#include <tuple>

#include "platform/faults.h"

namespace platform::gdi {

namespace {

constexpr char kFontDirectory[] = "/usr/share/fonts/truetype/liberation/";
// Regular and bold. Liberation Sans has Arial's metrics, so text laid out for
// Arial keeps its size and place.
constexpr const char* kFaceFiles[2] = {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"};

// Face names that are a bold face by themselves, as a full face name is in GDI.
constexpr const char* kBoldFaceNames[] = {"Arial Bold", "System"};

// Character heights are kept within these, so that no description asks for
// glyphs larger than the screen.
constexpr int kMinEm = 1;
constexpr int kMaxEm = 480;
// lfHeight 0 asks for the default: the cell of GDI's system font.
constexpr int kDefaultCellHeight = 16;
// The size at which a face's cell height is measured against its em.
constexpr int kReferenceEm = 1000;

struct StockFontEntry {
    int index;
    LOGFONTA description;
};
const StockFontEntry kStockFonts[] = {
    {SYSTEM_FONT, {16, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, VARIABLE_PITCH, "System"}},
    {DEFAULT_GUI_FONT,
     {-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "MS Shell Dlg"}},
};

struct Faces {
    // Opened faces by (file, character height, style); null when the file won't open.
    std::map<std::tuple<int, int, int>, TTF_Font*> open;
    int referenceCell[2] = {0, 0};
    bool unavailableSaid = false;
    std::map<int, HGDIOBJ> stock;
};

Faces& State() {
    // Never destroyed: the game's global destructors may still draw text.
    static Faces* faces = new Faces;
    return *faces;
}

TTF_Font* OpenFace(int file, int em, int style) {
    Faces& faces = State();
    const auto key = std::make_tuple(file, em, style);
    if (auto found = faces.open.find(key); found != faces.open.end())
        return found->second;
    const std::string path = std::string(kFontDirectory) + kFaceFiles[file];
    TTF_Font* font = nullptr;
    if (TTF_WasInit() || TTF_Init() == 0)
        font = TTF_OpenFont(path.c_str(), em);
    if (font) {
        // GDI lays text out without kerning.
        TTF_SetFontKerning(font, 0);
        TTF_SetFontStyle(font, style);
    } else if (!faces.unavailableSaid) {
        faces.unavailableSaid = true;
        std::fprintf(stderr,
                     "vocabuloon: no text can be drawn: %s: %s (package fonts-liberation)\n",
                     path.c_str(), TTF_GetError());
    }
    faces.open.emplace(key, font);
    return font;
}

// The cell height of the face at kReferenceEm, or 0 when it won't open.
int ReferenceCell(int file) {
    int& cell = State().referenceCell[file];
    if (cell == 0)
        if (TTF_Font* font = OpenFace(file, kReferenceEm, TTF_STYLE_NORMAL))
            cell = TTF_FontHeight(font);
    return cell;
}

// lfHeight: negative is the character height, positive the cell height.
int EmHeight(int file, LONG height) {
    int64_t em;
    if (height < 0) {
        em = -int64_t(height);
    } else {
        const int64_t cell = height > 0 ? height : kDefaultCellHeight;
        const int reference = ReferenceCell(file);
        em = reference ? std::llround(double(cell) * kReferenceEm / reference) : cell;
    }
    return static_cast<int>(std::clamp<int64_t>(em, kMinEm, kMaxEm));
}

bool IsBold(const LOGFONTA& description) {
    if (description.lfWeight >= FW_SEMIBOLD)
        return true;
    const std::string face(description.lfFaceName, strnlen(description.lfFaceName, LF_FACESIZE));
    for (const char* bold : kBoldFaceNames)
        if (strcasecmp(face.c_str(), bold) == 0)
            return true;
    return false;
}

int MaxAdvance(TTF_Font* font) {
    int widest = 0;
    for (Uint16 c = 0x20; c < 0x7F; ++c) {
        int advance = 0;
        if (TTF_GlyphMetrics(font, c, nullptr, nullptr, nullptr, nullptr, &advance) == 0)
            widest = std::max(widest, advance);
    }
    return widest;
}

} // namespace

int FontObject::DescriptionSize() const {
    return static_cast<int>(sizeof(LOGFONTA));
}

int FontObject::Describe(int size, void* buffer) const {
    if (size <= 0)
        return 0;
    const size_t bytes = std::min(static_cast<size_t>(size), sizeof description_);
    std::memcpy(buffer, &description_, bytes);
    return static_cast<int>(bytes);
}

ResolvedFont ResolveFont(const LOGFONTA& description) {
    ResolvedFont resolved;
    resolved.bold = IsBold(description);
    const int file = resolved.bold ? 1 : 0;
    int style = TTF_STYLE_NORMAL;
    if (description.lfItalic)
        style |= TTF_STYLE_ITALIC;
    if (description.lfUnderline)
        style |= TTF_STYLE_UNDERLINE;
    if (description.lfStrikeOut)
        style |= TTF_STYLE_STRIKETHROUGH;
    resolved.antialiased = description.lfQuality != NONANTIALIASED_QUALITY;
    const int em = EmHeight(file, description.lfHeight);
    resolved.font = OpenFace(file, em, style);
    if (resolved.font) {
        resolved.emHeight = em;
        resolved.ascent = TTF_FontAscent(resolved.font);
        resolved.height = TTF_FontHeight(resolved.font);
    }
    return resolved;
}

HGDIOBJ StockFont(int index) {
    Faces& faces = State();
    if (auto found = faces.stock.find(index); found != faces.stock.end())
        return found->second;
    for (const StockFontEntry& entry : kStockFonts) {
        if (entry.index != index)
            continue;
        auto font = std::make_unique<FontObject>(entry.description);
        font->stock = true;
        HGDIOBJ handle = AddObject(std::move(font));
        faces.stock.emplace(index, handle);
        return handle;
    }
    return nullptr;
}

void SelectDefaultFont(DeviceContext& dc) {
    HGDIOBJ font = StockFont(SYSTEM_FONT);
    dc.selected[size_t(ObjectKind::Font)] = font;
    ++FindObject(font)->selections;
}

const LOGFONTA& SelectedFont(HDC handle) {
    if (DeviceContext* dc = FindDC(handle)) {
        GdiObject* object = FindObject(dc->selected[size_t(ObjectKind::Font)]);
        if (object && object->Kind() == ObjectKind::Font)
            return static_cast<FontObject*>(object)->Description();
    }
    return static_cast<FontObject*>(FindObject(StockFont(SYSTEM_FONT)))->Description();
}

} // namespace platform::gdi

using namespace platform;

HGDIOBJ WINAPI GetStockObject(int index) {
    if (HGDIOBJ font = gdi::StockFont(index))
        return font;
    // Brushes and pens are only named (a window class's background), never
    // drawn with: an odd handle, which the object table never gives out.
    return reinterpret_cast<HGDIOBJ>(uintptr_t(0x3001) + uintptr_t(index & 0xFF) * 4);
}

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* description) {
    if (!description || faults::Injected("CreateFontIndirectA"))
        return nullptr;
    LOGFONTA copy = *description;
    copy.lfFaceName[LF_FACESIZE - 1] = '\0';
    return gdi::AddObject(std::make_unique<gdi::FontObject>(copy));
}

BOOL WINAPI GetTextMetricsA(HDC dc, LPTEXTMETRICA metrics) {
    if (!metrics || !gdi::FindDC(dc))
        return FALSE;
    const LOGFONTA& description = gdi::SelectedFont(dc);
    const gdi::ResolvedFont font = gdi::ResolveFont(description);
    if (!font.font)
        return FALSE;
    *metrics = TEXTMETRICA{};
    metrics->tmHeight = font.height;
    metrics->tmAscent = font.ascent;
    metrics->tmDescent = font.height - font.ascent;
    metrics->tmInternalLeading = font.height - font.emHeight;
    metrics->tmExternalLeading = std::max(0, TTF_FontLineSkip(font.font) - font.height);
    // The width of "x" stands in for the face's average character width.
    int average = 0;
    TTF_GlyphMetrics(font.font, 'x', nullptr, nullptr, nullptr, nullptr, &average);
    metrics->tmAveCharWidth = average;
    metrics->tmMaxCharWidth = gdi::MaxAdvance(font.font);
    metrics->tmWeight = font.bold ? FW_BOLD : FW_NORMAL;
    metrics->tmDigitizedAspectX = 96;
    metrics->tmDigitizedAspectY = 96;
    metrics->tmFirstChar = 0x1E;
    metrics->tmLastChar = 0xFF;
    metrics->tmDefaultChar = 0x1F;
    metrics->tmBreakChar = 0x20;
    metrics->tmItalic = description.lfItalic ? 1 : 0;
    metrics->tmUnderlined = description.lfUnderline ? 1 : 0;
    metrics->tmStruckOut = description.lfStrikeOut ? 1 : 0;
    // TMPF_FIXED_PITCH set means a proportional face, as GDI has it.
    metrics->tmPitchAndFamily = TMPF_FIXED_PITCH | TMPF_VECTOR | TMPF_TRUETYPE | FF_SWISS;
    metrics->tmCharSet = ANSI_CHARSET;
    return TRUE;
}
