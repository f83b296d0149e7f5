// One table per class: a record of each class's own, and its methods bound
// through it. (The program classes' tests check the records' contents.)

#include <gtest/gtest.h>

#include "framework/core/Delegate.h"
#include "framework/core/FolderItem.h"
#include "framework/core/MenuItem.h"
#include "framework/core/Subclass.h"

namespace fw {
namespace {

class Shelf : public Subclass<Shelf, Object> {
public:
    static ClassTable<Shelf> Table()
    {
        return {"Shelf.Shelf",
                {kPublicScope},
                {
                    Method("Open", &Shelf::Open).Handles("Open"),
                    Method("_Fill0", &Shelf::Fill).Hidden(),
                    Method("Top", &Shelf::Top),
                    Method("Take", &Shelf::Take),
                    Method("Drop", &Shelf::Drop),
                }};
    }

    virtual void Open() { log.push_back("Shelf.Open"); }
    virtual void Fill() {}
    virtual Ref<MenuItem> Top() const { return nullptr; }
    virtual bool Take(Ref<MenuItem>, std::int32_t, std::int32_t) { return true; }
    virtual void Drop(Ref<FolderItem>) {}
    virtual void Unlisted(Ref<FolderItem>) {}

    std::vector<String> log;
};

// Inherits the parent's table unchanged but is a class of its own.
class Cupboard : public Subclass<Cupboard, Shelf> {
public:
    static ClassTable<Cupboard> Table() { return {"Cupboard", {}, {}}; }
    void Open() override { log.push_back("Cupboard.Open"); }
};

TEST(ClassTable, EachClassGetsItsOwnRecordAndIsMadeAsItself)
{
    EXPECT_EQ(Shelf::Lookup().events.size(), 1u);
    EXPECT_EQ(Cupboard::Lookup().super, &Shelf::Lookup());
    EXPECT_EQ(Cupboard::Lookup().VirtualTable().size(), 5u);
    const Ref<Object> made = RuntimeNewObject(Cupboard::Lookup());
    EXPECT_EQ(&made->Class(), &Cupboard::Lookup());
    EXPECT_TRUE(RuntimeCheckCast<Shelf>(made));
    EXPECT_FALSE(RuntimeCheckCast<Cupboard>(RuntimeNewObject(Shelf::Lookup())));
}

TEST(ClassTable, AMethodBoundThroughTheTableRunsTheObjectsOwnOverride)
{
    const auto cupboard = New<Cupboard>();
    const Ref<Shelf> shelf = cupboard;
    EXPECT_EQ(Shelf::Methods().EntryFor(&Shelf::Open).name, "Open");
    Shelf::Methods().Bind(shelf, &Shelf::Open, Hold::Weak)();
    EXPECT_EQ(cupboard->log, std::vector<String>{"Cupboard.Open"});
    EXPECT_EQ(Shelf::Methods().Bind(shelf, &Shelf::Take, Hold::Weak).ParameterList(),
              "( MenuItem, Int32, Int32 ) as Boolean");
}

TEST(ClassTable, AMethodTheTableDoesNotListIsNamedNotBound)
{
    const auto shelf = New<Shelf>();
    try {
        Shelf::Methods().Bind(Ref<Shelf>(shelf), &Shelf::Unlisted, Hold::Weak);
        ADD_FAILURE() << "nothing raised";
    } catch (const RuntimeException& e) {
        EXPECT_EQ(e.Message(), "class Shelf.Shelf does not list the method taking ( FolderItem ) that is asked for");
    }
}

// A hand-made record whose factory makes the parent class: caught when the
// object is made, not later by a cast that quietly gives nil.
class Stray : public Shelf {
public:
    static const ClassRecord& Lookup()
    {
        return RegisterClass("Stray", [] {
            ClassRecord record;
            record.name = "Stray";
            record.super = &Shelf::Lookup();
            record.factory = FactoryOf<Shelf>();
            return record;
        });
    }
};

TEST(ClassTable, AFactoryThatMakesAnotherClassIsRefused)
{
    EXPECT_THROW(RuntimeNewObject(Stray::Lookup()), RuntimeException);
}

} // namespace
} // namespace fw
