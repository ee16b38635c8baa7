// Modules: the program's parts that load on first use (the report, the trim
// charts, the stored-settings reader), so that starting the window or
// running tethrix-calc does not load what a flier may never ask for.
#pragma once

#include <string>

// Loads libtethrix_<name>.so from the program's module folder (beside the
// module that asks, or where the modules are installed relative to the
// program) and returns the address of its entry function, or nullptr with
// the reason in error. Loading twice gives the module already loaded.
void *ModuleEntry(const std::string &name, const char *entry, std::string &error);

template <class Module>
const Module *LoadModule(const std::string &name, const char *entry, std::string &error)
{
    using Entry = const Module *(*)();
    void *address = ModuleEntry(name, entry, error);
    return address != nullptr ? reinterpret_cast<Entry>(address)() : nullptr;
}
