#pragma once

#include <optional>
#include <string>

namespace kavrin_testing {

// A fresh folder under the system's temporary folder, removed with everything in it on
// destruction. path() ends with "/".
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    // Names of the folder's entries, sorted.
    std::string Listing() const;
    // Writes a file below the folder (test set-up, not the code under test).
    void Put(const std::string& name, const std::string& content) const;

private:
    std::string path_;
};

// Sets (or, with nullopt, removes) an environment variable and restores it on destruction. Set
// it before starting threads.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::optional<std::string>& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

}  // namespace kavrin_testing
