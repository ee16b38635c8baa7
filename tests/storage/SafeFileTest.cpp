// Whole-file reads and writes under the conditions a user meets: folders,
// pipes and devices where a file is expected, large files, a full disk.
#include "storage/SafeFile.h"

#include "tests/FullDisk.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

class Folder {
public:
    Folder()
    {
        char name[] = "/tmp/tethrix-safefile-XXXXXX";
        path = mkdtemp(name);
    }
    ~Folder() { std::system(("rm -rf '" + path + "'").c_str()); }
    std::string operator/(const std::string &name) const { return path + "/" + name; }
    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        DIR *d = opendir(path.c_str());
        while (dirent *e = readdir(d))
            if (std::string(e->d_name) != "." && std::string(e->d_name) != "..")
                found.push_back(e->d_name);
        closedir(d);
        return found;
    }
    std::string path;
};

void Put(const std::string &path, const std::string &bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string Get(const std::string &path)
{
    std::string bytes;
    EXPECT_EQ(ReadSmallFile(path, MaxDataFileBytes, bytes), "") << path;
    return bytes;
}

mode_t Mode(const std::string &path)
{
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

}  // namespace

TEST(SafeFile, reads_only_regular_files_up_to_the_limit)
{
    Folder dir;
    mkdir((dir / "folder").c_str(), 0755);
    mkfifo((dir / "fifo").c_str(), 0644);  // nobody writes: opening must not wait
    Put(dir / "full.TQD", std::string(MaxDataFileBytes, '\n'));
    Put(dir / "over.TQD", std::string(MaxDataFileBytes + 1, '\n'));
    const struct {
        std::string path, reason;
    } refused[] = {
        {dir / "folder", "it is a folder, not a file"},
        {dir / "fifo", "it is a pipe, not a regular file"},
        {"/dev/zero", "it is a device, not a regular file"},
        {dir / "over.TQD", "it is larger than 1 MiB, far too large for a Tethrix data file"},
        {dir / "missing.TQD", "No such file or directory"},
    };
    for (const auto &r : refused) {
        std::string bytes = "stale";
        EXPECT_EQ(ReadSmallFile(r.path, MaxDataFileBytes, bytes), r.reason) << r.path;
        EXPECT_TRUE(bytes.empty());
    }
    EXPECT_EQ(Get(dir / "full.TQD").size(), MaxDataFileBytes);
}

TEST(SafeFile, a_full_disk_leaves_the_old_file_whole_and_no_temporary)
{
    Folder dir;
    Put(dir / "plane.TQD", "an=Old\r\n");
    {
        FullDisk full;
        EXPECT_EQ(WriteFileSafely(dir / "plane.TQD", std::string(4096, 'x')), "File too large");
        EXPECT_EQ(WriteFileSafely(dir / "new.TQD", std::string(4096, 'x')), "File too large");
    }
    EXPECT_EQ(Get(dir / "plane.TQD"), "an=Old\r\n");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"plane.TQD"});
    EXPECT_EQ(WriteFileSafely(dir / "plane.TQD", "an=New\r\n"), "");
    EXPECT_EQ(Get(dir / "plane.TQD"), "an=New\r\n");
}

TEST(SafeFile, writes_refuse_what_is_not_a_file_and_keep_permissions_and_links)
{
    Folder dir;
    mkdir((dir / "folder").c_str(), 0755);
    EXPECT_EQ(WriteFileSafely(dir / "folder", "x"), "it is a folder, not a file");
    EXPECT_EQ(WriteFileSafely("/dev/full", "x"), "it is a device, not a regular file");
    EXPECT_EQ(WriteFileSafely(dir / "no/such/folder/x", "x"), "No such file or directory");

    const mode_t mask = umask(022);
    EXPECT_EQ(WriteFileSafely(dir / "new", "1"), "");
    EXPECT_EQ(Mode(dir / "new"), 0644u);
    chmod((dir / "new").c_str(), 0600);
    EXPECT_EQ(WriteFileSafely(dir / "new", "2"), "");
    EXPECT_EQ(Mode(dir / "new"), 0600u);
    umask(mask);

    // A write-protected file is refused as the shell refuses it; root may
    // write it, so an ordinary user (nobody) is tried in a child.
    chmod(dir.path.c_str(), 0777);
    Put(dir / "locked", "old");
    chmod((dir / "locked").c_str(), 0444);
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        _exit(WriteFileSafely(dir / "locked", "new") == "Permission denied" ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(Get(dir / "locked"), "old");

    // A link is followed, as the shell follows it, to a file not there yet
    // too; it stays a link whatever the write gives.
    symlink("new", (dir / "link").c_str());
    symlink("link", (dir / "chain").c_str());
    symlink("missing", (dir / "dangling").c_str());
    symlink("gone/missing", (dir / "broken").c_str());
    symlink("loop", (dir / "loop").c_str());
    const struct {
        const char *link, *reason, *file;
    } links[] = {
        {"link", "", "new"},
        {"chain", "", "new"},
        {"dangling", "", "missing"},
        {"broken", "No such file or directory", nullptr},
        {"loop", "Too many levels of symbolic links", nullptr},
    };
    for (const auto &l : links) {
        EXPECT_EQ(WriteFileSafely(dir / l.link, l.link), l.reason) << l.link;
        struct stat st {};
        lstat((dir / l.link).c_str(), &st);
        EXPECT_TRUE(S_ISLNK(st.st_mode)) << l.link;
        if (l.file != nullptr) {
            EXPECT_EQ(Get(dir / l.file), l.link);
        }
    }
}

// The longest name a folder takes can be written: the temporary beside it
// is never longer. One byte more is refused as the shell refuses it.
TEST(SafeFile, names_up_to_the_longest_a_folder_takes_are_written)
{
    Folder dir;
    for (const std::string &name : {std::string(249, 'r') + ".pdf", std::string(255, 'x'),
                                    std::string(246, 'x') + "\xC3\xA9\xC3\xA9"}) {
        EXPECT_EQ(WriteFileSafely(dir / name, "new"), "") << name.size();
        EXPECT_EQ(WriteFileSafely(dir / name, "again"), "") << name.size();
        EXPECT_EQ(Get(dir / name), "again");
        EXPECT_EQ(dir.names(), std::vector<std::string>{name});
        std::remove((dir / name).c_str());
    }
    EXPECT_EQ(WriteFileSafely(dir / std::string(256, 'x'), "new"), "File name too long");
    EXPECT_TRUE(dir.names().empty());
}

// A sync or a close that fails (a network file system reports late there)
// leaves the old file whole and no temporary; after the rename the folder
// is synced too, so that the new name survives a power cut.
namespace {
std::vector<std::string> synced;
int FailingSync(int) { errno = EIO; return -1; }
int FailingClose(int fd) { ::close(fd); errno = EIO; return -1; }
int RecordingSync(int fd)
{
    struct stat st {};
    fstat(fd, &st);
    synced.push_back(S_ISDIR(st.st_mode) ? "folder" : "file");
    return ::fsync(fd);
}
}  // namespace

TEST(SafeFile, a_failing_sync_or_close_is_reported_and_the_folder_is_synced)
{
    const FileCalls saved = SafeFileCalls();
    Folder dir;
    Put(dir / "plane.TQD", "old");
    for (auto [sync, close] : {std::pair{&FailingSync, &::close}, std::pair{&::fsync, &FailingClose}}) {
        SafeFileCalls().fsync = sync;
        SafeFileCalls().close = close;
        EXPECT_EQ(WriteFileSafely(dir / "plane.TQD", "new"), "Input/output error");
        SafeFileCalls() = saved;
        EXPECT_EQ(Get(dir / "plane.TQD"), "old");
        EXPECT_EQ(dir.names(), std::vector<std::string>{"plane.TQD"});
    }
    synced.clear();
    SafeFileCalls().fsync = RecordingSync;
    EXPECT_EQ(WriteFileSafely(dir / "plane.TQD", "new"), "");
    SafeFileCalls() = saved;
    EXPECT_EQ(synced, (std::vector<std::string>{"file", "folder"}));
}
