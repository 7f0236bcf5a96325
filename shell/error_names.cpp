#include "shell/error_names.h"

#include <iterator>

namespace {

struct CodeName {
    uint32_t code;
    const char* name;
};

struct OffsetName {
    uint32_t offset; // added to the DirectDraw facility base
    const char* name;
};

constexpr uint32_t kDirectDrawBase = 0x88760000;

constexpr CodeName kDirectDrawGeneral[] = {
    {0x00000000, "DD_OK"},
    {0x80004001, "DDERR_UNSUPPORTED"},
    {0x80004005, "DDERR_GENERIC"},
    {0x800401F0, "DDERR_NOTINITIALIZED"},
    {0x8007000E, "DDERR_OUTOFMEMORY"},
    {0x80070057, "DDERR_INVALIDPARAMS"},
};
static_assert(std::size(kDirectDrawGeneral) == 6);

constexpr OffsetName kDirectDrawFacility[] = {
    {5, "DDERR_ALREADYINITIALIZED"},
    {10, "DDERR_CANNOTATTACHSURFACE"},
    {20, "DDERR_CANNOTDETACHSURFACE"},
    {40, "DDERR_CURRENTLYNOTAVAIL"},
    {55, "DDERR_EXCEPTION"},
    {90, "DDERR_HEIGHTALIGN"},
    {95, "DDERR_INCOMPATIBLEPRIMARY"},
    {100, "DDERR_INVALIDCAPS"},
    {110, "DDERR_INVALIDCLIPLIST"},
    {120, "DDERR_INVALIDMODE"},
    {130, "DDERR_INVALIDOBJECT"},
    {145, "DDERR_INVALIDPIXELFORMAT"},
    {150, "DDERR_INVALIDRECT"},
    {160, "DDERR_LOCKEDSURFACES"},
    {170, "DDERR_NO3D"},
    {180, "DDERR_NOALPHAHW"},
    {205, "DDERR_NOCLIPLIST"},
    {210, "DDERR_NOCOLORCONVHW"},
    {212, "DDERR_NOCOOPERATIVELEVELSET"},
    {215, "DDERR_NOCOLORKEY"},
    {220, "DDERR_NOCOLORKEYHW"},
    {222, "DDERR_NODIRECTDRAWSUPPORT"},
    {225, "DDERR_NOEXCLUSIVEMODE"},
    {230, "DDERR_NOFLIPHW"},
    {240, "DDERR_NOGDI"},
    {250, "DDERR_NOMIRRORHW"},
    {255, "DDERR_NOTFOUND"},
    {260, "DDERR_NOOVERLAYHW"},
    {280, "DDERR_NORASTEROPHW"},
    {290, "DDERR_NOROTATIONHW"},
    {310, "DDERR_NOSTRETCHHW"},
    {316, "DDERR_NOT4BITCOLOR"},
    {317, "DDERR_NOT4BITCOLORINDEX"},
    {320, "DDERR_NOT8BITCOLOR"},
    {330, "DDERR_NOTEXTUREHW"},
    {335, "DDERR_NOVSYNCHW"},
    {340, "DDERR_NOZBUFFERHW"},
    {350, "DDERR_NOZOVERLAYHW"},
    {360, "DDERR_OUTOFCAPS"},
    {380, "DDERR_OUTOFVIDEOMEMORY"},
    {382, "DDERR_OVERLAYCANTCLIP"},
    {384, "DDERR_OVERLAYCOLORKEYONLYONEACTIVE"},
    {387, "DDERR_PALETTEBUSY"},
    {400, "DDERR_COLORKEYNOTSET"},
    {410, "DDERR_SURFACEALREADYATTACHED"},
    {420, "DDERR_SURFACEALREADYDEPENDENT"},
    {430, "DDERR_SURFACEBUSY"},
    {435, "DDERR_CANTLOCKSURFACE"},
    {440, "DDERR_SURFACEISOBSCURED"},
    {450, "DDERR_SURFACELOST"},
    {460, "DDERR_SURFACENOTATTACHED"},
    {470, "DDERR_TOOBIGHEIGHT"},
    {480, "DDERR_TOOBIGSIZE"},
    {490, "DDERR_TOOBIGWIDTH"},
    {510, "DDERR_UNSUPPORTEDFORMAT"},
    {520, "DDERR_UNSUPPORTEDMASK"},
    {537, "DDERR_VERTICALBLANKINPROGRESS"},
    {540, "DDERR_WASSTILLDRAWING"},
    {560, "DDERR_XALIGN"},
    {561, "DDERR_INVALIDDIRECTDRAWGUID"},
    {562, "DDERR_DIRECTDRAWALREADYCREATED"},
    {563, "DDERR_NODIRECTDRAWHW"},
    {564, "DDERR_PRIMARYSURFACEALREADYEXISTS"},
    {565, "DDERR_NOEMULATION"},
    {566, "DDERR_REGIONTOOSMALL"},
    {567, "DDERR_CLIPPERISUSINGHWND"},
    {568, "DDERR_NOCLIPPERATTACHED"},
    {569, "DDERR_NOHWND"},
    {570, "DDERR_HWNDSUBCLASSED"},
    {571, "DDERR_HWNDALREADYSET"},
    {572, "DDERR_NOPALETTEATTACHED"},
    {573, "DDERR_NOPALETTEHW"},
    {574, "DDERR_BLTFASTCANTCLIP"},
    {575, "DDERR_NOBLTHW"},
    {576, "DDERR_NODDROPSHW"},
    {577, "DDERR_OVERLAYNOTVISIBLE"},
    {578, "DDERR_NOOVERLAYDEST"},
    {579, "DDERR_INVALIDPOSITION"},
    {580, "DDERR_NOTAOVERLAYSURFACE"},
    {581, "DDERR_EXCLUSIVEMODEALREADYSET"},
    {582, "DDERR_NOTFLIPPABLE"},
    {583, "DDERR_CANTDUPLICATE"},
    {584, "DDERR_NOTLOCKED"},
    {585, "DDERR_CANTCREATEDC"},
    {586, "DDERR_NODC"},
    {587, "DDERR_WRONGMODE"},
    {588, "DDERR_IMPLICITLYCREATED"},
    {589, "DDERR_NOTPALETTIZED"},
    {590, "DDERR_UNSUPPORTEDMODE"},
    {591, "DDERR_NOMIPMAPHW"},
    {592, "DDERR_INVALIDSURFACETYPE"},
    {620, "DDERR_DCALREADYCREATED"},
    {630, "DDERR_NONONLOCALVIDMEM"},
    {640, "DDERR_CANTPAGELOCK"},
    {660, "DDERR_CANTPAGEUNLOCK"},
    {680, "DDERR_NOTPAGELOCKED"},
    {690, "DDERR_MOREDATA"},
    {695, "DDERR_VIDEONOTACTIVE"},
};
static_assert(std::size(kDirectDrawFacility) == 98);

// Two names differ from the usual spelling ("DS_ALLOCATED",
// "DDSERR_OTHERAPPHASPRIORITY"); the boxes show them as written here.
constexpr CodeName kDirectSound[] = {
    {0x00000000, "DS_OK"},
    {0x80004001, "DSERR_NOTSUPPORTED"},
    {0x80004002, "DSERR_NOINTERFACE"},
    {0x80004005, "DSERR_GENERIC"},
    {0x80040110, "DSERR_NOAGGREGATION"},
    {0x8007000E, "DSERR_OUTOFMEMORY"},
    {0x80070057, "DSERR_INVALIDPARAM"},
    {0x8878000A, "DS_ALLOCATED"},
    {0x8878001E, "DSERR_CONTROLUNAVAIL"},
    {0x88780032, "DSERR_INVALIDCALL"},
    {0x88780046, "DSERR_PRIOLEVELNEEDED"},
    {0x88780064, "DSERR_BADFORMAT"},
    {0x88780078, "DSERR_NODRIVER"},
    {0x88780082, "DSERR_ALREADYINITIALIZED"},
    {0x88780096, "DSERR_BUFFERLOST"},
    {0x887800A0, "DDSERR_OTHERAPPHASPRIORITY"},
    {0x887800AA, "DSERR_UNINITIALIZED"},
};
static_assert(std::size(kDirectSound) == 17);

template <size_t N> const char* Find(const CodeName (&table)[N], uint32_t code) {
    for (const CodeName& entry : table) {
        if (entry.code == code) {
            return entry.name;
        }
    }
    return nullptr;
}

} // namespace

const char* DirectDrawErrorName(HRESULT code) {
    const uint32_t value = static_cast<uint32_t>(code);
    if (const char* name = Find(kDirectDrawGeneral, value)) {
        return name;
    }
    for (const OffsetName& entry : kDirectDrawFacility) {
        if (kDirectDrawBase + entry.offset == value) {
            return entry.name;
        }
    }
    return nullptr;
}

const char* DirectSoundErrorName(HRESULT code) {
    return Find(kDirectSound, static_cast<uint32_t>(code));
}
