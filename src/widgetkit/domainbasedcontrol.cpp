#include "domainbasedcontrol.h"

namespace Trade {

DomainBasedControl::DomainBasedControl(QWidget *parent) : AbstractDomainBasedControl(parent)
{
}

DomainBasedControl::~DomainBasedControl() = default;

} // namespace Trade
