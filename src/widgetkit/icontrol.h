#pragma once

#include <widgetkit/widgetkit_export.h>

#include <notifierkit/inotifier.h>

#include <basekit/domain.h>
#include <basekit/variant.h>

namespace Trade {

/// The interfaces of the host's input controls, one layer on the other: every control can be
/// disabled or made read-only; a value control holds one value, which the user chooses and which
/// it announces; a domain-based control offers the values of a domain to choose from.
///
///     Trade::IDomainBasedControl *categories = ...;
///     categories->setDomain(Trade::SymbolCategory::domain());
///     categories->subscribe(view);   // view->slot_valueChanged(Trade::Variant)
class WIDGETKIT_EXPORT IControl : public virtual INotifier
{
public:
    /// A disabled control is greyed out and takes no input.
    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    /// A read-only control looks as usual, but the user cannot change it.
    virtual bool isReadOnly() const = 0;
    virtual void setReadOnly(bool readOnly) = 0;

    ~IControl() override;
};

/// A control that shows one value and announces when it changes.
class WIDGETKIT_EXPORT IValueControl : public virtual IControl
{
public:
    virtual Variant value() const = 0;
    /// A different value is shown and announced with valueChanged; an equal one changes nothing.
    virtual void setValue(const Trade::Variant &value) = 0;
    /// A Qt signal of the implementing class: the value changed, by the user's choice or by
    /// setValue.
    virtual void valueChanged(const Trade::Variant &value) const = 0;

    ~IValueControl() override;
};

/// A value control whose value is one of a domain's values, chosen from a list.
class WIDGETKIT_EXPORT IDomainBasedControl : public virtual IValueControl
{
public:
    /// The choices; the value stays what it is.
    virtual void setDomain(const Trade::Domain &domain) = 0;
    virtual const Domain &domain() const = 0;
    /// Shows the domain's values again, as their texts now read.
    virtual void update() = 0;

    ~IDomainBasedControl() override;
};

} // namespace Trade
