// The screens whose activity is still to come (the alphabet, fishing, the house
// and its rooms, the jobs, the months trip, the grocery): entered with every
// object of their list, they answer their menu bar and do nothing more.
#pragma once

#include "activities/guide.h"
#include "activities/menu_bar.h"
#include "platform/win32.h"
#include "shell/globals.h"
#include "shell/screen_table.h"

// Where the quit panel 706 and its yes and no stand.
struct QuitPanelPlace {
    Point panel;
    Point yes;
    Point no;
};

// What tells one of these screens from another; everything else they share.
struct ListOnlyScreenRow {
    LONG screen;
    const MenuBar* bar;         // null: the screen has no bar
    LONG home;                  // the home button's place
    const char* homeMusic;      // played there
    const GuideParts* guide;    // comes for the quit question
    const QuitPanelPlace* quit; // where the question is asked
    ScreenHandlers handlers;
};

// The row of one of them; null for any other id.
const ListOnlyScreenRow* ListOnlyRow(LONG screenId);

// Handler rows: those of the screens above, and a still row for the screens
// whose own rows are not in the table yet (circus, gas station, school, days,
// race); null for any other id.
const ScreenHandlers* ListOnlyScreen(LONG screenId);

// Shared by all their rows (list_only_screens.cpp).
void ListOnlyUpdate();
void ListOnlyClick(ListElem* selected);
