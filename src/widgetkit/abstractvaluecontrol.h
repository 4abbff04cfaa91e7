#pragma once

#include <widgetkit/abstractcontrol.h>
#include <widgetkit/icontrol.h>
#include <widgetkit/widgetkit_export.h>

namespace Trade {

/// The base of controls that hold one value: it keeps the value, has the widget show it and
/// announces each change once, whether the user or a caller made it.
class WIDGETKIT_EXPORT AbstractValueControl : public AbstractControl, public virtual IValueControl
{
public:
    ~AbstractValueControl() override;

    /// Empty until a value is set or chosen.
    Variant value() const override;
    /// A value that differs (Variant's operator==) is kept, shown, then announced; observers of
    /// valueChanged may delete the control.
    void setValue(const Trade::Variant &value) override;

protected:
    AbstractValueControl();
    /// Shows value() in the widget, without announcing anything.
    virtual void showValue() = 0;

private:
    Variant m_value;
};

} // namespace Trade
