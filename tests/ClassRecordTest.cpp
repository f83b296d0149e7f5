// Class records: built once, kept in registration order, and the casts and
// creation that lean on them.

#include <gtest/gtest.h>

#include "framework/core/ClassRegistry.h"

namespace fw {
namespace {

int g_animalBuilds = 0;

class Animal : public Object {
public:
    static const ClassRecord& Lookup()
    {
        return RegisterClass("Zoo.Animal", [] {
            ++g_animalBuilds;
            ClassRecord record;
            record.name = "Zoo.Animal";
            record.super = &Object::Lookup();
            record.factory = FactoryOf<Animal>();
            record.operations = {{"Speak", "%%", {{"__Scope", "Public", true}}}};
            record.properties = {IntegerProperty("MacProcId", &Animal::SetLegs)};
            return record;
        });
    }
    const ClassRecord& Class() const override { return Lookup(); }
    void SetLegs(std::int32_t legs) { m_legs = legs; }
    std::int32_t m_legs = 0;
};

class Dog : public Animal {
public:
    static const ClassRecord& Lookup()
    {
        return RegisterClass("Zoo.Dog", [] {
            ClassRecord record;
            record.name = "Zoo.Dog";
            record.super = &Animal::Lookup();
            record.factory = FactoryOf<Dog>();
            record.attributes = {{"__Scope", "Public", true}};
            record.operations = {{"Fetch", "%b%o<Animal>i4i4", {{"__Scope", "Public", true}, {"Hidden", "", false}}}};
            record.events = {{"Open", "Event_Open"}};
            return record;
        });
    }
    const ClassRecord& Class() const override { return Lookup(); }
};

// Registered with no factory: the framework cannot make one by record.
class Abstract : public Object {
public:
    static const ClassRecord& Lookup()
    {
        return RegisterClass("Abstract", [] {
            ClassRecord record;
            record.name = "Abstract";
            record.super = &Object::Lookup();
            return record;
        });
    }
    const ClassRecord& Class() const override { return Lookup(); }
};

TEST(ClassRecord, IsBuiltOnceAndKeptInRegistrationOrder)
{
    const ClassRecord& dog = Dog::Lookup(); // registers Animal first, as its super class
    const ClassRecord& again = Dog::Lookup();
    EXPECT_EQ(&dog, &again);
    EXPECT_EQ(g_animalBuilds, 1);
    Animal::Lookup();
    EXPECT_EQ(g_animalBuilds, 1);

    const auto all = RegisteredClasses();
    const auto position = [&](const ClassRecord& record) {
        return std::find(all.begin(), all.end(), &record) - all.begin();
    };
    EXPECT_LT(position(Object::Lookup()), position(Animal::Lookup()));
    EXPECT_LT(position(Animal::Lookup()), position(Dog::Lookup()));
}

TEST(ClassRecord, AnsweringToFullAndShortNames)
{
    Dog::Lookup();
    EXPECT_EQ(FindClass("Zoo.Dog"), &Dog::Lookup());
    EXPECT_EQ(FindClass("Dog"), &Dog::Lookup());
    EXPECT_EQ(Dog::Lookup().ShortName(), "Dog");
    EXPECT_EQ(FindClass("Cat"), nullptr);
}

TEST(ClassRecord, VirtualTableListsTheSuperClassesOperationsFirst)
{
    const auto table = Dog::Lookup().VirtualTable();
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0]->name, "Speak");
    EXPECT_EQ(table[1]->name, "Fetch");
    EXPECT_EQ(table[1]->signature, "%b%o<Animal>i4i4");
    ASSERT_EQ(table[1]->attributes.size(), 2u);
    EXPECT_TRUE(table[1]->attributes[0].hasValue);
    EXPECT_EQ(table[1]->attributes[1].name, "Hidden");
    EXPECT_FALSE(table[1]->attributes[1].hasValue);
    ASSERT_NE(Dog::Lookup().FindEvent("Open"), nullptr);
    EXPECT_EQ(Dog::Lookup().FindEvent("Open")->handler, "Event_Open");
    EXPECT_EQ(Dog::Lookup().FindEvent("Close"), nullptr);
}

TEST(ClassRecord, CastsAndIsaHonourSubclasses)
{
    const Ref<Object> dog = RuntimeNewObject(Dog::Lookup());
    const Ref<Object> animal = RuntimeNewObject(Animal::Lookup());
    ASSERT_TRUE(dog);
    ASSERT_TRUE(animal);

    EXPECT_TRUE(RuntimeObjectIsa(dog, Animal::Lookup()));
    EXPECT_TRUE(RuntimeObjectIsa(dog, Object::Lookup()));
    EXPECT_FALSE(RuntimeObjectIsa(animal, Dog::Lookup()));
    EXPECT_FALSE(RuntimeObjectIsa(Ref<Object>(), Object::Lookup()));

    EXPECT_EQ(RuntimeCheckCast<Animal>(dog).get(), dog.get());
    EXPECT_EQ(RuntimeCheckCast<Dog>(animal), nullptr);
    EXPECT_EQ(RuntimeCheckCast<Dog>(Ref<Object>()), nullptr);
    EXPECT_EQ(RuntimeCheckCast<Abstract>(dog), nullptr);
}

TEST(ClassRecord, ObjectsAreMadeByFactoryOnly)
{
    EXPECT_EQ(RuntimeNewObject(Abstract::Lookup()), nullptr);
    const Ref<Object> made = RuntimeNewObject(Dog::Lookup());
    EXPECT_EQ(&made->Class(), &Dog::Lookup());
}

TEST(ClassRecord, PropertiesAreFoundIgnoringCaseAmongAncestors)
{
    const ClassRecord& dog = Dog::Lookup();
    for (const char* spelling : {"MacProcId", "MacProcID", "macprocid", "MACPROCID"}) {
        const PropertyInfo* property = dog.FindProperty(spelling);
        ASSERT_NE(property, nullptr) << spelling;
        EXPECT_EQ(property->name, "MacProcId");
    }
    EXPECT_EQ(dog.FindProperty("MacProc"), nullptr);
    EXPECT_EQ(dog.FindProperty(""), nullptr);
}

TEST(ClassRecord, RegisteringUnderAnotherNameThanTheRecordsIsRefused)
{
    EXPECT_THROW(RegisterClass("Misnamed", [] {
                     ClassRecord record;
                     record.name = "Other";
                     return record;
                 }),
                 RuntimeException);
    EXPECT_EQ(FindClass("Misnamed"), nullptr);
}

} // namespace
} // namespace fw
