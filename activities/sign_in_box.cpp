// The nine name rows of the sign-in box, OK and Erase, and the keys that type
// a name.
#include <string>

#include "activities/intro_signin.h"
#include "activities/screen_kit.h"
#include "audio/audio_interface.h"
#include "display/display_interface.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "scene/text_overlays.h"
#include "shell/frame_update.h"
#include "shell/globals.h"
#include "shell/player_roster.h"

namespace {

constexpr LONG kSignInBox = 582;
constexpr LONG kGreyButtons = 583;
constexpr LONG kOk = 1063;
constexpr LONG kOkPressed = 1064;
constexpr LONG kErase = 1065;
constexpr LONG kErasePressed = 1066;
constexpr LONG kTextCursor = 3050;

constexpr LONG kHighlightX = 338;
constexpr LONG kFirstHighlightY = 52;
constexpr LONG kRowSpacing = 31;

constexpr WPARAM kBackspace = 8;
constexpr WPARAM kSpace = 32;
constexpr WPARAM kLeft = 37;
constexpr WPARAM kRight = 39;

constexpr LONG kTypingState = 10;

void ShowButton(LONG id, bool shown) {
    if (shown)
        Show(id);
    else
        Hide(id);
    SetClickable(id, shown);
}

void InsertCharacter(char character) {
    const char text[2] = {character, '\0'};
    namePanel.InsertAtCaret(text);
}

} // namespace

void OpenSignInBox() {
    Show(kSignInBox);
    SetClickable(kSignInBox, true);
    Show(kGreyButtons);
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        std::string name = playerRoster.GetName(slot);
        if (!name.empty())
            namePanel.SetRow(slot, name.c_str());
    }
    namePanel.SetVisible(true);
    ShowAt(kTextCursor, 340, 54);
}

bool ChosenRowNamed() {
    return namePanel.GetRowName().find_first_not_of(' ') != std::string::npos;
}

void ChooseRow(LONG row) {
    if (row < 1 || row > kPlayerSlots)
        return;
    namePanel.SelectRow(row);
    display.SetHighlightBox(kHighlightX, kFirstHighlightY + kRowSpacing * (row - 1));
    display.SetHighlightVisible(true);
    frameUpdate.signInRowChosen = true;
    // A stored name is confirmed as it is; an empty row is typed into.
    bool named = ChosenRowNamed();
    ShowButton(kOk, true);
    ShowButton(kErase, named);
    frameUpdate.nameKeysEnabled = !named;
}

void ShowOkWhenNamed() {
    ShowButton(kOk, frameUpdate.signInRowChosen && ChosenRowNamed());
}

void PressOk() {
    ShowButton(kOk, false);
    Show(kOkPressed);
    GoTo(11);
}

void PressErase() {
    int slot = namePanel.GetCurrentRow();
    namePanel.ClearRow();
    playerRoster.SetName(slot, "");
    playerRoster.ClearSlot(slot);
    ShowButton(kOk, false);
    ShowButton(kErase, false);
    Show(kErasePressed);
    GoTo(500);
}

bool ConfirmSignIn() {
    Hide(kOkPressed);
    if (!ChosenRowNamed())
        return false;
    int slot = namePanel.GetCurrentRow();
    std::string typed = namePanel.GetRowName();
    playerRoster.SetCurrent(slot);
    // A returning child: the row's stored name, confirmed unchanged.
    if (typed == playerRoster.GetName(slot))
        playerRoster.RestoreBalloons(balloonRecord);
    playerRoster.SetName(slot, typed);
    namePanel.SetVisible(false);
    Hide({kTextCursor, kErase, kSignInBox, kGreyButtons});
    SetClickable({kErase, kSignInBox}, false);
    display.SetHighlightVisible(false);
    frameUpdate.introSkippable = true;
    return true;
}

void SignInKey(WPARAM key) {
    if (key == kBackspace)
        namePanel.Backspace();
    else if (key == kLeft)
        namePanel.CaretLeft();
    else if (key == kRight)
        namePanel.CaretRight();
    else if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        InsertCharacter(static_cast<char>(key));
    else if (key == kSpace && frameUpdate.state == kTypingState)
        InsertCharacter(' ');
    else if (key == kSpace && frameUpdate.introSkippable) {
        // The rest of the introduction is skipped: straight to the welcome.
        audio.StopAll();
        frameUpdate.nameKeysEnabled = false;
        ChangeScreen(1);
        StartMusic("roundthemountain.wav");
        GoTo(500);
    }
}
