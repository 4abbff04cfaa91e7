#include "criticalsection.h"

#include <basekit/nonfatalstreamlogwrapper.h>

namespace Common {

namespace {
constexpr QStringView unit = u"criticalsection";
}

CriticalSection::CriticalSection() : m_impl(new std::recursive_mutex)
{
}

CriticalSection::~CriticalSection() = default;

void CriticalSection::enter()
{
    TRADE_ASSERT(m_impl.get() != NULL, u"Common::CriticalSection::enter", unit, this);
    if (m_impl)
        m_impl->lock();
}

bool CriticalSection::tryEnter()
{
    TRADE_ASSERT(m_impl.get() != NULL, u"Common::CriticalSection::tryEnter", unit, this);
    return m_impl && m_impl->try_lock();
}

void CriticalSection::leave()
{
    TRADE_ASSERT(m_impl.get() != NULL, u"Common::CriticalSection::leave", unit, this);
    if (m_impl)
        m_impl->unlock();
}

} // namespace Common
