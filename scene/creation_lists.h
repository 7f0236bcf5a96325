// The objects each screen creates when it is entered, in creation order.
#pragma once

#include "platform/win32.h"

// Creates the screen's objects and adds them to the object list; screens
// without a list (23, or outside 1 to 26) create nothing.
void CreateScreenObjects(LONG screenId);
