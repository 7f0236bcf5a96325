// What every screen's state machine does with its objects, its timer and its
// answers. Objects are found by id on every use and never kept: loading a
// screen destroys them all. An id the screen lacks is simply left alone.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <span>

#include "platform/win32.h"
#include "shell/globals.h"

class ScreenObject;

// The current screen's object with that id; null when it has none.
ScreenObject* Find(LONG id);

void Show(LONG id);
void Hide(LONG id);
void Hide(std::initializer_list<LONG> ids);
void ShowAt(LONG id, LONG x, LONG y);
void Place(LONG id, LONG x, LONG y);
void SetClickable(LONG id, bool clickable);
void SetClickable(std::initializer_list<LONG> ids, bool clickable);

// Whether a draw already stands among the entries: the screens' random draws
// repeat until they differ from every entry.
inline bool Holds(std::span<const LONG> entries, LONG value) {
    return std::find(entries.begin(), entries.end(), value) != entries.end();
}

// Moves to a state and starts its delay: a delay counts from entering the
// state that waits.
void GoTo(LONG state);
void RestartTimer();
// Whether more than ms have passed since the state's delay started.
bool After(DWORD ms);

// The yes (704) and no (705) buttons: a click leaves its answer pending.
bool TakeYesNoClick(LONG id);
// The pending answer (89 yes, 78 no), consumed; 0 while none waits.
LONG TakeAnswer();
// The answer to a yes/no question, consumed; 0 while none waits. A choice
// clicked meanwhile (a vehicle, a sign) would lock every click, yes and no
// included: it is dropped here. Screens that take yes and no as a choice
// themselves find them in answerCode under that lock.
LONG TakeQuestionAnswer(bool answersByClickLock);
// A question panel shown at its place (layer 0 keeps its own), and yes and
// no placed beside it, ready for a click.
void ShowPanel(LONG panel, Point at, LONG layer);
void PlaceAnswerButtons(Point yes, Point no, LONG layer);

// The plain recording of a prompt while PromptVariantFlag is 1, the "-v2"
// one otherwise.
const char* VariantPrompt(const char* plain, const char* v2);

// Pointer or busy clock.
void PointerCursor();
// The busy clock, drawn at once, before a slow step.
void BusyCursor();

// Changes screen: loads the new one and starts its state machine at 1.
void ChangeScreen(LONG screenId);
// Background music, loaded and played in a loop.
void StartMusic(const char* file);
