/// \file checkedsubscription.h
/// Subscriptions checked by the compiler: the signal and the slot are named as member functions,
/// and a subscription compiles only when the slot belongs to the observer's class and takes a
/// leading part of the signal's arguments, each of the same type (references and const aside),
/// as Qt's connections by name require. What is made is an ordinary link of the publisher's
/// notifier, as INotifier::subscribe(signal, observer, slot) makes it by text: the attach and
/// detach slots, unsubscribe(), isSubscribed() and the observer's lifetime work alike.
///
///     Common::subscribe(provider, TRADE_SIGNAL(Trade::ISymbolAccountProvider, symbolChanged), &view,
///                       TRADE_SLOT(View, showSymbol));  // void View::showSymbol(Trade::ISymbol*)
///
/// The publisher is any notifier, so an interface the host hands over will do; the signal may
/// be named through the interface that declares it (the providers' signals are protected in
/// their classes). A slot must be a slot (or Q_INVOKABLE) of the observer's meta-object, and a
/// signal a signal of the publisher's: a plain member function that the compiler accepts is
/// reported as the text form reports a slot or signal it cannot find. A null publisher is
/// reported ("publisher != 0"); nothing is subscribed.
#pragma once

#include <notifierkit/inotifier.h>

#include <basekit/nonfatalstreamlogwrapper.h>

#include <QtCore/QByteArray>
#include <QtCore/QMetaType>
#include <QtCore/QObject>

#include <type_traits>

namespace Common {

/// A signal or slot named at compile time, as TRADE_SIGNAL and TRADE_SLOT make it: the member
/// function, which the compiler checks, and its name, by which the notifier finds it. The name
/// comes from a function of a type of its own (a lambda at each place that names a member), so
/// that each place makes the member's text once and keeps it.
template <typename Function, typename Name>
struct NamedMember
{
    Function function;
    Name name;
};

template <typename Function, typename Name>
constexpr NamedMember<Function, Name> namedMember(Function function, Name name)
{
    return {function, name};
}

namespace detail {

template <typename... Types>
struct TypeList
{
};

template <typename Function>
struct MemberFunction;
template <typename C, typename R, typename... A>
struct MemberFunction<R (C::*)(A...)>
{
    using Class = C;
    using Arguments = TypeList<A...>;
};
template <typename C, typename R, typename... A>
struct MemberFunction<R (C::*)(A...) const> : MemberFunction<R (C::*)(A...)>
{
};
template <typename C, typename R, typename... A>
struct MemberFunction<R (C::*)(A...) noexcept> : MemberFunction<R (C::*)(A...)>
{
};
template <typename C, typename R, typename... A>
struct MemberFunction<R (C::*)(A...) const noexcept> : MemberFunction<R (C::*)(A...)>
{
};

template <typename SignalArguments, typename SlotArguments>
struct ArgumentsFit : std::false_type
{
};
template <typename... Sent>
struct ArgumentsFit<TypeList<Sent...>, TypeList<>> : std::true_type
{
};
template <typename S, typename... Sent, typename T, typename... Taken>
struct ArgumentsFit<TypeList<S, Sent...>, TypeList<T, Taken...>>
    : std::bool_constant<std::is_same_v<std::decay_t<S>,
                                        std::decay_t<T>> && ArgumentsFit<TypeList<Sent...>, TypeList<Taken...>>::value>
{
};

// "2name(T1,T2)" for a signal, "1name(T1,T2)" for a slot, the types by the meta-type system's
// names, as SIGNAL() and SLOT() write them.
template <typename... A>
QByteArray decoratedSignature(char code, const char *name, TypeList<A...>)
{
    QByteArray text;
    text += code;
    text += name;
    text += '(';
    const char *separator = "";
    ((text += separator, text += QMetaType::fromType<std::decay_t<A>>().name(), separator = ","), ...);
    text += ')';
    return text;
}

template <typename Signal, typename Observer, typename Slot>
struct Checked
{
    using SlotFunction = MemberFunction<Slot>;
    static_assert(std::is_base_of_v<QObject, Observer>, "the observer must be a QObject");
    static_assert(std::is_base_of_v<typename SlotFunction::Class, Observer>,
                  "the slot must be a member of the observer's class");
    static_assert(ArgumentsFit<typename MemberFunction<Signal>::Arguments, typename SlotFunction::Arguments>::value,
                  "the slot must take a leading part of the signal's arguments, each of the same type");

    // Made once for each place that names the member (the name's type is that place's own).
    template <typename Name>
    static const QByteArray &signal(NamedMember<Signal, Name> signal)
    {
        static const QByteArray text =
            decoratedSignature('2', signal.name(), typename MemberFunction<Signal>::Arguments());
        return text;
    }
    template <typename Name>
    static const QByteArray &slot(NamedMember<Slot, Name> slot)
    {
        static const QByteArray text = decoratedSignature('1', slot.name(), typename SlotFunction::Arguments());
        return text;
    }
};

} // namespace detail

template <typename Signal, typename SignalName, typename Observer, typename Slot, typename SlotName>
void subscribe(INotifier *publisher, NamedMember<Signal, SignalName> signal, Observer *observer,
               NamedMember<Slot, SlotName> slot)
{
    using Checked = detail::Checked<Signal, Observer, Slot>;
    TRADE_ASSERT(publisher != 0, u"Common::subscribe", u"notifier/checkedsubscription", nullptr);
    if (publisher)
        publisher->subscribe(Checked::signal(signal), observer, Checked::slot(slot));
}

template <typename Signal, typename SignalName, typename Observer, typename Slot, typename SlotName>
void unsubscribe(INotifier *publisher, NamedMember<Signal, SignalName> signal, Observer *observer,
                 NamedMember<Slot, SlotName> slot)
{
    using Checked = detail::Checked<Signal, Observer, Slot>;
    TRADE_ASSERT(publisher != 0, u"Common::unsubscribe", u"notifier/checkedsubscription", nullptr);
    if (publisher)
        publisher->unsubscribe(Checked::signal(signal), observer, Checked::slot(slot));
}

template <typename Signal, typename SignalName, typename Observer, typename Slot, typename SlotName>
bool isSubscribed(INotifier *publisher, NamedMember<Signal, SignalName> signal, Observer *observer,
                  NamedMember<Slot, SlotName> slot)
{
    using Checked = detail::Checked<Signal, Observer, Slot>;
    TRADE_ASSERT(publisher != 0, u"Common::isSubscribed", u"notifier/checkedsubscription", nullptr);
    return publisher && publisher->isSubscribed(Checked::signal(signal), observer, Checked::slot(slot));
}

} // namespace Common

/// A signal or slot for the checked subscriptions: the class that declares it and its name.
#define TRADE_SIGNAL(Class, name) ::Common::namedMember(&Class::name, [] { return #name; })
#define TRADE_SLOT(Class, name) ::Common::namedMember(&Class::name, [] { return #name; })
