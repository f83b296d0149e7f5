// Delegates: strong and weak targets, virtual dispatch, and the menu
// handlers the application object keeps from them.

#include <gtest/gtest.h>

#include "framework/core/Application.h"
#include "framework/core/ClassRegistry.h"
#include "framework/core/Delegate.h"

namespace fw {
namespace {

class Target : public Object {
public:
    virtual bool Answer() { return false; }
    void Record(std::int32_t x, std::int32_t y) { calls.emplace_back(x, y); }
    std::vector<std::pair<std::int32_t, std::int32_t>> calls;
};

class DerivedTarget : public Target {
public:
    bool Answer() override { return true; }
};

// Each delegate is the target's last holder: only the strong one keeps it.
TEST(Delegate, StrongTargetIsKeptAliveWeakTargetIsNot)
{
    for (const bool weak : { false, true }) {
        SCOPED_TRACE(weak ? "weak" : "strong");
        auto target = New<Target>();
        const WeakRef<Target> watch = target;
        const auto delegate = Delegate<bool()>::Bind(target, &Target::Answer, "(  ) as Boolean", weak);
        EXPECT_EQ(delegate.IsWeak(), weak);
        target.reset();
        EXPECT_EQ(watch.expired(), weak);
        EXPECT_EQ(delegate.Target() == nullptr, weak);
    }
}

TEST(Delegate, CallingAWeakDelegateWhoseTargetHasGoneRaisesNilObjectException)
{
    auto target = New<Target>();
    const auto delegate = Delegate<void(std::int32_t, std::int32_t)>::Bind(target, &Target::Record,
                                                                           "( Int32, Int32 )", true);
    delegate(1, 2);
    ASSERT_EQ(target->calls.size(), 1u);
    target.reset();
    EXPECT_THROW(delegate(3, 4), NilObjectException);
    EXPECT_EQ(delegate.Target(), nullptr);
}

TEST(Delegate, RunsTheMethodOfTheTargetsOwnClass)
{
    const Ref<Target> target = New<DerivedTarget>();
    EXPECT_TRUE((Delegate<bool()>::Bind(target, &Target::Answer, "(  ) as Boolean", true))());
}

TEST(Delegate, KeepsItsParameterListTextAsGiven)
{
    const auto delegate = Delegate<void()>::Function([] {});
    EXPECT_EQ(delegate.ParameterList(), "(  )");
    EXPECT_FALSE(delegate.HasTarget());
    EXPECT_NO_THROW(delegate());
    EXPECT_THROW(Delegate<void()>()(), NilObjectException);
    EXPECT_THROW((Delegate<bool()>::Bind(Ref<Target>(), &Target::Answer, "", true)), NilObjectException);
}

class App : public Application {
public:
    bool Open()
    {
        ++opened;
        return false;
    }
    bool About() { return true; }
    int opened = 0;
};

TEST(Delegate, MenuHandlersOutliveTheirDelegatesAndRunOnTheApplication)
{
    const auto app = New<App>();
    {
        app->AddMenuHandler("hiraku", Delegate<bool()>::Bind(app, &App::Open, "(  ) as Boolean", false));
        app->AddMenuHandler("kono", Delegate<bool()>::Bind(app, &App::About, "(  ) as Boolean", false));
    }
    EXPECT_EQ(app->MenuHandlerNames(), (std::vector<String>{"hiraku", "kono"}));
    EXPECT_EQ(app->CallMenuHandler("hiraku"), std::optional<bool>(false));
    EXPECT_EQ(app->opened, 1);
    EXPECT_EQ(app->CallMenuHandler("kono"), std::optional<bool>(true));
    EXPECT_EQ(app->CallMenuHandler("FileQuit"), std::nullopt);
}

TEST(Delegate, TheRegisteredApplicationIsTheOneAppReturns)
{
    const auto app = New<App>();
    RuntimeRegisterAppObject(app);
    EXPECT_EQ(GetAppObject(), app);
    EXPECT_EQ(RuntimeCheckCast<Application>(GetAppObject()), app);
    EXPECT_EQ(app->LongVersion(), KARVELIO_EXPECTED_VERSION);
    RuntimeRegisterAppObject(nullptr);
    EXPECT_EQ(GetAppObject(), nullptr);
}

} // namespace
} // namespace fw
