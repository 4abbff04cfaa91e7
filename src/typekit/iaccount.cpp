#include "iaccount.h"

namespace Trade {

IAccount::~IAccount() = default;

} // namespace Trade
