/// \class Trade::AbstractControl
/// The base of the host's input controls: a notifier that keeps the control's read-only state,
/// which the control's widget honours.
#pragma once

#include <controlkit/abstractnotifier.h>
#include <controlkit/controlkit_export.h>
#include <controlkit/icontrol.h>

namespace Trade {

class CONTROLKIT_EXPORT AbstractControl : public AbstractNotifier, public virtual IControl
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
