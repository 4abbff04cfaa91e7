#pragma once

#include <widgetkit/icontrol.h>
#include <widgetkit/widgetkit_export.h>

#include <controlkit/abstractnotifier.h>

namespace Trade {

/// The base of the host's input controls: a notifier that keeps the control's read-only state,
/// which the control's widget honours.
class WIDGETKIT_EXPORT AbstractControl : public AbstractNotifier, public virtual IControl
{
public:
    ~AbstractControl() override;

    bool isReadOnly() const override;
    void setReadOnly(bool readOnly) override;

protected:
    AbstractControl();

private:
    bool m_readOnly = false;
};

} // namespace Trade
