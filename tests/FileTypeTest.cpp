// File types: registered once by their string conversion, withdrawn before a
// change and when they go, and the dialog patterns a filter text names.

#include <gtest/gtest.h>

#include "framework/core/FileType.h"
#include "framework/core/FileTypeRegistry.h"

namespace fw {
namespace {

Ref<FileType> Indd()
{
    auto type = New<FileType>();
    type->SetName("indd");
    type->SetExtensions(".indd");
    type->SetMacType("????");
    type->SetMacCreator("InDn");
    return type;
}

TEST(FileType, ConversionRegistersOnceWithAllFourValuesAndGivesTheName)
{
    auto type = Indd();
    EXPECT_TRUE(RegisteredFileTypes().empty());
    EXPECT_EQ(static_cast<String>(*type), "indd");
    EXPECT_EQ(static_cast<String>(*type), "indd");
    EXPECT_EQ(RegisteredFileTypes(), (std::vector<RegisteredFileType>{{"indd", "InDn", "????", ".indd"}}));
    type.reset();
    EXPECT_TRUE(RegisteredFileTypes().empty()) << "the destructor deregisters";
}

TEST(FileType, EverySetterWithdrawsARegisteredType)
{
    using Setter = void (FileType::*)(const String&);
    for (const Setter setter : {&FileType::SetName, &FileType::SetExtensions, &FileType::SetMacType,
                                &FileType::SetMacCreator}) {
        const auto type = Indd();
        type->Register();
        ASSERT_EQ(RegisteredFileTypes().size(), 1u);
        ((*type).*setter)("x");
        EXPECT_FALSE(type->IsRegistered());
        EXPECT_TRUE(RegisteredFileTypes().empty());
    }
}

TEST(FileType, FilterTextNamesRegisteredTypesJoinedBySemicolons)
{
    RuntimeRegisterFileType("indd", "InDn", "????", ".indd");
    RuntimeRegisterFileType("tmpl", "InDn", "????", "indt; .INDT;.indd");
    EXPECT_EQ(FileTypeFilterPatterns("indd"), (std::vector<String>{"*.indd"}));
    EXPECT_EQ(FileTypeFilterPatterns("indd;tmpl"), (std::vector<String>{"*.indd", "*.indt", "*.INDT"}));
    EXPECT_EQ(FileTypeFilterPatterns("pdf"), (std::vector<String>{}));
    EXPECT_EQ(FileTypeFilterPatterns(""), (std::vector<String>{}));
    RuntimeRegisterFileType("indd", "InDn", "????", ".ind2");
    EXPECT_EQ(RegisteredFileTypes().size(), 2u) << "same name replaces";
    EXPECT_EQ(FileTypeFilterPatterns("indd"), (std::vector<String>{"*.ind2"}));
    RuntimeDeregisterFileType("indd");
    RuntimeDeregisterFileType("tmpl");
    RuntimeDeregisterFileType("never");
    EXPECT_TRUE(RegisteredFileTypes().empty());
}

} // namespace
} // namespace fw
