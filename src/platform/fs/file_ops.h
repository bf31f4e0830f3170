#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "platform/sys/lock.h"

namespace platform::fs {

// Every operation resolves the last path component without regard to letter case (ResolvePath),
// so a write to a name that exists in another case writes that existing file.

// True when the path names a regular file (or a link to one).
bool FileExists(std::string_view path);

// Copies a file like CopyFile: with failIfExists an existing destination makes it fail. The
// destination is replaced atomically. Copying a file onto itself fails, so that a caller that
// deletes the source after a successful copy never loses it.
bool CopyFile(std::string_view from, std::string_view to, bool failIfExists);

// Removes a file (not a folder).
bool DeleteFile(std::string_view path);

// Renames or moves a file like MoveFile: fails when the destination exists, except for a change
// of letter case only of the same file.
bool MoveFile(std::string_view from, std::string_view to);

// Creates the folder and any missing parents; true when it exists afterwards.
bool CreateFolder(std::string_view path);

// The whole file, or its first maxBytes bytes; nullopt when it cannot be opened or read.
std::optional<std::string> ReadFile(std::string_view path,
                                    size_t maxBytes = std::numeric_limits<size_t>::max());

// Replaces the file's content atomically: a temporary file in the same folder is written,
// flushed to disk and renamed over the file, so readers see the old or the new content, never a
// part, and a crash never loses the old file. Takes FileWriteLock().
bool WriteFileAtomic(std::string_view path, std::string_view bytes);

// The process-wide lock of all writes; hold it across a read-modify-write so that concurrent
// writers of one file never lose each other's changes.
sys::ReentrantLock& FileWriteLock();

}  // namespace platform::fs
