// The program's single instances and global buffers. They are all defined in
// globals.cpp, in the order in which they must be constructed (and, reversed,
// destroyed).
#pragma once

#include "platform/win32.h"

class ObjectList;
class ErrorHandler;
class DisplayInterface;
class AudioInterface;
class ResourceHandler;
class FrameUpdate;
class BalloonRecord;
class Blinker;
class WordText;
class NamePanel;
class NumberPanel;
class PlayerRoster;
class MouseInput;
class MouseCursor;

struct Point {
    LONG x;
    LONG y;
};

extern ObjectList objectList;
extern ErrorHandler errorHandler;
extern DisplayInterface display;
extern AudioInterface audio;
extern ResourceHandler resourceHandler;
extern FrameUpdate frameUpdate;
extern BalloonRecord balloonRecord;
extern Point clickPoint;
extern Blinker blinker;
extern WordText wordText;
extern NamePanel namePanel;
extern NumberPanel numberPanel;
extern PlayerRoster playerRoster;
extern MouseInput mouseInput;
extern MouseCursor mouseCursor;

// Path prefixes built at start-up; file names are appended to them.
extern char installPath[256];
extern char wavPath[256];
extern char imagePath[256];

extern bool appActive;
// The full edition: the map places whose activity this program has open it.
extern bool fullEdition;
extern bool ntFontSizes;
// Chooses between the plain and "-v2" recordings of variant prompts.
extern BYTE PromptVariantFlag;
