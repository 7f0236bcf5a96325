#include "shell/spoken_words.h"

#include <initializer_list>
#include <utility>

namespace {

enum class OtherCode { Ignored, Answer55, ReadyKeepingAnswer };

struct WordTable {
    LONG firstScreen;
    LONG lastScreen;
    std::initializer_list<std::pair<DWORD, LONG>> pairs;
    OtherCode other;
};

const WordTable kWordTables[] = {
    {2,
     2,
     {{1, 54},  {3, 70},  {4, 59},  {5, 75},  {6, 61},  {8, 73},  {9, 62},  {10, 71},
      {11, 55}, {13, 58}, {14, 69}, {15, 56}, {17, 77}, {18, 63}, {19, 74}, {21, 52},
      {22, 76}, {23, 53}, {24, 51}, {25, 57}, {27, 60}, {28, 68}, {29, 67}, {31, 72}},
     OtherCode::Ignored},
    {5, 5, {{57, 208}, {59, 210}, {60, 207}, {61, 211}, {63, 209}, {64, 212}}, OtherCode::Ignored},
    {6,
     6,
     {{32, 91},
      {33, 92},
      {35, 85},
      {36, 82},
      {38, 96},
      {40, 83},
      {41, 80},
      {43, 81},
      {45, 89},
      {46, 90},
      {47, 94},
      {49, 88},
      {50, 86},
      {51, 80},
      {53, 84},
      {55, 95},
      {56, 87}},
     OtherCode::Ignored},
    {7,
     7,
     {{2, 1500},   {7, 1501},   {12, 1502},  {16, 1504},  {20, 1505},  {26, 1506},
      {30, 1507},  {34, 1508},  {39, 1509},  {44, 1510},  {48, 1511},  {58, 1512},
      {62, 1514},  {67, 1515},  {70, 1517},  {72, 1518},  {77, 1519},  {80, 1520},
      {85, 1522},  {90, 1523},  {95, 1524},  {102, 1525}, {106, 1526}, {112, 1527},
      {116, 1528}, {121, 1529}, {188, 1516}, {189, 1521}, {190, 1513}, {191, 1503}},
     OtherCode::Ignored},
    {9, 9, {{66, 226}, {68, 224}, {69, 221}, {71, 222}, {73, 225}, {75, 223}}, OtherCode::Ignored},
    {10,
     10,
     {{76, 243}, {78, 239}, {79, 240}, {81, 244}, {82, 242}, {84, 241}},
     OtherCode::Ignored},
    {11,
     11,
     {{86, 262}, {87, 259}, {89, 260}, {91, 261}, {92, 264}, {94, 263}},
     OtherCode::Ignored},
    {14,
     14,
     {{110, 1}, {111, 2}, {113, 3}, {114, 4}, {115, 5}, {117, 6}, {118, 0}},
     OtherCode::Ignored},
    {15,
     15,
     {{166, 408},
      {167, 414},
      {168, 406},
      {169, 403},
      {170, 432},
      {172, 436},
      {173, 410},
      {174, 434},
      {176, 428},
      {177, 430},
      {178, 404},
      {179, 412}},
     OtherCode::Ignored},
    {16,
     20,
     {{120, 1},
      {122, 2},
      {123, 3},
      {124, 4},
      {125, 5},
      {126, 6},
      {127, 7},
      {128, 8},
      {130, 9},
      {131, 10},
      {132, 11},
      {134, 12}},
     OtherCode::Ignored},
    {24,
     24,
     {{37, 1},   {42, 2},   {52, 3},   {65, 4},   {88, 5},   {93, 6},   {99, 7},
      {108, 8},  {119, 9},  {129, 10}, {133, 11}, {137, 12}, {140, 13}, {145, 14},
      {149, 15}, {156, 16}, {161, 17}, {165, 18}, {171, 19}, {175, 20}, {180, 30},
      {181, 40}, {182, 50}, {183, 60}, {184, 70}, {185, 80}, {186, 90}, {187, 100}},
     OtherCode::Answer55},
    {25,
     25,
     {{135, 441}, {136, 442}, {138, 443}, {139, 444}, {141, 446}, {142, 447},
      {143, 448}, {144, 449}, {146, 451}, {147, 454}, {148, 453}, {150, 452},
      {151, 458}, {152, 456}, {153, 457}, {154, 459}, {155, 460}, {157, 464},
      {158, 463}, {159, 462}, {160, 467}, {162, 468}, {163, 465}, {164, 469}},
     OtherCode::ReadyKeepingAnswer},
};

} // namespace

SpokenWordResult LookupSpokenWord(LONG screenId, DWORD wordCode) {
    SpokenWordResult result;
    for (const WordTable& table : kWordTables) {
        if (screenId < table.firstScreen || screenId > table.lastScreen)
            continue;
        for (const auto& [code, answer] : table.pairs) {
            if (code == wordCode) {
                result.ready = result.setsAnswer = true;
                result.answer = answer;
                return result;
            }
        }
        if (table.other == OtherCode::Answer55) {
            result.ready = result.setsAnswer = true;
            result.answer = 55;
        } else if (table.other == OtherCode::ReadyKeepingAnswer) {
            result.ready = true;
        }
        return result;
    }
    return result;
}
