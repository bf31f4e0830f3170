// The shipped language files against the ids the program uses, and the control-name catalogue
// against itself.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "app/control_names.h"
#include "app/language_ids.h"

namespace app {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// One language file as the toolkit reads it: ids compared without regard to case.
struct LanguageFile {
    std::string name;
    std::map<std::string, std::string> texts;  // lower-case id -> value
    std::vector<std::string> problems;         // what the toolkit would silently drop or override
};

LanguageFile Load(const std::string& name) {
    LanguageFile file{name, {}, {}};
    pugi::xml_document doc;
    pugi::xml_parse_result parsed = doc.load_file((std::string(KAVRIN_SKIN_DIR) + name).c_str());
    if (!parsed) {
        file.problems.push_back(std::string("unreadable: ") + parsed.description());
        return file;
    }
    pugi::xml_node root = doc.document_element();
    if (std::string_view(root.name()) != "Language") {
        file.problems.push_back(std::string("root element is ") + root.name());
    }
    for (pugi::xml_node entry : root.children()) {
        if (entry.type() != pugi::node_element) {
            continue;
        }
        std::string id = entry.attribute("id").as_string();
        if (std::string_view(entry.name()) != "Text" || id.empty() || !entry.attribute("value")) {
            file.problems.push_back(std::string("not a text entry: <") + entry.name() + " id='" +
                                    id + "'>");
            continue;
        }
        if (!file.texts.emplace(Lower(id), entry.attribute("value").as_string()).second) {
            file.problems.push_back("id given twice (case ignored): " + id);
        }
    }
    return file;
}

// printf conversions in a text, "%%" excluded: one letter per conversion.
std::string Conversions(std::string_view text) {
    std::string found;
    for (std::size_t at = text.find('%'); at != std::string_view::npos;
         at = text.find('%', at + 1)) {
        std::size_t end = text.find_first_not_of("0123456789.-+ #lh", at + 1);
        if (end == std::string_view::npos) {
            found += '?';
            break;
        }
        if (text[end] != '%') {
            found += text[end];
        }
        at = end;
    }
    return found;
}

class LanguageFilesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        files_ = new std::vector<LanguageFile>{Load("lan_en.xml"), Load("lan_cn.xml"),
                                               Load("lan_sn.xml")};
    }
    static void TearDownTestSuite() {
        delete files_;
        files_ = nullptr;
    }
    static const std::vector<LanguageFile>& Files() { return *files_; }

private:
    static std::vector<LanguageFile>* files_;
};

std::vector<LanguageFile>* LanguageFilesTest::files_ = nullptr;

TEST_F(LanguageFilesTest, EachFileIsWellFormedWithUniqueIds) {
    for (const LanguageFile& file : Files()) {
        EXPECT_TRUE(file.problems.empty())
            << file.name << ": " << ::testing::PrintToString(file.problems);
        EXPECT_GT(file.texts.size(), 0u) << file.name;
    }
}

TEST_F(LanguageFilesTest, AllLanguagesHoldTheSameIds) {
    const LanguageFile& english = Files().front();
    for (const LanguageFile& other : Files()) {
        std::vector<std::string> onlyEnglish, onlyOther;
        for (const auto& [id, text] : english.texts) {
            if (!other.texts.contains(id)) {
                onlyEnglish.push_back(id);
            }
        }
        for (const auto& [id, text] : other.texts) {
            if (!english.texts.contains(id)) {
                onlyOther.push_back(id);
            }
        }
        EXPECT_TRUE(onlyEnglish.empty())
            << other.name << " lacks " << ::testing::PrintToString(onlyEnglish);
        EXPECT_TRUE(onlyOther.empty())
            << other.name << " alone has " << ::testing::PrintToString(onlyOther);
    }
}

TEST_F(LanguageFilesTest, EveryIdTheProgramUsesHasAText) {
    for (const LanguageFile& file : Files()) {
        for (std::string_view id : text::AllLanguageIds()) {
            EXPECT_TRUE(file.texts.contains(Lower(id))) << file.name << " lacks " << id;
        }
        for (const auto& [id, value] : file.texts) {
            EXPECT_NE(value.find_first_not_of(" \t\r\n"), std::string::npos)
                << file.name << ": empty text for " << id;
        }
    }
}

// The main window answers these itself; a language file's text would take precedence.
TEST_F(LanguageFilesTest, IdsTheMainWindowAnswersAreAbsent) {
    for (const LanguageFile& file : Files()) {
        for (std::string_view id : text::kAnsweredByMainWindow) {
            EXPECT_FALSE(file.texts.contains(Lower(id))) << file.name << " holds " << id;
        }
    }
}

// Only the macro-size message is used as a printf pattern; any other conversion would show
// literally, and a second one in that message would read a missing argument.
TEST_F(LanguageFilesTest, OnlyTheMacroSizeMessageHasOneIntegerPlaceholder) {
    const std::string macroSize = Lower(text::kMacrosTooLarge);
    for (const LanguageFile& file : Files()) {
        for (const auto& [id, value] : file.texts) {
            EXPECT_EQ(Conversions(value), id == macroSize ? "d" : "")
                << file.name << ": " << id << " = " << value;
        }
    }
}

TEST(ConversionsTest, FindsPrintfConversions) {
    EXPECT_EQ(Conversions("remove %d actions"), "d");
    EXPECT_EQ(Conversions("100%% done, %d left, %5.2f, %s"), "dfs");
    EXPECT_EQ(Conversions("ends with %"), "?");
    EXPECT_EQ(Conversions("none"), "");
}

// FindControl returns the first match, so a name used twice in one window shadows a control.
TEST(ControlNamesTest, NamesAreUniqueWithinEachWindow) {
    using controls::skin::kPlaceholders;
    auto windowOf = [](std::string_view file) {
        bool isPage = std::any_of(kPlaceholders.begin(), kPlaceholders.end(),
                                  [file](const auto& p) { return p.file == file; });
        return isPage ? controls::skin::kMain : file;
    };
    std::map<std::string, std::string_view> seen;  // window + name -> skin file
    std::map<std::string_view, int> perSkin;
    for (const controls::SkinControl& control : controls::AllSkinControls()) {
        ++perSkin[control.skin];
        std::string key = std::string(windowOf(control.skin)) + "/" + control.name;
        auto [at, added] = seen.emplace(key, control.skin);
        EXPECT_TRUE(added) << control.name << " in " << control.skin << " and " << at->second;
    }
    for (const auto& placeholder : kPlaceholders) {
        EXPECT_GT(perSkin[placeholder.file], 0) << placeholder.file << " has no names";
    }
}

}  // namespace
}  // namespace app
