#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

// Answers text ids that the language file does not hold (the window that owns the skin installs
// itself here).
class IQueryControlText {
public:
    virtual ~IQueryControlText() = default;
    virtual std::optional<std::string> QueryControlText(std::string_view id,
                                                        std::string_view type) = 0;
};

// Process-wide skin resources: the skin folder, the symbolic names of "res.xml" and the texts of
// the active language. UI thread only.
class CResourceManager {
public:
    static CResourceManager& GetInstance();

    // Folder that skin files are read from; always ends with "/".
    void SetResourcePath(std::string path);
    const std::string& GetResourcePath() const { return resourcePath_; }
    // Full path of a skin file name or of a symbolic name from "res.xml".
    std::string ResolvePath(std::string_view nameOrFile) const;

    // Reads the map of symbolic names (<Res><File name="XML_MAIN" path="main.xml"/></Res>).
    bool LoadResource(std::string_view file);
    // Reads a language file (<Language><Text id="..." value="..."/></Language>) and replaces the
    // active texts. False (and the old texts kept) when the file cannot be read.
    bool LoadLanguage(std::string_view file);
    // Language name such as "en", "cn_zh" or "cn_tw".
    void SetLanguage(std::string name) { language_ = std::move(name); }
    const std::string& GetLanguage() const { return language_; }

    // Text of an id: the language file first, then the installed query callback, else the id.
    std::string GetText(std::string_view id, std::string_view type = {}) const;
    void SetTextQueryInterface(IQueryControlText* query) { query_ = query; }
    IQueryControlText* GetTextQueryInterface() const { return query_; }

    // Makes every resource-text control show the texts of the current language again.
    void ReloadText();
    using ReloadListener = std::function<void()>;
    // Returns a token for RemoveReloadListener.
    int AddReloadListener(ReloadListener listener);
    void RemoveReloadListener(int token);

    // Forgets everything (end of the process, tests).
    void Release();

private:
    CResourceManager() = default;

    std::string resourcePath_;
    std::string language_ = "en";
    std::map<std::string, std::string, std::less<>> files_;
    std::map<std::string, std::string, std::less<>> texts_;
    IQueryControlText* query_ = nullptr;
    std::map<int, ReloadListener> listeners_;
    int nextToken_ = 1;
};

}  // namespace toolkit
