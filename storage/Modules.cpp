#include "Modules.h"

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace {

std::string FolderOf(const std::string &file) { return file.substr(0, file.rfind('/')); }

std::string ProgramFolder()
{
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return std::string();
    return FolderOf(std::string(path, static_cast<size_t>(n)));
}

// The folder of the file this code was loaded from: the module folder when
// a module (the window's library, the settings reader) asks, the program's
// folder when a program does.
std::string LoaderFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&ModuleEntry), &info) == 0 || info.dli_fname == nullptr ||
        std::string(info.dli_fname).find('/') == std::string::npos)
        return ProgramFolder();
    char resolved[PATH_MAX];
    return realpath(info.dli_fname, resolved) != nullptr ? FolderOf(resolved) : FolderOf(info.dli_fname);
}

}  // namespace

void *ModuleEntry(const std::string &name, const char *entry, std::string &error)
{
    const std::string file = "libtethrix_" + name + ".so";
    // Beside the code that asks (a module's siblings), then the installed
    // module folder relative to the program's. A program run in its build
    // tree (whose root holds CMakeCache.txt) also looks in the tree's module
    // folder; nothing else is looked at, so an installed program never loads
    // a library from where it was built.
    const std::string loader = LoaderFolder(), program = ProgramFolder();
    std::vector<std::string> candidates = {loader + "/" + file, program + "/" TETHRIX_MODULE_RELATIVE_DIR "/" + file};
    for (const std::string &tree : {program + "/..", program + "/../.."})
        if (access((tree + "/CMakeCache.txt").c_str(), F_OK) == 0)
            candidates.push_back(tree + "/modules/" + file);
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
