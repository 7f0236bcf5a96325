// The places of the maps: a click says the place's Spanish name in a bubble,
// then opens its popup, or takes the road to the gas station.
#include "activities/activity_screens.h"
#include "activities/screen_kit.h"
#include "activities/town_map.h"
#include "activities/word_bubble.h"
#include "audio/audio_interface.h"
#include "platform/mmsystem.h"
#include "shell/frame_update.h"
#include "shell/globals.h"
#include "shell/resource_handler.h"

namespace {

constexpr LONG kGasStation = 3;
constexpr LONG kRoad = 0; // in place of a popup: the place is the road

struct MapPlace {
    LONG screen;
    LONG id;
    const char* word; // null: no bubble, only the pause
    Point bubble;
    const char* recording;
    DWORD pause;
    LONG popup;
    LONG activity; // opened instead of the popup in the full edition; 0: none
};

// clang-format off
constexpr MapPlace kPlaces[] = {
    {kCentreMap,  3, "Lago",          {461, 256}, "lake-sp.wav",     1500, 6006, 0},
    {kCentreMap,  5, "Carrusel",      {244,  15}, "carousel-sp.wav", 1500, 6002, kCircus},
    {kCentreMap,  4, nullptr,         {  0,   0}, nullptr,            300, 6008, 0},
    {kLeftMap,    7, "Tienda",        { 56, 167}, "store-sp.wav",    1000, 6013, 0},
    {kLeftMap,    8, "Alcald\xED" "a", {506,  25}, "cityhall-sp.wav", 2500, 6003, 0},
    {kLeftMap,   12, "Luna",          {137,  44}, "moon-sp.wav",     2000, 6007, 0},
    {kLeftMap,    9, "Carretera",     {363, 361}, "road-sp.wav",     1000, kRoad, 0},
    {kLeftMap,   10, "Carretera",     {363, 361}, "road-sp.wav",     1000, kRoad, 0},
    {kLeftMap,   11, "Carretera",     {363, 361}, "road-sp.wav",     1000, kRoad, 0},
    {kRightMap,  14, "Escuela",       {317, 165}, "school-sp.wav",   1000, 6009, kClassroom},
    {kRightMap,  15, "Casa",          { 24,  28}, "house-sp.wav",    1000, 6005, 0},
    {kRightMap,  16, "Sol",           {473,  25}, "sun-sp.wav",      1000, 6004, kDaysOfTheWeek},
    {kRightMap,  17, "Carretera",     {153, 353}, "road-sp.wav",     1000, kRoad, 0},
    {kRightMap,  18, "Carretera",     {153, 353}, "road-sp.wav",     1000, kRoad, 0},
    {kRightMap,  19, "Carretera",     {153, 353}, "road-sp.wav",     1000, kRoad, 0},
};
// clang-format on

const MapPlace* FindPlace(LONG screen, LONG id) {
    for (const MapPlace& place : kPlaces)
        if (place.screen == screen && place.id == id)
            return &place;
    return nullptr;
}

void SayName(const MapPlace& place) {
    if (place.word)
        SayWordInBubble(place.word, place.bubble, place.recording, place.pause);
    else
        frameUpdate.BusyWait(place.pause);
}

void TakeTheRoad(const MapPlace& place) {
    frameUpdate.hoverEnabled = false;
    BusyCursor();
    SayName(place);
    ChangeScreen(kGasStation);
    frameUpdate.originMap = place.screen == kLeftMap ? 2 : 3;
    frameUpdate.numberRange = 1;
}

// The full edition: the place's name, then its activity.
void OpenActivity(const MapPlace& place) {
    frameUpdate.hoverEnabled = false;
    BusyCursor();
    SayName(place);
    ChangeScreen(place.activity);
}

} // namespace

bool ClickPlace(LONG id) {
    LONG screen = resourceHandler.GetScreen();
    const MapPlace* place = FindPlace(screen, id);
    if (!place)
        return false;
    // The click silenced the vehicle and the bubble takes the flyer's channel.
    frameUpdate.vehicleSoundWasOn = false;
    frameUpdate.flyerSoundWasOn = false;
    if (place->popup == kRoad) {
        TakeTheRoad(*place);
        return true;
    }
    if (fullEdition && place->activity) {
        OpenActivity(*place);
        return true;
    }
    SayName(*place);
    SetMapClickable(false);
    Show(place->popup);
    SetClickable(kPlacePopupOk, true);
    GoTo(screen == kCentreMap ? 505 : 500);
    return true;
}

void CloseCentrePopup() {
    frameUpdate.BusyWait(500);
    Hide(kPlacePopupOk);
    SetClickable(kPlacePopupOk, false);
    const MapLayout& map = CurrentMap();
    Hide({map.popups[0], map.popups[1], map.popups[2]});
    audio.music.Raise();
    GoTo(1);
}

void CloseSidePopup() {
    SetClickable(kPlacePopupOk, false);
    Show(kPlacePopupOk);
    frameUpdate.RenderFrame();
    frameUpdate.BusyWait(1000);
    Hide(kPlacePopupOk);
    const MapLayout& map = CurrentMap();
    SetMapClickable(true);
    Hide({map.popups[0], map.popups[1], map.popups[2]});
    audio.music.Raise();
    audio.effects.Load(map.flyerSound);
    frameUpdate.idleSince = timeGetTime();
    GoTo(4);
}
