#pragma once

#include <widgetkit/abstractcomboboxcontrol.h>
#include <widgetkit/icontrol.h>
#include <widgetkit/widgetkit_export.h>

namespace Trade {

/// The base of combo box controls whose items are the values of a domain: item i shows the text
/// of value i (Trade::Variant's toString). The value is independent of the domain: the item of
/// the value is current when the domain has it, else no item is.
class WIDGETKIT_EXPORT AbstractDomainBasedControl : public AbstractComboBoxControl, public virtual IDomainBasedControl
{
    Q_OBJECT

public:
    ~AbstractDomainBasedControl() override;

    /// Rebuilds the items; the value stays and nothing is announced.
    void setDomain(const Trade::Domain &domain) override;
    const Domain &domain() const override;
    /// Rebuilds the items from the domain. This hides QWidget::update(); the rebuilt combo box
    /// repaints itself.
    void update() override;

protected:
    explicit AbstractDomainBasedControl(QWidget *parent);
    Variant itemValue(int index) const override;
    void showValue() override;

private:
    void rebuildItems();

    Domain m_domain;
};

} // namespace Trade
