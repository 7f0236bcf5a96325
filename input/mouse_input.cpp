#include "input/mouse_input.h"

// The device is read once the input layer lands; until then nothing moves.
void MouseInput::Read(LONG& dx, LONG& dy, bool&) {
    dx = 0;
    dy = 0;
}
