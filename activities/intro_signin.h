// The first screen (22): title, greeting, sign-in box, tour of the town.
#pragma once

#include "platform/win32.h"

struct ListElem;

void IntroSignInUpdate();
void IntroSignInClick(ListElem* selected);

// The sign-in box (sign_in_box.cpp).
void OpenSignInBox();
// Whether the chosen row holds a name: spaces alone are none, as an empty row.
bool ChosenRowNamed();
void ChooseRow(LONG row);
// OK stays hidden until a chosen row holds a name.
void ShowOkWhenNamed();
void PressOk();
void PressErase();
// False, and nothing done, when the chosen row holds no name.
bool ConfirmSignIn();
void SignInKey(WPARAM virtualKey);

// The unrolling pictures and the tour (intro_tour.cpp): states 12 to 45 and 451.
void IntroTourUpdate();

// The town's centre map with its welcome popup.
void LeaveForTown();
