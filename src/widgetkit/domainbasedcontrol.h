#pragma once

#include <widgetkit/abstractdomainbasedcontrol.h>
#include <widgetkit/widgetkit_export.h>

namespace Trade {

/// A combo box control offering the values of a domain, as the host builds its choice controls:
///
///     Trade::DomainBasedControl category(parent);
///     category.setDomain(Trade::SymbolCategory::domain());
///     category.setValue(Trade::Variant::fromValue(Trade::SymbolCategory(Symbology::symbolTypeFuture)));
class WIDGETKIT_EXPORT DomainBasedControl : public AbstractDomainBasedControl
{
    Q_OBJECT

public:
    explicit DomainBasedControl(QWidget *parent = nullptr);
    ~DomainBasedControl() override;
};

} // namespace Trade
