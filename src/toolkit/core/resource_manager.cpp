#include "toolkit/core/resource_manager.h"

#include <pugixml.hpp>

#include "platform/sys/debug_output.h"
#include "toolkit/core/text_util.h"

namespace toolkit {

CResourceManager& CResourceManager::GetInstance() {
    static CResourceManager instance;
    return instance;
}

void CResourceManager::SetResourcePath(std::string path) {
    if (!path.empty() && path.back() != '/') {
        path.push_back('/');
    }
    resourcePath_ = std::move(path);
}

std::string CResourceManager::ResolvePath(std::string_view nameOrFile) const {
    auto mapped = files_.find(nameOrFile);
    std::string_view file = mapped != files_.end() ? std::string_view(mapped->second) : nameOrFile;
    if (!file.empty() && file.front() == '/') {
        return std::string(file);
    }
    return resourcePath_ + std::string(file);
}

bool CResourceManager::LoadResource(std::string_view file) {
    pugi::xml_document doc;
    std::string path = ResolvePath(file);
    if (!doc.load_file(path.c_str())) {
        platform::sys::OutputDebugString("resource map unreadable: " + path);
        return false;
    }
    for (pugi::xml_node entry : doc.document_element().children("File")) {
        files_[entry.attribute("name").as_string()] = entry.attribute("path").as_string();
    }
    return true;
}

bool CResourceManager::LoadLanguage(std::string_view file) {
    pugi::xml_document doc;
    std::string path = ResolvePath(file);
    if (!doc.load_file(path.c_str())) {
        platform::sys::OutputDebugString("language file unreadable: " + path);
        return false;
    }
    std::map<std::string, std::string, std::less<>> texts;
    for (pugi::xml_node entry : doc.document_element().children("Text")) {
        texts[ToLower(entry.attribute("id").as_string())] = entry.attribute("value").as_string();
    }
    texts_ = std::move(texts);
    return true;
}

std::string CResourceManager::GetText(std::string_view id, std::string_view type) const {
    auto found = texts_.find(ToLower(id));
    if (found != texts_.end()) {
        return found->second;
    }
    if (query_ != nullptr) {
        if (auto answer = query_->QueryControlText(id, type)) {
            return *answer;
        }
    }
    return std::string(id);
}

void CResourceManager::ReloadText() {
    // Copy first: a listener may unregister itself (a window closing while it repaints).
    auto listeners = listeners_;
    for (auto& [token, listener] : listeners) {
        if (listeners_.contains(token)) {
            listener();
        }
    }
}

int CResourceManager::AddReloadListener(ReloadListener listener) {
    int token = nextToken_++;
    listeners_.emplace(token, std::move(listener));
    return token;
}

void CResourceManager::RemoveReloadListener(int token) {
    listeners_.erase(token);
}

void CResourceManager::Release() {
    files_.clear();
    texts_.clear();
    query_ = nullptr;
    language_ = "en";
}

}  // namespace toolkit
