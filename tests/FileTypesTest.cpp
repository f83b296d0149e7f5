// The program's document type: declared once at start-up with its four
// values, withdrawn when shut-down releases it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/FileTypes.h"
#include "framework/core/FileTypeRegistry.h"

namespace karvelio {
namespace {

// Every declaration and withdrawal, in order, as one line each.
class RegistryLog {
public:
    RegistryLog()
    {
        fw::SetFileTypeRegistryObserver([this](bool declared, const fw::RegisteredFileType& type) {
            lines.push_back(declared ? "declare " + type.name + " " + type.macCreator + " " + type.macType + " " +
                                           type.extensions
                                     : "withdraw " + type.name);
        });
    }
    ~RegistryLog() { fw::SetFileTypeRegistryObserver({}); }
    RegistryLog(const RegistryLog&) = delete;
    RegistryLog& operator=(const RegistryLog&) = delete;

    std::vector<std::string> lines;
};

TEST(FileTypes, InitializeDeclaresInddOnceWithAllFourValues)
{
    RegistryLog log;
    FileTypes::Initialize();
    ASSERT_NE(FileTypes::pIndd, nullptr);
    EXPECT_TRUE(FileTypes::pIndd->IsRegistered());
    EXPECT_EQ(log.lines, std::vector<std::string>{"declare indd InDn ???? .indd"});
    EXPECT_EQ(fw::RegisteredFileTypes(),
              (std::vector<fw::RegisteredFileType>{{"indd", "InDn", "????", ".indd"}}));
    EXPECT_EQ(fw::FileTypeFilterPatterns("indd"), std::vector<fw::String>{"*.indd"});

    FileTypes::ExitIndd();
    FileTypes::ExitIndd(); // a second release finds nothing to withdraw
    EXPECT_EQ(FileTypes::pIndd, nullptr);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"declare indd InDn ???? .indd", "withdraw indd"}));
    EXPECT_TRUE(fw::RegisteredFileTypes().empty());
}

// A second start-up in one process (tests) must leave one declaration, not
// lose it: the old object's withdrawal comes before the new one declares.
TEST(FileTypes, ASecondInitializeReplacesTheDeclaration)
{
    RegistryLog log;
    FileTypes::Initialize();
    const fw::WeakRef<fw::FileType> first = FileTypes::pIndd;
    FileTypes::Initialize();
    EXPECT_TRUE(first.expired());
    EXPECT_EQ(fw::RegisteredFileTypes().size(), 1u);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"declare indd InDn ???? .indd", "withdraw indd",
                                                   "declare indd InDn ???? .indd"}));
    FileTypes::ExitIndd();
    EXPECT_TRUE(fw::RegisteredFileTypes().empty());
}

// An exit that skips shut-down (an early return, exit() from a library)
// leaves pIndd to static destruction, which comes after the registry's own
// statics would have gone; it must still find the registry to withdraw from.
// Only the sanitizer build sees a withdrawal from freed memory and fails.
TEST(FileTypesDeathTest, AnExitWithoutShutDownWithdrawsFromALiveRegistry)
{
    EXPECT_EXIT(
        {
            FileTypes::Initialize();
            std::exit(0);
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace karvelio
