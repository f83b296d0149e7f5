// The eight picture accessors against a bundle laid out in a temporary
// folder: bin/karvelio beside Resources/. Every test starts with empty caches.

#include <gtest/gtest.h>

#include <filesystem>

#include "Resources/PictureAccessors.h"
#include "Resources/tools/PictWriter.h"
#include "framework/core/ApplicationBundle.h"
#include "framework/core/NilObjectException.h"
#include "tests/support/TempDir.h"

namespace {

using karvelio::PictureAccessor;
using karvelio::testing::TempDir;

struct Accessor {
    PictureAccessor function;
    const char* file;
    int transparentOnLoad;
};

const Accessor kAccessors[] = {
    { karvelio::cs, "cs.pct", 1 },     { karvelio::cs2, "cs2.pct", 1 },   { karvelio::cs3, "cs3.pct", 1 },
    { karvelio::cs4, "cs4.pct", 1 },   { karvelio::cs5, "cs5.pct", 1 },   { karvelio::cs55, "cs55.pct", 1 },
    { karvelio::ind, "ind.pct", 1 },   { karvelio::brelom, "brelom.pct", 0 },
};

class PictureAccessors : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(m_bundle.Path() / "bin");
        std::filesystem::create_directories(Resources());
        fw::SetExecutableFileOverride((m_bundle.Path() / "bin" / "karvelio").string());
        karvelio::ForgetPicturesForTests();
    }
    void TearDown() override
    {
        fw::SetExecutableFileOverride("");
        karvelio::ForgetPicturesForTests();
    }

    std::filesystem::path Resources() const { return m_bundle.Path() / "Resources"; }
    void Put(const char* file, int width) const
    {
        m_bundle.Write(std::string("Resources/") + file, karvelio::tools::WritePict(fw::Picture(width, 1)));
    }

    TempDir m_bundle;
};

TEST_F(PictureAccessors, EachLoadsItsOwnFileOnceAndKeepsTheSameObject)
{
    int width = 1;
    for (const Accessor& a : kAccessors) {
        Put(a.file, width++);
    }
    width = 1;
    for (const Accessor& a : kAccessors) {
        SCOPED_TRACE(a.file);
        const auto first = a.function();
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->Width(), width++);
        EXPECT_EQ(first->Transparent(), a.transparentOnLoad);
        std::filesystem::remove(Resources() / a.file); // a cached picture never goes back to the file
        EXPECT_EQ(a.function(), first);
        EXPECT_EQ(a.function(), first);
    }
}

TEST_F(PictureAccessors, TransparentIsSetOnlyByTheLoadingCall)
{
    Put("cs3.pct", 4);
    const auto picture = karvelio::cs3();
    ASSERT_NE(picture, nullptr);
    picture->SetTransparent(0);
    EXPECT_EQ(karvelio::cs3()->Transparent(), 0);
}

TEST_F(PictureAccessors, AMissingFileGivesNilUntilItAppears)
{
    for (const Accessor& a : kAccessors) {
        EXPECT_EQ(a.function(), nullptr) << a.file;
        EXPECT_EQ(a.function(), nullptr) << a.file;
    }
    m_bundle.Write("Resources/cs3.pct", "not a picture");
    EXPECT_EQ(karvelio::cs3(), nullptr);
    Put("cs3.pct", 5);
    Put("brelom.pct", 6);
    const auto cs3 = karvelio::cs3();
    ASSERT_NE(cs3, nullptr);
    EXPECT_EQ(cs3->Transparent(), 1);
    ASSERT_NE(karvelio::brelom(), nullptr);
    EXPECT_EQ(karvelio::brelom()->Transparent(), 0);
}

TEST_F(PictureAccessors, AMissingResourcesFolderGivesNil)
{
    std::filesystem::remove_all(Resources());
    EXPECT_EQ(karvelio::ind(), nullptr);
    std::filesystem::create_directories(Resources());
    Put("ind.pct", 3);
    EXPECT_NE(karvelio::ind(), nullptr);
}

TEST_F(PictureAccessors, AnExecutableWithNoFolderAboveRaisesAndLeavesTheCacheEmpty)
{
    fw::SetExecutableFileOverride("/karvelio");
    for (const Accessor& a : kAccessors) {
        EXPECT_THROW(a.function(), fw::NilObjectException) << a.file;
    }
    fw::SetExecutableFileOverride((m_bundle.Path() / "bin" / "karvelio").string());
    Put("cs.pct", 2);
    EXPECT_NE(karvelio::cs(), nullptr);
}

TEST(PictureAccessorNames, NameEachAccessor)
{
    for (const Accessor& a : kAccessors) {
        EXPECT_EQ(std::string(karvelio::PictureAccessorName(a.function)) + ".pct", a.file);
    }
}

} // namespace
