#include "icontrol.h"

namespace Trade {

IControl::~IControl() = default;
IValueControl::~IValueControl() = default;
IDomainBasedControl::~IDomainBasedControl() = default;

} // namespace Trade
