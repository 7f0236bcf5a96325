// The objects each screen creates when it is entered, in creation order, and
// the two small lists a screen adds during play.
#pragma once

#include <functional>
#include <span>

#include "platform/win32.h"
#include "scene/creation_record.h"

// The rooms the house's transition animations lead into.
enum class Room { Bathroom, Bedroom, Kitchen, LivingRoom };

// Creates the screen's objects and adds them to the object list; screens
// without a list (23, or outside 1 to 26) create nothing. The jobs screen's
// seven extra heads are created only while PromptVariantFlag is 0.
void CreateScreenObjects(LONG screenId);

// The walk from the house into a room, in creation order.
std::span<const CreationRecord> RoomTransitionRecords(Room room);
// The grocery item 4000 to 4023 as created before it is put in the cart;
// null for any other id.
const CreationRecord* CartItemRecord(LONG itemId);

// Every record the game can create, with the screen that creates it (the
// room transitions with the house, 8; the cart items with the grocery, 25),
// conditional records included.
void ForEachCreationRecord(const std::function<void(LONG screenId, const CreationRecord&)>& visit);
