// The eight pictures the build draws, read back through the program's own
// reader: right sizes, white surround, a label on each badge, and no two
// badges of the same colour.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "Resources/PictureAccessors.h"
#include "framework/core/FolderItem.h"
#include "framework/core/Picture.h"

namespace {

fw::Ref<fw::Picture> Built(const std::string& name)
{
    return fw::FolderItem(std::filesystem::path(KARVELIO_RESOURCES_DIR) / (name + ".pct")).OpenAsPicture();
}

bool IsWhite(std::uint32_t argb)
{
    return argb == 0xFFFFFFFFu;
}

TEST(BuiltPictures, BadgesAre64By64WithAWhiteSurroundALabelAndTheirOwnColour)
{
    std::set<std::uint32_t> colours;
    for (const char* name : { "cs", "cs2", "cs3", "cs4", "cs5", "cs55", "ind" }) {
        SCOPED_TRACE(name);
        const auto badge = Built(name);
        ASSERT_NE(badge, nullptr);
        ASSERT_EQ(badge->Width(), 64);
        ASSERT_EQ(badge->Height(), 64);
        for (const int edge : { 0, 63 }) {
            for (int i = 0; i < 64; ++i) {
                EXPECT_TRUE(IsWhite(badge->Pixel(edge, i)) && IsWhite(badge->Pixel(i, edge))) << edge << "," << i;
            }
        }
        // Label pixels are near white but not pure white, so they stay when
        // white is drawn transparent.
        int label = 0;
        for (const std::uint32_t argb : badge->Pixels()) {
            label += (argb & 0xFFFFFFu) == 0xFEFEFEu ? 1 : 0;
        }
        EXPECT_GT(label, 30);
        colours.insert(badge->Pixel(8, 32));
    }
    EXPECT_EQ(colours.size(), 7u);
}

TEST(BuiltPictures, TheLogoIs170By65)
{
    const auto logo = Built("brelom");
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->Width(), 170);
    EXPECT_EQ(logo->Height(), 65);
    EXPECT_TRUE(IsWhite(logo->Pixel(0, 0)));
}

// This test program sits in bin/ like the application, so the accessors
// find the pictures the way the application will.
TEST(BuiltPictures, TheAccessorsFindThemBesideTheExecutablesFolder)
{
    for (const karvelio::PictureAccessor accessor :
         { karvelio::cs, karvelio::cs2, karvelio::cs3, karvelio::cs4, karvelio::cs5, karvelio::cs55, karvelio::ind }) {
        const auto badge = accessor();
        ASSERT_NE(badge, nullptr) << karvelio::PictureAccessorName(accessor);
        EXPECT_EQ(badge->Width(), 64);
        EXPECT_EQ(badge->Transparent(), 1);
    }
    const auto logo = karvelio::brelom();
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->Width(), 170);
    EXPECT_EQ(logo->Transparent(), 0);
}

} // namespace
