#pragma once

#include <string>

#include "platform/fs/known_folders.h"
#include "temp_folder.h"

namespace kavrin_testing {

// A test's own documents and configuration folders, and the program folder it runs against,
// all set through the variables the program reads, so no test reaches the real home folder.
struct ProgramFolders {
    explicit ProgramFolders(const std::string& programFolder)
        : programEnv(platform::fs::kProgramDirVariable, programFolder) {}

    TempFolder documents;
    TempFolder config;
    ScopedEnv documentsEnv{platform::fs::kDocumentsDirVariable, documents.path()};
    ScopedEnv configEnv{platform::fs::kConfigDirVariable, config.path()};
    ScopedEnv programEnv;
};

}  // namespace kavrin_testing
