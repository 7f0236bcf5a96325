// The guide's blinking eyes: one timer shared by every screen.
#pragma once

#include "platform/win32.h"

struct ListElem;

class Blinker {
  public:
    void Start(ListElem* eyes, DWORD now);
    void Update(DWORD now);
    // The eyes went with their screen: blink nothing until the next Start.
    void Forget() { eyes = nullptr; }

  private:
    ListElem* eyes = nullptr;
    DWORD stored = 0;
    DWORD interval = 0;
};
