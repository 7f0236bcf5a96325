// DirectInput 5: the system mouse, read as its immediate state.
#pragma once

#include "platform/ddraw.h"
#include "platform/win32.h"

#define DIRECTINPUT_VERSION 0x0500

#define DI_OK S_OK
#define DIERR_INPUTLOST ((HRESULT)0x8007001EL)
#define DIERR_NOTACQUIRED ((HRESULT)0x8007000CL)
#define DIERR_OTHERAPPHASPRIO ((HRESULT)0x80070005L)
#define DIERR_INVALIDPARAM E_INVALIDARG
#define DIERR_DEVICENOTREG ((HRESULT)0x80040154L)
#define DIERR_OLDDIRECTINPUTVERSION ((HRESULT)0x8007047EL)

#define DISCL_EXCLUSIVE 0x00000001
#define DISCL_NONEXCLUSIVE 0x00000002
#define DISCL_FOREGROUND 0x00000004
#define DISCL_BACKGROUND 0x00000008

typedef struct _DIMOUSESTATE {
    LONG lX;
    LONG lY;
    LONG lZ;
    BYTE rgbButtons[4];
} DIMOUSESTATE;
static_assert(sizeof(DIMOUSESTATE) == 16, "mouse state layout");

// The data formats are told apart by identity only.
typedef struct _DIDATAFORMAT {
    DWORD dwSize;
    DWORD dwObjSize;
    DWORD dwFlags;
    DWORD dwDataSize;
    DWORD dwNumObjs;
} DIDATAFORMAT;

struct IDirectInputDevice : IUnknown {
    virtual HRESULT SetDataFormat(const DIDATAFORMAT* format) = 0;
    virtual HRESULT SetCooperativeLevel(HWND window, DWORD flags) = 0;
    virtual HRESULT Acquire() = 0;
    virtual HRESULT Unacquire() = 0;
    virtual HRESULT GetDeviceState(DWORD size, LPVOID data) = 0;
};
typedef IDirectInputDevice* LPDIRECTINPUTDEVICE;

struct IDirectInput : IUnknown {
    virtual HRESULT CreateDevice(REFGUID device, IDirectInputDevice** created,
                                 IUnknown* outer) = 0;
};
typedef IDirectInput* LPDIRECTINPUT;

extern const GUID GUID_SysMouse;
extern const DIDATAFORMAT c_dfDIMouse;

HRESULT WINAPI DirectInputCreateA(HINSTANCE instance, DWORD version, IDirectInput** directInput,
                                  IUnknown* outer);
