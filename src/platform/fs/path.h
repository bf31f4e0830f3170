#pragma once

#include <string>
#include <string_view>

namespace platform::fs {

// The path that names the file the system means by `path`: the path itself when it exists,
// otherwise the entry of its folder whose name equals the last component without regard to
// letter case (the first such name in byte order), otherwise the path unchanged (a new file
// keeps the caller's spelling). Only the last component is matched this way.
std::string ResolvePath(std::string_view path);

// True when both paths name the same existing file (letter case aside), or are equal without
// regard to case.
bool SameFile(std::string_view a, std::string_view b);

// "dir/name" -> "dir", "name" -> ".", "/name" -> "/".
std::string ParentFolder(std::string_view path);
// "dir/name" -> "name".
std::string_view FileName(std::string_view path);

}  // namespace platform::fs
