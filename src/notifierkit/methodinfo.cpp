#include "methodinfo.h"

#include <basekit/nonfatalstreamlogwrapper.h>
#include <notifierkit/criticalsection.h>

namespace Common {

namespace {
constexpr QStringView unit = u"notifier/methodinfo";

// The lock of every description's first parse. Never destroyed: a description may be parsed
// while the process's statics go.
CriticalSection &firstParses()
{
    static CriticalSection *const lock = new CriticalSection;
    return *lock;
}
} // namespace

MethodInfo::MethodInfo(const MethodInfo &other) : m_signature(other.m_signature), m_methodIndex(other.m_methodIndex)
{
    // The other description may be parsed by another thread right now: its parsed part is
    // read only once its flag says it is complete.
    if (other.m_parsed.load(std::memory_order_acquire)) {
        m_name = other.m_name;
        m_parameters = other.m_parameters;
        m_parsed.store(true, std::memory_order_relaxed);
    }
}

MethodInfo &MethodInfo::operator=(const MethodInfo &)
{
    TRADE_ASSERT(false && "Is not supposed to be called.", u"Common::MethodInfo::operator =", unit, this);
    return *this;
}

MethodInfo::~MethodInfo() = default;

const QByteArray &MethodInfo::name() const
{
    parse();
    return m_name;
}

const QList<QByteArray> &MethodInfo::parameters() const
{
    parse();
    return m_parameters;
}

bool MethodInfo::isDecorated(const QByteArray &text, char code)
{
    const qsizetype open = text.indexOf('(');
    return text.startsWith(code) && open >= 0 && open < text.lastIndexOf(')');
}

void MethodInfo::parse() const
{
    if (m_parsed.load(std::memory_order_acquire))
        return;
    const CriticalSectionLocker lock(&firstParses());
    if (m_parsed.load(std::memory_order_relaxed))
        return;

    const qsizetype endOfName = m_signature.indexOf('(');
    TRADE_ASSERT(endOfName > 0, u"Common::MethodInfo::parse", unit, this);
    m_name = m_signature.left(endOfName); // empty without "("

    const qsizetype startOfParameterList = endOfName + 1;
    const qsizetype endOfParameterList = m_signature.indexOf(')', startOfParameterList);
    TRADE_ASSERT(endOfParameterList >= startOfParameterList, u"Common::MethodInfo::parse", unit, this);
    // Without a closing ")" there is no parameter list to take apart.
    if (endOfParameterList > startOfParameterList)
        m_parameters = m_signature.mid(startOfParameterList, endOfParameterList - startOfParameterList).split(',');
    m_parsed.store(true, std::memory_order_release);
}

} // namespace Common
