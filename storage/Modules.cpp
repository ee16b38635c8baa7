#include "Modules.h"

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

namespace {

std::string ProgramFolder()
{
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return std::string();
    const std::string self(path, static_cast<size_t>(n));
    return self.substr(0, self.rfind('/'));
}

}  // namespace

void *ModuleEntry(const std::string &name, const char *entry, std::string &error)
{
    const std::string file = "libtethrix_" + name + ".so";
    // Installed: the module folder relative to the program's; then the
    // build tree the program was built in.
    const std::string candidates[] = {ProgramFolder() + "/" TETHRIX_MODULE_RELATIVE_DIR "/" + file,
                                      std::string(TETHRIX_BUILD_MODULE_DIR "/") + file};
    error.clear();
    for (const std::string &path : candidates) {
        if (access(path.c_str(), F_OK) != 0)
            continue;
        void *handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            const char *why = dlerror();
            error = why != nullptr ? why : "the module could not be loaded";
            return nullptr;
        }
        if (void *address = dlsym(handle, entry))
            return address;
        error = "the module " + path + " has no " + entry;
        return nullptr;
    }
    error = "the program's module " + file + " is missing";
    return nullptr;
}
