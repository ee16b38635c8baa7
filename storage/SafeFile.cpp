#include "storage/SafeFile.h"
#include "lang/Format.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string ErrnoText(int error) { return std::strerror(error); }

// The words for a file that is there but is not something we read or write.
std::string NotRegularReason(mode_t mode)
{
    if (S_ISDIR(mode))
        return "it is a folder, not a file";
    if (S_ISFIFO(mode))
        return "it is a pipe, not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a regular file";
    return "it is not a regular file";
}

std::string SizeReason(std::size_t maxBytes)
{
    if (maxBytes == MaxDataFileBytes)
        return DataFileTooLarge;
    return lang::Format("it is larger than %1 bytes", {std::to_string(maxBytes)});
}

mode_t CurrentUmask()
{
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd; }
    // Closes now so that a failing close (NFS reports late errors there) is seen.
    bool close()
    {
        const int f = fd;
        fd = -1;
        return SafeFileCalls().close(f) == 0;
    }

private:
    int fd;
};

// Follows the symbolic links target names, as opening it would: a link to
// a file that is not there names that file, which the write then creates
// (or fails to, when its folder is missing). The link itself is never
// replaced. Returns the reason when the links cannot be followed.
std::string FollowLinks(std::string &target)
{
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return std::string();  // what is there, or why not, is found next
        if (hops == 40)  // as many as the kernel follows
            return ErrnoText(ELOOP);
        std::string to(PATH_MAX, '\0');
        const ssize_t n = ::readlink(target.c_str(), &to[0], to.size());
        if (n < 0)
            return ErrnoText(errno);
        if (n == 0 || static_cast<std::size_t>(n) == to.size())
            return ErrnoText(n == 0 ? ENOENT : ENAMETOOLONG);
        to.resize(static_cast<std::size_t>(n));
        const std::size_t slash = target.rfind('/');
        if (to[0] != '/' && slash != std::string::npos)
            to.insert(0, target, 0, slash + 1);  // relative to the link's folder
        target = to;
    }
}

// The temporary's name: hidden, starting with the target's name so that a
// leftover tells whose it was, and never longer than the folder allows, so
// that a target of the longest name the folder takes can be written too.
// A shortened name is cut between UTF-8 characters.
std::string ScratchName(const std::string &folder, const std::string &base)
{
    static const std::string random = ".XXXXXX";
    const long asked = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    const std::size_t limit = asked > 0 ? static_cast<std::size_t>(asked) : NAME_MAX;
    const std::size_t room = limit > 1 + random.size() ? limit - 1 - random.size() : 0;
    std::size_t keep = std::min(base.size(), room);
    while (keep > 0 && keep < base.size() && (static_cast<unsigned char>(base[keep]) & 0xC0) == 0x80)
        --keep;
    return "." + base.substr(0, keep) + random;
}

}  // namespace

std::string ReadSmallFile(const std::string &path, std::size_t maxBytes, std::string &bytes)
{
    bytes.clear();
    if (path.empty())
        return "no file name was given";
    // Non-blocking, so that opening a FIFO returns at once instead of
    // waiting for a writer; the type is checked on the open descriptor.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        return ErrnoText(errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return ErrnoText(errno);
    if (!S_ISREG(st.st_mode))
        return NotRegularReason(st.st_mode);
    if (st.st_size < 0 || static_cast<unsigned long long>(st.st_size) > maxBytes)
        return SizeReason(maxBytes);

    // The file may grow while it is read: never take more than maxBytes.
    bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (bytes.size() > maxBytes) {
                bytes.clear();
                return SizeReason(maxBytes);
            }
            bytes.resize(std::min(maxBytes + 1, bytes.size() * 2 + 64));
        }
        const ssize_t n = ::read(fd.get(), &bytes[got], bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            bytes.clear();
            return ErrnoText(error);
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    if (got > maxBytes) {
        bytes.clear();
        return SizeReason(maxBytes);
    }
    bytes.resize(got);
    return std::string();
}

std::string WriteFileSafely(const std::string &path, const std::string &bytes)
{
    if (path.empty())
        return "no file name was given";
    std::string target = path;
    if (std::string why = FollowLinks(target); !why.empty())
        return why;
    struct stat st {};
    bool exists = false;
    mode_t mode = 0666 & ~CurrentUmask();
    if (::stat(target.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return NotRegularReason(st.st_mode);
        // A file its owner has write-protected is not replaced, as the shell
        // would not overwrite it either. (The new file takes the old one's
        // place by a rename: a hard link to the old file keeps the old
        // bytes, so that no half-written file is ever seen.)
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            return ErrnoText(errno);
        exists = true;
        mode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return ErrnoText(errno);
    }

    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temporary = folder + "/" + ScratchName(folder, base);
    Descriptor fd(::mkostemp(&temporary[0], O_CLOEXEC));
    if (fd.get() < 0)
        return ErrnoText(errno);

    auto fail = [&](int error) {
        ::unlink(temporary.c_str());
        return ErrnoText(error);
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (n == 0)
            return fail(ENOSPC);
        done += static_cast<std::size_t>(n);
    }
    // A full disk can also show first when the data is flushed.
    if (SafeFileCalls().fsync(fd.get()) != 0)
        return fail(errno);
    if (::fchmod(fd.get(), mode) != 0 && exists)
        return fail(errno);
    if (!fd.close())
        return fail(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        return fail(errno);
    // Make the rename itself durable; a folder that cannot be synced is no
    // reason to report a file that is complete.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        SafeFileCalls().fsync(dir);
        ::close(dir);
    }
    return std::string();
}

FileCalls &SafeFileCalls()
{
    static FileCalls calls;
    return calls;
}

bool IsRegularFile(const std::string &path)
{
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }
