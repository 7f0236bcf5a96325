// The player's own install directory for a game installed as a program: the
// pack lives beside the binary (BIN/../share/vocabuloon), while the progress
// file must live somewhere the player may write, named by the registry file.
#pragma once

#include <string>

namespace platform {

// The registry file the game reads (VOCABULOON_REGISTRY, else the XDG one).
std::string RegistryFilePath();

// The asset pack installed beside the running binary; "" when there is none
// (a game run from its build tree).
std::string PackBesideBinary();

// The per-user install directory: $XDG_DATA_HOME/vocabuloon (or
// ~/.local/share/vocabuloon), ~/.vocabuloon when that is longer than the 59
// characters the game accepts; "" when neither fits.
std::string UserInstallDir();

// On the first start of an installed game (no registry file yet): links the
// user install directory's Images and Wav to the installed pack and writes
// the registry file naming that directory. Does nothing for a build-tree game
// or once a registry file exists. False, with the reason, when it could not.
bool PrepareUserInstall(std::string* why);

} // namespace platform
