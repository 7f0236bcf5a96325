// The screens whose activity is still to come: entered with every object of
// their list, they hold still and take no clicks.
#pragma once

#include "shell/screen_table.h"

// Their rows; null for an id that is none of them.
const ScreenHandlers* ListOnlyScreen(LONG screenId);
