// File references: names, parents, children, and which items open as streams.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "framework/core/ApplicationBundle.h"
#include "framework/core/BinaryStream.h"
#include "framework/core/FolderItem.h"
#include "framework/core/NilObjectException.h"
#include "tests/support/TempDir.h"

namespace fw {
namespace {

TEST(FolderItem, NamesParentsAndChildren)
{
    const FolderItem item("/tmp/some folder/Flyer.indd");
    EXPECT_EQ(item.Name(), "Flyer.indd");
    EXPECT_EQ(Deref(item.Parent()).Name(), "some folder");
    EXPECT_EQ(FolderItem("/a/b/").Name(), "b");
    EXPECT_EQ(Deref(FolderItem("/a").Parent()).NativePath(), "/");
    EXPECT_EQ(FolderItem("/").Parent(), nullptr);

    const FolderItem folder("/x/y");
    EXPECT_EQ(Deref(folder.Child("z.pct")).NativePath(), "/x/y/z.pct");
    for (const char* bad : { "", ".", "..", "a/b" }) {
        EXPECT_EQ(folder.Child(bad), nullptr) << bad;
    }
    EXPECT_FALSE(Deref(folder.Child("missing")).Exists()) << "a child need not exist";
}

TEST(FolderItem, OnlyReadableRegularFilesOpen)
{
    const karvelio::testing::TempDir dir;
    const auto file = dir.Write("doc.indd", "x");
    const auto fifo = dir.Path() / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    EXPECT_TRUE(FolderItem(file).OpenAsBinaryFile(false));
    EXPECT_TRUE(FolderItem(file).OpenAsBinaryFile(true)) << "opened for reading only, whatever is asked";

    const std::pair<std::filesystem::path, const char*> unopenable[] = {
        { dir.Path(), "it is a folder" },
        { fifo, "it is not a regular file" },
        { dir.Path() / "missing", "No such file or directory" },
        { "/dev/null", "it is not a regular file" },
    };
    for (const auto& [path, reason] : unopenable) {
        const FolderItem item(path);
        EXPECT_EQ(item.OpenAsBinaryFile(false), nullptr) << path;
        EXPECT_EQ(item.LastError(), reason) << path;
    }
}

TEST(ApplicationBundle, ResourcesLieBesideTheExecutablesFolder)
{
    SetExecutableFileOverride("/opt/karvelio/bin/karvelio");
    EXPECT_EQ(Deref(GetApplicationBundleResources()).NativePath(), "/opt/karvelio/Resources");
    SetExecutableFileOverride("/karvelio");
    EXPECT_THROW(GetApplicationBundleResources(), NilObjectException) << "the root has no parent";
    SetExecutableFileOverride("");
    EXPECT_EQ(Deref(ExecutableFile()).Name(), "fw_core_tests");
}

} // namespace
} // namespace fw
