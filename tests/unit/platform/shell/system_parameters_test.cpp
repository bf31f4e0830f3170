// The store of pointer speed, wheel lines and double-click time.
#include "platform/shell/system_parameters.h"

#include <gtest/gtest.h>

#include "platform/fs/known_folders.h"
#include "temp_folder.h"

namespace platform::shell {
namespace {

TEST(SystemParametersTest, DefaultsUntilSetThenKeptInTheConfigurationFolder) {
    kavrin_testing::TempFolder folder;
    // A folder that does not exist yet: the first write creates it.
    kavrin_testing::ScopedEnv config(fs::kConfigDirVariable, folder.path() + "config");
    struct Parameter {
        int (*get)();
        bool (*set)(int);
        int defaultValue;
        int newValue;
    };
    const Parameter parameters[] = {
        {GetPointerSpeed, SetPointerSpeed, kDefaultPointerSpeed, 17},
        {GetWheelScrollLines, SetWheelScrollLines, kDefaultWheelScrollLines, kWheelScrollsPage},
        {GetDoubleClickTime, SetDoubleClickTime, kDefaultDoubleClickTime, 600},
    };
    for (const Parameter& p : parameters) {
        EXPECT_EQ(p.get(), p.defaultValue);
    }
    for (const Parameter& p : parameters) {
        EXPECT_TRUE(p.set(p.newValue));
    }
    for (const Parameter& p : parameters) {
        EXPECT_EQ(p.get(), p.newValue);
    }
    EXPECT_EQ(folder.Listing(), "config");
}

}  // namespace
}  // namespace platform::shell
