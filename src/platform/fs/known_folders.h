#pragma once

#include <string>

namespace platform::fs {

// Environment variables that replace the known folders (tests, demos, portable set-ups).
inline constexpr const char* kDocumentsDirVariable = "KAVRIN_DOCUMENTS_DIR";
inline constexpr const char* kProgramDirVariable = "KAVRIN_PROGRAM_DIR";
inline constexpr const char* kConfigDirVariable = "KAVRIN_CONFIG_DIR";

// The user's documents folder: the XDG documents folder from user-dirs.dirs, else ~/Documents.
// Not created here; callers create what they need below it. Ends with "/".
std::string DocumentsFolder();

// The folder of the running executable (skin and default files ship beside it). Ends with "/".
std::string ProgramFolder();

// The per-user configuration folder of this program ($XDG_CONFIG_HOME/kavrin, else
// ~/.config/kavrin). Not created here. Ends with "/".
std::string ConfigFolder();

// path with exactly one "/" appended when it does not end with one already.
std::string WithTrailingSlash(std::string path);

}  // namespace platform::fs
