// The single instances, in construction order. Destruction runs in reverse:
// the cursor first, the object list last.
#include "shell/globals.h"

#include "audio/audio_interface.h"
#include "display/display_interface.h"
#include "input/mouse_cursor.h"
#include "input/mouse_input.h"
#include "scene/object_list.h"
#include "scene/text_overlays.h"
#include "shell/blinker.h"
#include "shell/error_handler.h"
#include "shell/frame_update.h"
#include "shell/player_roster.h"
#include "shell/resource_handler.h"

char installPath[256];
char wavPath[256];
char imagePath[256];
bool appActive = false;
bool fullEdition = false;
bool ntFontSizes = false;
BYTE PromptVariantFlag = 0;

ObjectList objectList;
ErrorHandler errorHandler;
DisplayInterface display;

namespace {
// Destroyed just before the display: the screen objects' surfaces go back
// before the DirectDraw that made them.
struct ObjectsBeforeDisplay {
    ~ObjectsBeforeDisplay() { objectList.Clear(); }
} objectsBeforeDisplay;
} // namespace

AudioInterface audio;
ResourceHandler resourceHandler;
FrameUpdate frameUpdate;
BalloonRecord balloonRecord;
Point clickPoint{0, 0};
Blinker blinker;
WordText wordText;
NamePanel namePanel;
NumberPanel numberPanel;
PlayerRoster playerRoster;
MouseInput mouseInput;
MouseCursor mouseCursor;
