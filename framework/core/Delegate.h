#pragma once

#include <functional>
#include <utility>

#include "framework/core/ByteStrings.h"
#include "framework/core/MethodSignature.h"
#include "framework/core/NilObjectException.h"
#include "framework/core/Object.h"
#include "framework/core/Ref.h"
#include "framework/core/RuntimeException.h"

namespace fw {

template <class Signature>
class Delegate;

// A method bound to its target, with the readable parameter list the program
// hands over with it ("( Label, Int32, Int32 ) as Boolean"). A weak delegate
// does not keep its target alive: controls hold delegates that point back at
// their window, and the window must be free to go. Calling one whose target
// has gone raises NilObjectException instead of calling the method.
template <class R, class... Args>
class Delegate<R(Args...)> {
public:
    // The method alone, callable on any object of the target's class.
    using Method = std::function<R(Object*, Args...)>;

    Delegate() = default;

    template <class T>
    static Delegate Bind(const Ref<T>& target, R (T::*method)(Args...), String parameterList, bool weak)
    {
        Delegate delegate;
        Deref(target, "delegate target");
        const Ref<Object> object = std::static_pointer_cast<Object>(target);
        delegate.m_hasTarget = true;
        delegate.m_weak = weak;
        if (weak) {
            delegate.m_weakTarget = object;
        } else {
            delegate.m_strongTarget = object;
        }
        delegate.m_method = [method](Object* self, Args... args) -> R {
            auto* typed = dynamic_cast<T*>(self);
            if (typed == nullptr) {
                throw RuntimeException("delegate called on an object of another class");
            }
            return (typed->*method)(std::forward<Args>(args)...);
        };
        delegate.m_parameterList = std::move(parameterList);
        return delegate;
    }

    // A function with no target object (the start-up callback); its
    // parameter-list text is read off its type like a method's.
    static Delegate Function(std::function<R(Args...)> function)
    {
        Delegate delegate;
        delegate.m_method = [function = std::move(function)](Object*, Args... args) -> R {
            return function(std::forward<Args>(args)...);
        };
        delegate.m_parameterList = FunctionParameterListOf<R(Args...)>();
        return delegate;
    }

    R operator()(Args... args) const
    {
        if (!m_method) {
            throw NilObjectException("delegate");
        }
        if (!m_hasTarget) {
            return m_method(nullptr, std::forward<Args>(args)...);
        }
        const Ref<Object> target = Target();
        if (!target) {
            throw NilObjectException("delegate target (it has gone)");
        }
        return m_method(target.get(), std::forward<Args>(args)...);
    }

    // Nil when the delegate has no target or its weak target has gone.
    Ref<Object> Target() const { return m_weak ? m_weakTarget.lock() : m_strongTarget; }

    const Method& MethodOnly() const { return m_method; }
    const String& ParameterList() const { return m_parameterList; }
    bool IsWeak() const { return m_weak; }
    bool HasTarget() const { return m_hasTarget; }
    explicit operator bool() const { return static_cast<bool>(m_method); }

private:
    Method m_method;
    Ref<Object> m_strongTarget;
    WeakRef<Object> m_weakTarget;
    String m_parameterList;
    bool m_hasTarget = false;
    bool m_weak = false;
};

// Whether a delegate keeps its target alive.
enum class Hold { Strong, Weak };

// A delegate of the method's own type, with the parameter-list text read off
// that type ("( Label, Int32, Int32 ) as Boolean").
template <class T, class R, class... A>
Delegate<R(A...)> BindMethod(const Ref<T>& target, R (T::*method)(A...), Hold hold)
{
    return Delegate<R(A...)>::Bind(target, method, ParameterListOf<R (T::*)(A...)>(), hold == Hold::Weak);
}

} // namespace fw
