// SafeFile: the one way the program reads and writes whole files.
//
// Reading is bounded: only regular files, never more than a given size, and
// opened so that a FIFO or a device cannot block. Writing never leaves a
// half-written file: the bytes go to a temporary beside the target, every
// write and the final sync are checked, and only then does an atomic rename
// replace the target. On any failure the old file stays as it was.
//
// Plain C++ and POSIX, no Qt: tethrix-calc, the window and the tests share it.
#pragma once

#include "case/DataFile.h"  // MaxDataFileBytes

#include <cstddef>
#include <string>

#include <unistd.h>

// Reads the whole file into bytes. Returns an empty text on success, or the
// reason it failed in words a flier understands ("it is a folder").
std::string ReadSmallFile(const std::string &path, std::size_t maxBytes, std::string &bytes);

// The operating system's calls the writer makes whose failure a test cannot
// bring about for real (a sync or a close that fails, as on a network file
// system); tests replace them, the program never does.
struct FileCalls {
    int (*fsync)(int fd) = ::fsync;
    int (*close)(int fd) = ::close;
};
FileCalls &SafeFileCalls();

// Replaces path with bytes, or leaves it untouched and returns the reason.
// A symbolic link is followed, to a file it names that is not there yet
// too, and never replaced; folders, devices and pipes are refused.
// A new file gets the usual permissions (0666 less the umask), an existing
// one keeps its own.
std::string WriteFileSafely(const std::string &path, const std::string &bytes);

// True when path names an existing regular file (symbolic links followed).
bool IsRegularFile(const std::string &path);

// Makes a failed write report EFBIG instead of killing the process when a
// file-size limit is reached, so that the failure can be told to the user.
void IgnoreFileSizeSignal();
