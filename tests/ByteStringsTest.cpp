// The byte-string functions at the edges the analysis leans on.

#include <gtest/gtest.h>

#include "framework/core/ByteStrings.h"

namespace fw {
namespace {

TEST(ByteStrings, ChrGivesOneRawByteForEveryCodeUpTo255)
{
    EXPECT_EQ(Chr(0), std::string(1, '\0'));
    EXPECT_EQ(Chr(64), "@");
    EXPECT_EQ(Chr(230), "\xE6");
    EXPECT_EQ(LenB(Chr(230)), 1);
    EXPECT_EQ(Chr(-1), "");
    EXPECT_EQ(Chr(256), "");
}

TEST(ByteStrings, MidBCountsFromOneAndNeverReadsOutside)
{
    const std::string s = "abcdef";
    EXPECT_EQ(MidB(s, 1, 1), "a");
    EXPECT_EQ(MidB(s, 6, 1), "f");
    EXPECT_EQ(MidB(s, 7, 1), "");
    EXPECT_EQ(MidB(s, 0, 1), "");
    EXPECT_EQ(MidB(s, -11, 1), "");
    EXPECT_EQ(MidB(s, 5, 99), "ef");
    EXPECT_EQ(MidB(s, 3), "cdef");
    EXPECT_EQ(MidB("", 1, 1), "");
}

TEST(ByteStrings, LeftBClipsToTheString)
{
    EXPECT_EQ(LeftB("3.0.0.424xyz", 9), "3.0.0.424");
    EXPECT_EQ(LeftB("3.0", 9), "3.0");
    EXPECT_EQ(LeftB("abc", 0), "");
    EXPECT_EQ(LeftB("abc", -3), "");
}

TEST(ByteStrings, InStrBFindsBytesIncludingZeroAndHighBytes)
{
    const std::string chunk = std::string("\0\0N\x0E", 4) + "f" + "j0\xE6" + "0";
    EXPECT_EQ(InStrB(0, chunk, std::string("N\x0E" "fj0\xE6" "0")), 3);
    EXPECT_EQ(InStrB(1, chunk, std::string("\0", 1)), 1);
    EXPECT_EQ(InStrB(2, chunk, std::string("\0", 1)), 2);
    EXPECT_EQ(InStrB(3, chunk, std::string("\0", 1)), 0);
    EXPECT_EQ(InStrB(chunk, "\xC3\xA6"), 0);
    EXPECT_EQ(InStrB("abc", ""), 0);
    EXPECT_EQ(InStrB(99, "abc", "c"), 0);
    EXPECT_EQ(InStrB("ab", "abc"), 0);
}

TEST(ByteStrings, CountFieldsAndNthFieldAgreeOnEveryShape)
{
    struct Row {
        std::string s;
        std::int64_t count;
        std::vector<std::string> fields;
    };
    const std::string d = "@\t";
    const Row rows[] = {
        { "", 0, {} },
        { "abc", 1, { "abc" } },
        { "a@\tb", 2, { "a", "b" } },
        { "a@\t", 2, { "a", "" } },
        { "@\ta", 2, { "", "a" } },
        { "a@\t@\tb", 3, { "a", "", "b" } },
        { "@\t", 2, { "", "" } },
        { "a@b\t", 1, { "a@b\t" } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.s);
        EXPECT_EQ(CountFields(row.s, d), row.count);
        for (std::size_t k = 0; k < row.fields.size(); ++k) {
            EXPECT_EQ(NthField(row.s, d, static_cast<std::int64_t>(k) + 1), row.fields[k]);
        }
        EXPECT_EQ(NthField(row.s, d, row.count + 1), "");
        EXPECT_EQ(NthField(row.s, d, 0), "");
    }
}

TEST(ByteStrings, OverlappingDelimitersAreCutLeftToRight)
{
    // "@\t@\t" after "@": the second "@" starts a delimiter, not the first.
    EXPECT_EQ(CountFields("@@\t", "@\t"), 2);
    EXPECT_EQ(NthField("@@\t", "@\t", 1), "@");
}

} // namespace
} // namespace fw
