// The town: the centre map (1) between the left (12) and right (13) maps,
// which scroll into each other in a ring.
#pragma once

#include "activities/guide.h"
#include "activities/help_and_guide.h"
#include "activities/quit_question.h"
#include "platform/win32.h"

struct ListElem;

constexpr LONG kCentreMap = 1;
constexpr LONG kLeftMap = 12;
constexpr LONG kRightMap = 13;

constexpr LONG kLeftArrow = 21;
constexpr LONG kRightArrow = 22;
constexpr LONG kPlacePopupOk = 6012;

// What tells the three maps apart.
struct MapLayout {
    LONG screen;
    LONG background;
    LONG stopSign;
    LONG clickables[8]; // places, arrows and stop sign; 0 ends the list early
    LONG popups[3];
    const char* flyerSound; // null on the centre map
    LONG flyer;             // the saucer or the aeroplane; 0 on the centre map
    DWORD idleLimit;        // the reminder comes after this long untouched
    LONG vehicleEndX;       // where a vehicle leaves the road
};

// The current map's layout; the centre's on any other screen.
const MapLayout& CurrentMap();
void SetMapClickable(bool clickable);

void CentreMapUpdate();
void CentreMapClick(ListElem* selected);
void SideMapUpdate();
void SideMapClick(ListElem* selected);

// The place the child clicked, said in its bubble, then its popup or the
// road to the gas station; false for an object that is no place.
bool ClickPlace(LONG id);
void CloseCentrePopup();
void CloseSidePopup();

// Scrolling to the neighbour behind an arrow, run in the two states from
// base: setting out, then moving until the neighbour's screen is loaded.
void ScrollUpdate(LONG arrow, LONG base);

// The guide's visits: the quit question and the reminder to an idle child.
extern const QuitQuestion kCentreQuit;
extern const QuitQuestion kSideQuit;
extern const GuideTalk kIdleReminder;

// The vehicles on the road of the left and right maps.
void StartRandomVehicle();
void DriveVehicle();
void SilenceVehicle();
void ResumeVehicleSound();

// The saucer of the left map and the aeroplane of the right map.
void StartFlyer();
void FlyerFrame();
void SilenceFlyer();
void ResumeFlyerSound();
// A side map is left: its road and sky fall silent.
void SilenceSideMap();
