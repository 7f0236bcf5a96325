// The asset pack's manifest: one entry per file of Images/ and Wav/, built from
// the picture and recording tables. The game's tests use it to check that every
// name a screen can build is shipped; the generator uses it to make the files.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vocassets {

// How a picture is drawn. Backdrop and Animal pictures are drawn by the game
// without the colour key, so they must not contain the key colour at all.
enum class Art : std::uint8_t {
    Scene,     // full-screen or strip scene: gradient sky and ground, shapes, label
    Backdrop,  // a Scene drawn without the colour key
    Overlay,   // keyed scene part: a band of shapes over transparency
    Sprite,    // a shape with fill, outline and label plate
    Item,      // a vocabulary item: a shape with a small icon and label plate
    Animal,    // circus animal tile, drawn without the colour key
    Monkey,    // the guide's body, with its face where the eyes and mouth go
    Eyes,      // closed eyes laid over a guide's face
    Mouth,     // a talking mouth; frame 1 closed, later frames open wider
    Button,    // a round-cornered button with a word
    Panel,     // a question panel with room for the yes and no buttons below
    Bubble,    // an empty speech bubble for the word overlay
    Balloon,   // one celebration balloon
    Counter,   // frame n shows n balloons
    Letter,    // a big letter on a tile
    Vehicle,   // a vehicle whose wheels turn from frame to frame
    RoadSign,  // a race sign in its own shape
    MenuBar,   // the menu bar behind its buttons
    MenuIcon,  // one menu-bar button
    SigninBox, // the nine name lines of the sign-in box
    Caret,     // the thin text cursor
    Pointer,   // the mouse pointer, tip at the top-left corner
    Clock,     // the busy clock cursor
    Cutaway,   // the house cut open into four rooms
    Line,      // the fishing line
    Digits,    // a count-down: frame n shows frames - n
};

// How the frames of an animation differ from each other.
enum class Motion : std::uint8_t {
    None,
    Spin,   // a marker turns around the picture and the frame number shows
    Wheel,  // wheels turn
    Unroll, // the picture is revealed from the left, fully at the last frame
    Fade,   // the picture brightens from dark to full
    Rise,   // the sun or craft climbs across the picture
    Bob,    // the picture rocks up and down
    Splash, // rings and drops spread
    Blink,  // eyes close over the frames
    Walk,   // a figure steps along
};

struct PictureRow {
    const char* name; // file name, or the stem of an animation
    int frames;       // 1 for a still picture
    int width;
    int height;
    Art art;
    Motion motion;
    std::uint32_t colour; // 0xRRGGBB fill; 0 picks one from the name
    const char* caption;  // text drawn on the picture; null derives it from the name
    int eyeX, eyeY;       // guide bodies: where the eyes picture is laid
    int mouthX, mouthY;   // guide bodies: where the mouth picture is laid
};

enum class Sound : std::uint8_t {
    SpanishWord, // spoken by the Spanish voice
    EnglishWord, // spoken by the English voice
    Prompt,      // an English sentence of the guide
    Effect,      // synthesised noise
    Music,       // synthesised loop
};

// Synthesis recipes of effects and music; the parameters' meaning depends on it.
enum class Fx : std::uint8_t {
    None,
    Click,     // a: pitch
    Pop,       // a: pitch
    Boing,     // a: pitch
    Whoosh,    // a: 1 up, -1 down; b: seconds
    Chime,     // a: root pitch; b: 1 rising, -1 falling
    Jingle,    // a: melody number
    Cheer,     // crowd noise
    Tada,      // fanfare chord
    Buzz,      // wrong answer
    Splash,    // a: 1 big, 2 small
    Thump,     // a: pitch
    Roar,      // a: pitch
    Boom,      // cannon shot
    DrumRoll,  // loop
    Engine,    // loop; a: pitch; b: 0 steady, 1 revving
    Siren,     // loop; a: low pitch; b: high pitch
    Horn,      // a: pitch
    Bell,      // a: pitch
    Propeller, // loop
    Warble,    // loop, the flying saucer
    Chain,     // loop, a bicycle
    Animal,    // a: animal voice number
    Note,      // a: pitch
    Tune,      // loop; a: tune number
};

struct RecordingRow {
    const char* name;
    Sound sound;
    const char* text; // what is spoken; null for effects and music
    Fx fx;
    float a;
    float b;
};

enum class AssetType : std::uint8_t { Picture, Recording };

// One file of the pack.
struct AssetEntry {
    std::string file; // as spelled in the game, e.g. "sailboat7.bmp"
    AssetType type;
    const PictureRow* picture;     // for pictures
    int frame;                     // 1..frames for animation frames, 0 for a still
    const RecordingRow* recording; // for recordings

    // Pictures: whether the game draws this picture with the green colour key.
    bool Keyed() const;
    // "Images/" or "Wav/" followed by the file name.
    std::string RelativePath() const;
};

// A labelled vocabulary item: its picture (file or stem), label and recordings.
struct VocabWord {
    const char* picture;
    const char* label; // UTF-8
    const char* sound;
    const char* secondSound; // null when the item has none
};

std::span<const PictureRow> PictureRows();
std::span<const RecordingRow> RecordingRows();
std::span<const VocabWord> Vocabulary();

// Every file of the pack, pictures first, in table order.
std::span<const AssetEntry> AllAssets();

// Case-insensitive lookup of a file name ("Monkey-slideon.wav" finds the one file).
const AssetEntry* FindAsset(std::string_view name);

// The picture row of a file or animation stem, case-insensitively.
const PictureRow* FindPictureRow(std::string_view nameOrStem);

} // namespace vocassets
