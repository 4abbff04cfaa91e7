#include "formatter.h"

#include <basekit/nonfatalstreamlogwrapper.h>

namespace Trade {

IFormatter *IFormatter::s_instance = nullptr;

IFormatter::~IFormatter() = default;

IFormatter *IFormatter::instance()
{
    TRADE_ASSERT(s_instance != 0, u"Trade::IFormatter::instance", u"formatting/formatter", nullptr);
    return s_instance;
}

} // namespace Trade
