// The grocery store (25) and the items that go into its cart.
#include "scene/lists_furniture.h"
#include "scene/lists_tables.h"

using namespace lists;

namespace {

// clang-format off
constexpr CreationRecord kGrocery[] = {
    kWordCircle,
    kMenuBarLeft,
    kHelpButtonLeft,
    kGuideButtonLeft,
    kExitButtonLeft,
    kBalloonButtonLeft,
    kHomeButtonLeft,
    {kPlain, "grocery1-background.bmp", kNone, kNone, 440, false, 1, 1, 0, 0, 90, 0, 0, 0, 2, false},
    {kPlain, "grocery2-background.bmp", kNone, kNone, 445, false, 1, 1, 0, 0, 90, 0, 0, 0, 2, false},
    {kPlain, "grocery3-background.bmp", kNone, kNone, 450, false, 1, 1, 0, 0, 90, 0, 0, 0, 2, false},
    {kPlain, "grocery4-background.bmp", kNone, kNone, 455, false, 1, 1, 0, 0, 90, 0, 0, 0, 2, false},
    {kPlain, "grocery5-background.bmp", kNone, kNone, 461, false, 1, 1, 0, 0, 90, 0, 0, 0, 2, false},
    {kPlain, "grocery6-background.bmp", kNone, kNone, 466, false, 1, 1, 0, 0, 90, 0, 0, 0, 2, false},
    {kPlain, "grocery-transition.bmp",  kNone, kNone, 470, false, 1, 1, 0, 0, 90, 0, 0, 0, 2, false},
    {kPlain, "grocery-monkey.bmp",      kNone, kNone, 502, false, 1, 9, 0, 15, 330, 170, 0, 0, 2, false},
    kGuideEyes,
    kGuideMouth,
    // Four items on the shelves of each aisle.
    {kPlain, "grocery1-bread",         kNone, kNone, 441, false, 3, 3, 150, 0, 130, 100, 0, 0, 2, false},
    {kPlain, "grocery1-chips",         kNone, kNone, 442, false, 3, 3, 150, 0, 300, 100, 0, 0, 2, false},
    {kPlain, "grocery1-flakes",        kNone, kNone, 443, false, 3, 3, 150, 0, 130, 260, 0, 0, 2, false},
    {kPlain, "grocery1-soda",          kNone, kNone, 444, false, 3, 3, 150, 0, 300, 260, 0, 0, 2, false},
    {kPlain, "grocery2-cookies",       kNone, kNone, 446, false, 3, 3, 150, 0, 130, 100, 0, 0, 2, false},
    {kPlain, "grocery2-crackers",      kNone, kNone, 447, false, 3, 3, 150, 0, 300, 100, 0, 0, 2, false},
    {kPlain, "grocery2-peanutbutter",  kNone, kNone, 448, false, 3, 3, 150, 0, 130, 260, 0, 0, 2, false},
    {kPlain, "grocery2-soup",          kNone, kNone, 449, false, 3, 3, 150, 0, 300, 260, 0, 0, 2, false},
    {kPlain, "grocery3-eggs",          kNone, kNone, 451, false, 3, 3, 150, 0, 130, 100, 0, 0, 2, false},
    {kPlain, "grocery3-icecream",      kNone, kNone, 452, false, 3, 3, 150, 0, 300, 100, 0, 0, 2, false},
    {kPlain, "grocery3-milk",          kNone, kNone, 454, false, 3, 3, 150, 0, 130, 260, 0, 0, 2, false},
    {kPlain, "grocery3-juice",         kNone, kNone, 453, false, 3, 3, 150, 0, 300, 260, 0, 0, 2, false},
    {kPlain, "grocery4-chicken",       kNone, kNone, 456, false, 3, 3, 150, 0, 130, 100, 0, 0, 2, false},
    {kPlain, "grocery4-fish",          kNone, kNone, 457, false, 3, 3, 150, 0, 300, 100, 0, 0, 2, false},
    {kPlain, "grocery4-meat",          kNone, kNone, 458, false, 3, 3, 150, 0, 130, 260, 0, 0, 2, false},
    {kPlain, "grocery4-turkey",        kNone, kNone, 459, false, 3, 3, 150, 0, 300, 260, 0, 0, 2, false},
    {kPlain, "grocery5-apples",        kNone, kNone, 460, false, 3, 3, 150, 0, 130, 100, 0, 0, 2, false},
    {kPlain, "grocery5-banana",        kNone, kNone, 462, false, 3, 3, 150, 0, 300, 100, 0, 0, 2, false},
    {kPlain, "grocery5-cherries",      kNone, kNone, 463, false, 3, 3, 150, 0, 130, 260, 0, 0, 2, false},
    {kPlain, "grocery5-oranges",       kNone, kNone, 464, false, 3, 3, 150, 0, 300, 260, 0, 0, 2, false},
    {kPlain, "grocery6-asperagus",     kNone, kNone, 465, false, 3, 3, 150, 0, 130, 100, 0, 0, 2, false},
    {kPlain, "grocery6-brocoli",       kNone, kNone, 467, false, 3, 3, 150, 0, 300, 100, 0, 0, 2, false},
    {kPlain, "grocery6-carrots",       kNone, kNone, 468, false, 3, 3, 150, 0, 130, 260, 0, 0, 2, false},
    {kPlain, "grocery6-potato",        kNone, kNone, 469, false, 3, 3, 150, 0, 300, 260, 0, 0, 2, false},
    {kPlain, "cart",         kNone, kNone, 438, false, 4, 4, 100, 0, 380, 300, 0, 0, 2, false},
    {kPlain, "cartfront.bmp", kNone, kNone, 439, false, 1, 6,  0, 0, 380, 370, 0, 0, 2, false},
    kSmallBubble1,
    kSmallBubble3,
    kSmallBubble4,
    kWrongMark,
    {kPlain, "continue3.bmp", kNone, kNone, 1001, false, 1, 10, 0, 0, 253, 81, 0, 0, 2, false},
    kPlayAgainPanel3,
    kQuitPanel3,
    kYes,
    kNo,
    kBigBalloon1,
    kBigBalloon2,
    kBigBalloon3,
    kBigBalloon4,
    kLittleBalloon1,
    kLittleBalloon2,
    kLittleBalloon3,
    kLittleBalloon4,
    kBigBalloon5,
    kLittleBalloon5,
};

// As created, before AddCartItem puts one in the cart.
constexpr CreationRecord kCartItems[] = {
    {kPlain, "cart-apples.bmp",         kNone, kNone, 4000, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-asperigus.bmp",      kNone, kNone, 4001, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-banana.bmp",         kNone, kNone, 4002, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-bread.bmp",          kNone, kNone, 4003, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-brocoli.bmp",        kNone, kNone, 4004, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-carrots.bmp",        kNone, kNone, 4005, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-cherries.bmp",       kNone, kNone, 4006, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-chicken.bmp",        kNone, kNone, 4007, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-chips.bmp",          kNone, kNone, 4008, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-cookies.bmp",        kNone, kNone, 4009, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-crackers.bmp",       kNone, kNone, 4010, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-eggs.bmp",           kNone, kNone, 4011, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-fish.bmp",           kNone, kNone, 4012, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-flakes.bmp",         kNone, kNone, 4013, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-icecream.bmp",       kNone, kNone, 4014, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-juice.bmp",          kNone, kNone, 4015, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-meat.bmp",           kNone, kNone, 4016, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-milk.bmp",           kNone, kNone, 4017, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-oranges.bmp",        kNone, kNone, 4018, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-peanutbutter.bmp",   kNone, kNone, 4019, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-potato.bmp",         kNone, kNone, 4020, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-soda.bmp",           kNone, kNone, 4021, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-soup.bmp",           kNone, kNone, 4022, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
    {kPlain, "cart-turkey.bmp",         kNone, kNone, 4023, false, 1, 3, 0, 0, -100, 0, 0, 0, 2, false},
};
// clang-format on

} // namespace

std::span<const CreationRecord> GroceryList() {
    return kGrocery;
}
std::span<const CreationRecord> CartItemTable() {
    return kCartItems;
}
