// The menu bar down one side of an activity: invisible buttons over the bar
// picture that light up when clicked.
#pragma once

#include "platform/win32.h"

struct MenuBar {
    LONG bar;
    LONG guide;
    LONG help;
    LONG home;
    LONG balloon;
    LONG exit;
};

inline constexpr MenuBar kLeftMenuBar{41, 42, 44, 39, 34, 37};
inline constexpr MenuBar kRightMenuBar{36, 43, 45, 40, 35, 38};

void SetMenuButtonsClickable(const MenuBar& bar, bool clickable);

// The balloon button: straight to the balloon screen.
void GoToBalloonScreen();
// The home button: the screen's home place, with its music.
void GoHome(LONG homeScreen, const char* music);
