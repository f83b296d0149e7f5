// Property blobs: the encoding, applying one through the setters, and every
// malformed shape raising an error that names the entry and its offset.

#include <gtest/gtest.h>

#include "framework/core/ClassRegistry.h"
#include "framework/core/MassPropertySetter.h"
#include "framework/core/PropertyBlobEncoder.h"
#include "framework/core/PropertyBlobException.h"
#include "framework/core/PropertyBlobReader.h"

namespace fw {
namespace {

class Base : public Object {
public:
    static const ClassRecord& Lookup()
    {
        return RegisterClass("BlobBase", [] {
            ClassRecord record;
            record.name = "BlobBase";
            record.super = &Object::Lookup();
            record.properties = {IntegerProperty("Index", &Base::SetIndex), TextProperty("Name", &Base::SetName)};
            return record;
        });
    }
    const ClassRecord& Class() const override { return Lookup(); }
    void SetIndex(std::int32_t value) { index = value; }
    void SetName(const String& value) { name = value; }
    std::int32_t index = 7;
    String name = "unset";
};

class Thing : public Base {
public:
    static const ClassRecord& Lookup()
    {
        return RegisterClass("BlobThing", [] {
            ClassRecord record;
            record.name = "BlobThing";
            record.super = &Base::Lookup();
            record.properties = {
                BooleanProperty("MultiLine", &Thing::SetMultiLine),
                ColourProperty("TextColor", &Thing::SetTextColor),
                IntegerProperty("Height", &Thing::SetHeight),
                TextProperty("Title", &Thing::SetTitle),
            };
            return record;
        });
    }
    const ClassRecord& Class() const override { return Lookup(); }
    void SetMultiLine(bool value) { multiLine = value; }
    void SetTextColor(Color value) { colour = value; }
    void SetHeight(std::int32_t value)
    {
        if (value < 0) {
            throw std::invalid_argument("negative height");
        }
        height = value;
    }
    void SetTitle(const String& value) { title = value; }
    bool multiLine = false;
    Color colour{1, 2, 3};
    std::int32_t height = 0;
    String title = "untitled";
};

std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (const int value : values) {
        bytes.push_back(static_cast<char>(value));
    }
    return bytes;
}

TEST(PropertyBlob, EncodesAsTheFormatLaysItOut)
{
    const String blob = PropertyBlobEncoder().Integer("Placement", 0).Integer("Width", 280).Bytes();
    EXPECT_EQ(blob, "Placement " + Bytes({0, 0, 0, 0}) + "Width " + Bytes({0, 0, 1, 0x18}));
    EXPECT_EQ(PropertyBlobEncoder().Text("Name", "Canvas1").Integer("Index", INT32_MIN).Bytes(),
              "Name " + Bytes({0, 0, 0, 7}) + "Canvas1" + "Index " + Bytes({0x80, 0, 0, 0}));
    EXPECT_EQ(PropertyBlobEncoder().Colour("TextColor", RGB(0, 0, 255)).Boolean("B", true).Bytes(),
              "TextColor " + Bytes({0, 0, 0xFF}) + "B " + Bytes({1}));
}

TEST(PropertyBlob, AppliesEveryEntryThroughItsSetter)
{
    const auto thing = New<Thing>();
    const String blob = PropertyBlobEncoder()
                            .Text("Name", "StaticText5")
                            .Integer("Index", INT32_MIN)
                            .Boolean("Multiline", true)
                            .Colour("TextColor", RGB(0, 0, 255))
                            .Integer("Height", 150)
                            .Text("Title", "サブバージョン不明")
                            .Bytes();
    SetProperties(thing, blob);
    EXPECT_EQ(thing->name, "StaticText5");
    EXPECT_EQ(thing->index, INT32_MIN);
    EXPECT_TRUE(thing->multiLine) << "\"Multiline\" names MultiLine";
    EXPECT_EQ(thing->colour, (Color{0, 0, 255}));
    EXPECT_EQ(thing->height, 150);
    EXPECT_EQ(thing->title, "サブバージョン不明");
}

TEST(PropertyBlob, StringLengthsCountBytesAndEmptyStringsAreFourZeroBytes)
{
    const String blob = PropertyBlobEncoder().Text("Title", "").Text("Name", "閉じる").Bytes();
    EXPECT_EQ(blob.substr(0, 10), "Title " + Bytes({0, 0, 0, 0}));
    EXPECT_EQ(blob.substr(10, 9), "Name " + Bytes({0, 0, 0, 9}));
    const auto entries = ReadPropertyBlob(Thing::Lookup(), blob);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(std::get<String>(entries[0].value), "");
    EXPECT_EQ(entries[1].offset, 10u);
    EXPECT_EQ(std::get<String>(entries[1].value), "閉じる");
}

TEST(PropertyBlob, PropertiesTheBlobDoesNotNameKeepTheirValues)
{
    const auto thing = New<Thing>();
    thing->title = "set before";
    SetProperties(thing, PropertyBlobEncoder().Integer("Height", 20).Bytes());
    EXPECT_EQ(thing->title, "set before");
    EXPECT_EQ(thing->index, 7);
    SetProperties(thing, "");
    EXPECT_EQ(thing->height, 20);
}

struct Malformed {
    const char* what;
    std::string blob;
    std::size_t entry;
    std::size_t offset;
    const char* says;
};

void PrintTo(const Malformed& c, std::ostream* out)
{
    *out << c.what;
}

class MalformedBlob : public testing::TestWithParam<Malformed> {};

TEST_P(MalformedBlob, RaisesNamingTheEntryAndOffset)
{
    const Malformed& c = GetParam();
    const auto thing = New<Thing>();
    try {
        SetProperties(thing, c.blob);
        FAIL() << c.what << " was accepted";
    } catch (const PropertyBlobException& e) {
        EXPECT_EQ(e.Entry(), c.entry) << e.what();
        EXPECT_EQ(e.Offset(), c.offset) << e.what();
        const std::string message = e.what();
        EXPECT_NE(message.find("entry " + std::to_string(c.entry)), std::string::npos) << message;
        EXPECT_NE(message.find(c.says), std::string::npos) << message;
    }
}

const std::string kGood = PropertyBlobEncoder().Integer("Height", 1).Bytes(); // 11 bytes

INSTANTIATE_TEST_SUITE_P(
    PropertyBlob, MalformedBlob,
    testing::Values(
        Malformed{"unknown name", kGood + "Colour " + Bytes({1, 2, 3}), 2, 11, "no property of that name"},
        Malformed{"missing space", kGood + "Height", 2, 17, "no space"},
        Malformed{"empty name", " " + Bytes({0, 0, 0, 1}), 1, 0, "empty property name"},
        Malformed{"integer past the end", kGood + "Height " + Bytes({0, 0}), 2, 18, "needs 4 bytes, only 2"},
        Malformed{"colour past the end", "TextColor " + Bytes({0xFF}), 1, 10, "needs 3 bytes"},
        Malformed{"Boolean past the end", "MultiLine ", 1, 10, "needs 1 bytes, only 0"},
        Malformed{"Boolean byte 02", kGood + "MultiLine " + Bytes({2}), 2, 21, "Boolean byte 02"},
        Malformed{"Boolean byte FF", "MultiLine " + Bytes({0xFF}), 1, 10, "Boolean byte FF"},
        Malformed{"string length past the end", "Title " + Bytes({0, 0, 0, 5}) + "abc", 1, 10, "needs 5 bytes"},
        Malformed{"string length of 4 GiB", "Title " + Bytes({0xFF, 0xFF, 0xFF, 0xFF}), 1, 10, "needs 4294967295"},
        Malformed{"string length cut short", "Title " + Bytes({0, 0}), 1, 6, "needs 4 bytes"},
        Malformed{"name with a zero byte", std::string("He\0ght ", 7) + Bytes({0, 0, 0, 1}), 1, 0,
                  "He\\x00ght"}),
    [](const testing::TestParamInfo<Malformed>& param) {
        std::string name = param.param.what;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) {
                c = '_';
            }
        }
        return name;
    });

TEST(PropertyBlob, EntriesBeforeAFaultAreAssignedAndNoneAfter)
{
    const auto thing = New<Thing>();
    const String blob = PropertyBlobEncoder().Integer("Height", 5).Raw("Bogus ").Integer("Index", 9).Bytes();
    EXPECT_THROW(SetProperties(thing, blob), PropertyBlobException);
    EXPECT_EQ(thing->height, 5);
    EXPECT_EQ(thing->index, 7);
}

TEST(PropertyBlob, ASettersOwnExceptionPassesUnchanged)
{
    const auto thing = New<Thing>();
    EXPECT_THROW(SetProperties(thing, PropertyBlobEncoder().Integer("Height", -1).Bytes()), std::invalid_argument);
}

TEST(PropertyBlob, NilObjectRaisesNilObjectException)
{
    EXPECT_THROW(SetProperties(nullptr, kGood), NilObjectException);
}

} // namespace
} // namespace fw
