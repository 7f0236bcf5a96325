#include "scene/creation_lists.h"

#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "shell/globals.h"

// The screens' own lists come with their activities; until then a screen
// starts empty.
void CreateScreenObjects(LONG) {}
