// The hangar module (libtethrix_hangar): the window's hangar store for
// tethrix-calc, which links no Qt of its own and loads this only when a
// command touches the window's hangar.
#pragma once

#include "hangar/HangarChange.h"

#include <functional>
#include <string>

struct HangarModule {
    // Reads the window's hangar into hangar; returns the reason it cannot
    // (a sentence without its full stop), or empty. where: the database's
    // path, for messages.
    std::string (*read)(Hangar &hangar, std::string &where);
    // Runs edit on the newest content and commits what it changed in one
    // transaction, as the window does; the reason it failed, or empty.
    std::string (*edit)(const std::function<Result<>(Hangar &)> &edit, HangarChange &applied, std::string &where);
};

// The module's entry, looked up by this name (LoadModule in Modules.h).
extern "C" const HangarModule *TethrixHangarModule();
