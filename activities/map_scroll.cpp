// The arrows scroll the town sideways in a ring: centre, left, (strip),
// right, centre. The neighbour slides in beside the screen, everything shown
// moving together, and its screen is loaded once it stands in place.
#include "activities/screen_kit.h"
#include "activities/town_map.h"
#include "input/mouse_cursor.h"
#include "platform/mmsystem.h"
#include "scene/object_list.h"
#include "scene/screen_object.h"
#include "shell/frame_update.h"
#include "shell/globals.h"
#include "shell/resource_handler.h"

namespace {

constexpr LONG kScreenWidth = 640;
constexpr LONG kScrollStep = 5;
constexpr DWORD kScrollDelay = 30;
constexpr LONG kTransitionStrip = 23;

struct Incoming {
    LONG id;
    LONG x;
    LONG y;
};

struct ScrollRoute {
    LONG from;
    LONG arrow;
    LONG to;
    LONG dx;              // +5: the town slides right, going left
    Incoming incoming[4]; // placed beside the screen and shown; id 0 ends
    LONG reference;       // the picture whose arrival ends the scroll
    LONG endX;
};

constexpr LONG W = kScreenWidth;

// clang-format off
constexpr ScrollRoute kRoutes[] = {
    {kCentreMap, kLeftArrow,  kLeftMap,   kScrollStep,  {{6, -W, 0}, {604, 62 - W, 384}},                                      1, W},
    {kCentreMap, kRightArrow, kRightMap, -kScrollStep,  {{13, W, 0}, {605, 529 + W, 384}},                                     1, -W},
    {kLeftMap,   kRightArrow, kCentreMap, -kScrollStep, {{1, W, 0}, {603, 14 + W, 384}, {2, 301 + W, 316}, {267, 327 + W, 0}}, 1, 0},
    {kLeftMap,   kLeftArrow,  kRightMap,   kScrollStep, {{kTransitionStrip, -W, 0}, {13, -2 * W, 0}, {605, 529 - 2 * W, 384}}, 6, 2 * W},
    {kRightMap,  kLeftArrow,  kCentreMap,  kScrollStep, {{1, -W, 0}, {603, 14 - W, 384}, {2, 301 - W, 316}, {267, 327 - W, 0}}, 1, 0},
    {kRightMap,  kRightArrow, kLeftMap,   -kScrollStep, {{kTransitionStrip, W, 0}, {6, 2 * W, 0}, {604, 62 + 2 * W, 384}},     6, 0},
};
// clang-format on

const ScrollRoute* RouteFor(LONG from, LONG arrow) {
    for (const ScrollRoute& route : kRoutes)
        if (route.from == from && route.arrow == arrow)
            return &route;
    return nullptr;
}

void SetOut(const ScrollRoute& route) {
    frameUpdate.hoverEnabled = false;
    mouseCursor.SetMode(2);
    for (const Incoming& picture : route.incoming)
        if (picture.id != 0)
            ShowAt(picture.id, picture.x, picture.y);
    if (route.from == kCentreMap)
        frameUpdate.RenderFrame();
}

void MoveEverythingShown(LONG dx) {
    for (objectList.First(); objectList.HasCurrent(); objectList.Next()) {
        ScreenObject* object = objectList.Current()->object;
        if (object->IsVisible())
            object->SetPosition(object->GetX() + dx, object->GetY());
    }
    objectList.ResetCursor();
}

bool Arrived(const ScrollRoute& route) {
    ScreenObject* reference = Find(route.reference);
    if (!reference)
        return true;
    LONG x = reference->GetX();
    return route.dx > 0 ? x >= route.endX : x <= route.endX;
}

// The neighbour's own screen, standing where the scroll left it.
void Arrive(const ScrollRoute& route) {
    if (route.from != kCentreMap)
        SilenceSideMap();
    ChangeScreen(route.to);
    const MapLayout& map = CurrentMap();
    ShowAt(map.background, 0, 0);
    Place(kTransitionStrip, -kScreenWidth, 0);
    Show(map.stopSign);
    SetClickable(map.stopSign, true);
    if (route.to == kCentreMap)
        for (LONG id : {2, 267, 5})
            Show(id);
}

} // namespace

void ScrollUpdate(LONG arrow, LONG base) {
    const ScrollRoute* route = RouteFor(resourceHandler.GetScreen(), arrow);
    if (!route)
        return;
    if (frameUpdate.state == base) {
        SetOut(*route);
        GoTo(base + 1);
        return;
    }
    if (!After(kScrollDelay))
        return;
    RestartTimer();
    MoveEverythingShown(route->dx);
    if (Arrived(*route))
        Arrive(*route);
}
