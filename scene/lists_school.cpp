// The school classroom (6). Each classroom object stands just below the place
// of its word bubble (the scissors and crayons above theirs, at the bottom).
#include "scene/lists_furniture.h"
#include "scene/lists_tables.h"

using namespace lists;

namespace {

// clang-format off
constexpr CreationRecord kSchool[] = {
    {kBackdrop, "classroom-background.bmp", kNone, kNone, 97, true, 1, 1, 0, 0, 90, 0, 0, 0, 1, false},
    {Word("Libro"),            "book",            "word-book-sp.wav",            "book.wav",            90, false,  8, 5, 100, 0, 310, 208, 0, 0, 2, false},
    {Word("Calculadora"),      "calculator",      "word-calculator-sp.wav",      "calculator.wav",      89, false, 10, 5, 100, 0, 168, 179, 0, 0, 2, false},
    {Word("Tiza"),             "chalk",           "word-chalk-sp.wav",           "chalk.wav",           95, false,  8, 5, 100, 0, 538, 139, 0, 0, 2, false},
    {Word("Computador"),       "computer",        "word-computer-sp.wav",        "computer.wav",        91, false, 12, 5, 100, 0, 310, 208, 0, 0, 2, false},
    {Word("Crayolas"),         "crayon",          "word-crayon-sp.wav",          "crayon.wav",          87, false,  8, 5, 100, 0, 414, 320, 0, 0, 2, false},
    {Word("Extinguidor"),      "extinguisher",    "word-extinguisher-sp.wav",    "extinguisher.wav",    92, false, 10, 5, 100, 0, 472,  86, 0, 0, 2, false},
    {Word("Pegante"),          "glue",            "word-glue-sp.wav",            "glue.wav",            85, false,  8, 5, 100, 0, 256, 347, 0, 0, 2, false},
    {Word("Lupa"),             "magnifyingglass", "word-magnifyingglass-sp.wav", "magnifyingglass.wav", 83, false, 10, 5, 100, 0, 212, 268, 0, 0, 2, false},
    {Word("Papel"),            "paper",           "word-paper-sp.wav",           "paper.wav",           84, false,  8, 5, 100, 0, 256, 347, 0, 0, 2, false},
    {Word("Pluma"),            "Pen",             "word-pen-sp.wav",             "pen.wav",             88, false,  8, 5, 100, 0, 168, 179, 0, 0, 2, false},
    {Word("L\xE1piz"),         "Pencil",          "word-pencil-sp.wav",          "pencil.wav",          81, false,  8, 5, 100, 0, 110, 301, 0, 0, 2, false},
    {Word("Puerta"),           "schooldoor",      "word-door-sp.wav",            "door.wav",            93, false, 12, 4, 100, 0, 159,  80, 0, 0, 2, false},
    {Word("Ventana"),          "schoolwindow",    "word-window-sp.wav",          "window.wav",          94, false, 12, 5, 100, 0, 177, 206, 0, 0, 2, false},
    {Word("Tijeras"),          "Scissors",        "word-scissors-sp.wav",        "scissors.wav",        86, false, 10, 5, 100, 0, 414, 320, 0, 0, 2, false},
    {Word("Engrapadora"),      "stapler",         "word-stapler-sp.wav",         "stapler.wav",         80, false, 10, 5, 100, 0, 110, 301, 0, 0, 2, false},
    {Word("Cinta pegante"),    "tape",            "word-tape-sp.wav",            "tape.wav",            82, false,  8, 5, 100, 0, 212, 268, 0, 0, 2, false},
    {Word("Caneca"),           "trashcan",        "word-trashcan-sp.wav",        "trashcan.wav",        96, false, 26, 5, 100, 0, 526, 315, 0, 0, 2, false},
    kMenuBarLeft,
    kBalloonButtonLeft,
    kExitButtonLeft,
    kHomeButtonLeft,
    kGuideButtonLeft,
    kHelpButtonLeft,
    // The teacher slides down from above to rest at the top of the room.
    {kPlain, "school-monkey.bmp",       kNone, kNone,  800, false, 1,  9,  0, 15, 177,   0, 0, 0, 2, false},
    {kPlain, "school-monkey-blink.bmp", kNone, kNone,  801, false, 1, 10,  0,  0, 470, 244, 0, 0, 2, false},
    {kPlain, "schoolmonkeymouth",       kNone, kNone, 3001, false, 5, 10, 75,  0, 420, 248, 0, 0, 2, false},
    kBigBalloon1,
    kBigBalloon2,
    kBigBalloon3,
    kBigBalloon4,
    kLittleBalloon1,
    kLittleBalloon2,
    kLittleBalloon3,
    kLittleBalloon4,
    kBigBalloon5,
    kLittleBalloon5,
    kQuitPanel2,
    kPlayAgainPanel2,
    kYes,
    kNo,
    {kPlain, "continue2.bmp", kNone, kNone, 1000, false, 1, 10, 0, 0, 50, 50, 0, 0, 2, false},
    kWrongMark,
    kWordCircle,
};
// clang-format on

} // namespace

std::span<const CreationRecord> SchoolList() {
    return kSchool;
}
