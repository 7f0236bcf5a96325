// Interface pictures: buttons, question panels, bubbles, the menu bar, the
// sign-in box, letters, signs and the two cursor pictures.
#include "paint_parts.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>

namespace vocassets {

void PaintButton(Canvas& c, const Paint& p) {
    int radius = std::min(p.W(), p.H()) / 3;
    int line = p.H() >= 30 ? 3 : 1;
    c.OutlinedRoundRect(0, 0, p.W(), p.H(), radius, p.fill, kOutline, line);
    if (p.H() >= 30) {
        c.FillRoundRect(6, 5, p.W() - 12, p.H() / 4, radius / 2, Shade(p.fill, 1.25));
    }
    int size = p.text.FitSize(p.caption, p.W() - 8, p.H() - 2 * line, 30);
    p.text.Draw(c, p.caption, size, p.W() / 2, p.H() / 2, TextOn(p.fill));
}

namespace {

// Where the game's invisible yes, no and OK click areas fall on each question
// panel and popup (their screen places less the panel's), so that the panel
// shows the child what to click.
struct PanelButton {
    const char* panel; // a name, or the start of names ending with the panel's number
    const char* caption;
    int x, y, width, height;
    Colour fill;
};

constexpr Colour kYesFill = 0x30A040;
constexpr Colour kNoFill = 0xD04040;
constexpr Colour kOkFill = 0x3070D0;

const PanelButton kPanelButtons[] = {
    {"quit.bmp", "Yes", 46, 105, 60, 40, kYesFill},
    {"quit.bmp", "No", 116, 105, 60, 40, kNoFill},
    {"playagain.bmp", "Yes", 46, 105, 60, 40, kYesFill},
    {"playagain.bmp", "No", 116, 105, 60, 40, kNoFill},
    // The classroom shows these at (109, 245), its yes and no 99 below.
    {"quit2.bmp", "Yes", 46, 99, 60, 40, kYesFill},
    {"quit2.bmp", "No", 116, 99, 60, 40, kNoFill},
    {"playagain2.bmp", "Yes", 46, 99, 60, 40, kYesFill},
    {"playagain2.bmp", "No", 116, 99, 60, 40, kNoFill},
    {"continue2.bmp", "Yes", 46, 99, 60, 40, kYesFill},
    {"continue2.bmp", "No", 116, 99, 60, 40, kNoFill},
    // The days show theirs at (216, 228), its yes and no 157 below.
    {"playagain4.bmp", "Yes", 46, 157, 60, 40, kYesFill},
    {"playagain4.bmp", "No", 116, 157, 60, 40, kNoFill},
    {"quit3.bmp", "Yes", 58, 105, 60, 40, kYesFill},
    {"quit3.bmp", "No", 128, 105, 60, 40, kNoFill},
    {"continue3.bmp", "Yes", 58, 105, 60, 40, kYesFill},
    {"continue3.bmp", "No", 128, 105, 60, 40, kNoFill},
    {"playagain3.bmp", "Yes", 58, 105, 60, 40, kYesFill},
    {"playagain3.bmp", "No", 128, 105, 60, 40, kNoFill},
    {"popupwelcome.bmp", "OK", 241, 282, 80, 40, kOkFill},
};

// The place popups other than the welcome share one OK place.
constexpr PanelButton kPopupOk = {"popup", "OK", 241, 191, 80, 40, kOkFill};

void PaintPanelButton(Canvas& c, const Paint& p, const PanelButton& button) {
    if (button.x + button.width > p.W() || button.y + button.height > p.H())
        return;
    c.OutlinedRoundRect(button.x, button.y, button.width, button.height, 12, button.fill, kOutline,
                        2);
    int size = p.text.FitSize(button.caption, button.width - 8, button.height - 6, 24);
    p.text.Draw(c, button.caption, size, button.x + button.width / 2, button.y + button.height / 2,
                TextOn(button.fill));
}

} // namespace

void PaintPanel(Canvas& c, const Paint& p) {
    c.OutlinedRoundRect(0, 0, p.W(), p.H(), 18, p.fill, kOutline, 4);
    // The yes and no buttons are laid on the lower part from 100 pixels down.
    int textH = std::min(90, p.H() - 70);
    int size = p.text.FitSize(p.caption, p.W() - 24, textH, 34);
    p.text.Draw(c, p.caption, size, p.W() / 2, 10 + textH / 2, TextOn(p.fill));
    bool drawn = false;
    for (const PanelButton& button : kPanelButtons) {
        if (std::string_view(p.row.name) == button.panel) {
            PaintPanelButton(c, p, button);
            drawn = true;
        }
    }
    if (!drawn && std::string_view(p.row.name).starts_with("popup"))
        PaintPanelButton(c, p, kPopupOk);
}

void PaintBubble(Canvas& c, const Paint& p) {
    bool lower = p.NameHas("bubble3") || p.NameHas("bubble4");
    bool tail = !p.NameHas("circle");
    double top = lower ? p.H() * 0.25 : 2;
    double bottom = lower ? p.H() - 2 : p.H() * (tail ? 0.8 : 1.0) - 2;
    double cx = p.W() / 2.0;
    double cy = (top + bottom) / 2;
    if (tail) {
        bool right = p.NameHas("bubble2") || p.NameHas("bubble4");
        double tx = right ? p.W() * 0.78 : p.W() * 0.22;
        double ty = lower ? 1.0 : p.H() - 1.0;
        const Point tri[] = {{tx, ty}, {cx - 10, cy}, {cx + 10, cy}};
        c.OutlinedPolygon(tri, p.fill, kOutline, 2);
    }
    c.OutlinedEllipse(cx, cy, p.W() / 2.0 - 1, (bottom - top) / 2, p.fill, kOutline, 2);
    if (p.row.caption != nullptr && p.KeepsWords()) {
        int size = p.text.FitSize(p.caption, int(p.W() * 0.7), int((bottom - top) * 0.5), 30);
        p.text.Draw(c, p.caption, size, int(cx), int(cy), kBlack);
    }
}

void PaintLetter(Canvas& c, const Paint& p) {
    c.OutlinedRoundRect(0, 0, p.W(), p.H(), p.W() / 6, p.fill, kOutline, 3);
    int size = p.text.FitSize(p.caption, p.W() - 10, p.H() - 6, 72);
    p.text.Draw(c, p.caption, size, p.W() / 2 + 2, p.H() / 2 + 2, kOutline);
    p.text.Draw(c, p.caption, size, p.W() / 2, p.H() / 2, kWhite);
}

void PaintRoadSign(Canvas& c, const Paint& p) {
    double w = p.W();
    double h = p.H();
    if (p.NameHas("stopsign")) {
        // Frame 2 is the pressed sign: darker and pushed down.
        bool pressed = p.frame == 2;
        double dy = pressed ? 3 : 0;
        Colour red = pressed ? Shade(p.fill, 0.7) : p.fill;
        c.FillRect(int(w / 2 - 3), int(w * 0.8 + dy), 6, int(h - w * 0.8 - dy), 0x808080);
        Point octagon[8];
        for (int i = 0; i < 8; ++i) {
            double a = std::numbers::pi / 8 + i * std::numbers::pi / 4;
            octagon[i] = {w / 2 + std::cos(a) * (w / 2 - 1),
                          w / 2 + dy + std::sin(a) * (w / 2 - 1)};
        }
        c.OutlinedPolygon(octagon, red, kWhite, 3);
        int size = p.text.FitSize("ALTO", int(w * 0.8), int(w * 0.4), 20);
        p.text.Draw(c, "ALTO", size, int(w / 2), int(w / 2 + dy), kWhite);
        return;
    }
    PaintRaceSign(c, p);
}

void DrawMenuIcon(Canvas& c, std::string_view kind, int x, int y, int w, int h, bool lit,
                  TextRenderer& text) {
    Colour back = lit ? 0xFFF0A0 : 0xB8A8E8;
    c.OutlinedRoundRect(x + 4, y + 4, w - 8, h - 8, 12, back, kOutline, 3);
    double cx = x + w / 2.0;
    double cy = y + h / 2.0;
    double s = std::min(w, h) * 0.3;
    if (kind == "guide") {
        c.OutlinedEllipse(cx - s * 0.9, cy - s * 0.1, s * 0.35, s * 0.35, kFur, kOutline, 2);
        c.OutlinedEllipse(cx + s * 0.9, cy - s * 0.1, s * 0.35, s * 0.35, kFur, kOutline, 2);
        c.OutlinedEllipse(cx, cy, s, s, kFur, kOutline, 2);
        c.FillEllipse(cx, cy + s * 0.2, s * 0.7, s * 0.6, kFace);
        c.FillEllipse(cx - s * 0.3, cy, 3, 3, kOutline);
        c.FillEllipse(cx + s * 0.3, cy, 3, 3, kOutline);
    } else if (kind == "help") {
        int size = text.FitSize("?", w, int(s * 2.4), 60);
        text.Draw(c, "?", size, int(cx), int(cy), 0x2060C0);
    } else if (kind == "home") {
        const Point roof[] = {{cx - s * 1.2, cy}, {cx, cy - s * 1.1}, {cx + s * 1.2, cy}};
        c.OutlinedRoundRect(int(cx - s * 0.9), int(cy - 2), int(s * 1.8), int(s * 1.1), 2, 0xF0D8B0,
                            kOutline, 2);
        c.OutlinedPolygon(roof, 0xC04030, kOutline, 2);
    } else if (kind == "balloons") {
        DrawBalloon(c, cx - s * 1.3, cy - s * 1.1, s * 1.2, s * 2.0, 0xE02830);
        DrawBalloon(c, cx + s * 0.1, cy - s * 1.0, s * 1.2, s * 2.0, 0x2850E0);
    } else {
        c.Line(cx - s, cy - s, cx + s, cy + s, s * 0.5, kOutline);
        c.Line(cx + s, cy - s, cx - s, cy + s, s * 0.5, kOutline);
        c.Line(cx - s, cy - s, cx + s, cy + s, s * 0.3, 0xE03030);
        c.Line(cx + s, cy - s, cx - s, cy + s, s * 0.3, 0xE03030);
    }
}

void PaintMenuBar(Canvas& c, const Paint& p) {
    c.VerticalGradient(0, 0, p.W(), p.H(), Shade(p.fill, 1.3), Shade(p.fill, 0.8));
    c.FillRect(0, 0, 3, p.H(), kOutline);
    c.FillRect(p.W() - 3, 0, 3, p.H(), kOutline);
    // The buttons' own pictures light up over these places when pressed.
    struct Slot {
        const char* kind;
        int y, h;
    };
    constexpr Slot kSlots[] = {{"guide", 0, 92},
                               {"help", 93, 80},
                               {"home", 174, 93},
                               {"balloons", 268, 70},
                               {"exit", 339, 90}};
    for (const Slot& slot : kSlots) {
        DrawMenuIcon(c, slot.kind, 0, slot.y, p.W(), slot.h, false, p.text);
    }
}

void PaintMenuIcon(Canvas& c, const Paint& p) {
    DrawMenuIcon(c, p.caption, 0, 0, p.W(), p.H(), true, p.text);
}

void PaintSigninBox(Canvas& c, const Paint& p) {
    c.OutlinedRoundRect(0, 0, p.W(), p.H(), 14, p.fill, kOutline, 3);
    int size = p.text.FitSize(p.caption, p.W() - 30, 22, 18);
    p.text.Draw(c, p.caption, size, p.W() / 2, 14, kOutline);
    // The nine name lines, where the name rows and the box's hit test put them.
    for (int row = 0; row < 9; ++row) {
        int y = 27 + 31 * row;
        c.OutlinedRoundRect(48, y - 2, 230, 23, 4, kWhite, 0x806040, 2);
        std::string number = std::to_string(row + 1);
        p.text.Draw(c, number, 16, 28, y + 9, kOutline);
    }
}

void PaintCaret(Canvas& c, const Paint& p) {
    c.FillRect(0, 0, p.W(), p.H(), p.fill);
}

void PaintPointer(Canvas& c, const Paint&) {
    // The tip is the click point: the very first pixel.
    const Point arrow[] = {{0, 0}, {0, 24}, {6, 18}, {11, 28}, {15, 26}, {10, 17}, {18, 17}};
    c.FillPolygon(arrow, kOutline);
    const Point inner[] = {{2, 4},       {2, 19}, {6.5, 14.5}, {11.5, 24},
                           {12.5, 23.5}, {8, 15}, {14, 15}};
    c.FillPolygon(inner, kWhite);
    c.Set(0, 0, kOutline);
    c.Set(1, 1, kOutline);
}

void PaintClock(Canvas& c, const Paint& p) {
    double r = std::min(p.W(), p.H()) / 2.0 - 1;
    c.OutlinedEllipse(p.W() / 2.0, p.H() / 2.0, r, r, kWhite, kOutline, 2);
    for (int i = 0; i < 12; i += 3) {
        double a = i * std::numbers::pi / 6;
        c.FillEllipse(p.W() / 2.0 + std::sin(a) * r * 0.75, p.H() / 2.0 - std::cos(a) * r * 0.75,
                      1.2, 1.2, kOutline);
    }
    c.Line(p.W() / 2.0, p.H() / 2.0, p.W() / 2.0, p.H() / 2.0 - r * 0.65, 2, kOutline);
    c.Line(p.W() / 2.0, p.H() / 2.0, p.W() / 2.0 + r * 0.45, p.H() / 2.0, 2, 0xD02020);
}

void PaintLine(Canvas& c, const Paint& p) {
    if (p.W() > 10) {
        // Two poles.
        c.OutlinedRoundRect(0, 0, 8, p.H(), 2, p.fill, kOutline, 1);
        c.OutlinedRoundRect(p.W() - 8, 0, 8, p.H(), 2, p.fill, kOutline, 1);
        return;
    }
    c.FillRect(p.W() / 2 - 1, 0, 2, p.H(), p.fill);
}

void PaintDigits(Canvas& c, const Paint& p) {
    c.OutlinedRoundRect(0, 0, p.W(), p.H(), 6, p.fill, 0x808080, 2);
    std::string number = std::to_string(std::max(0, p.row.frames - std::max(1, p.frame)));
    int size = p.text.FitSize(number, p.W() - 6, p.H() - 6, 40);
    p.text.Draw(c, number, size, p.W() / 2, p.H() / 2, 0xF04030);
}

} // namespace vocassets
