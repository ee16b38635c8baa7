#include "storage/Modules.h"
#include "lang/Format.h"

#include <dlfcn.h>
#include <link.h>
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

// The folder of the module this code was loaded in (the window's library,
// the settings reader), where the other modules are too; empty when it is
// the program's own code.
std::string ModuleFolder()
{
    Dl_info info{};
    link_map *object = nullptr;
    if (dladdr1(reinterpret_cast<void *>(&ModuleEntry), &info, reinterpret_cast<void **>(&object),
                RTLD_DL_LINKMAP) == 0 ||
        object == nullptr || object->l_name == nullptr || object->l_name[0] == '\0')
        return std::string();  // the loader leaves the program's own name empty
    char resolved[PATH_MAX];
    return realpath(object->l_name, resolved) != nullptr ? FolderOf(resolved) : FolderOf(object->l_name);
}

}  // namespace

void *ModuleEntry(const std::string &name, const char *entry, std::string &error)
{
    const std::string file = "libtethrix_" + name + ".so";
    // Beside the module that asks, then in the module folder where it is
    // installed relative to the program; nothing else is looked at, not the
    // program's own folder, nor a build tree beside it. (The build tree
    // mirrors that layout with a link to its module folder.)
    std::vector<std::string> candidates;
    if (const std::string module = ModuleFolder(); !module.empty())
        candidates.push_back(module + "/" + file);
    candidates.push_back(ProgramFolder() + "/" TETHRIX_MODULE_RELATIVE_DIR "/" + file);
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
        error = lang::Format("the module %1 has no %2", {path, entry});
        return nullptr;
    }
    error = lang::Format("the program's module %1 is missing", {file});
    return nullptr;
}
