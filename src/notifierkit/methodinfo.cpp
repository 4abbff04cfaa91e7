#include "methodinfo.h"

#include <basekit/nonfatalstreamlogwrapper.h>

namespace Common {

namespace {
constexpr QStringView unit = u"notifier/methodinfo";
}

MethodInfo::MethodInfo(const QByteArray &signature) : MethodInfo(signature, -1)
{
}

MethodInfo::MethodInfo(const QByteArray &signature, int methodIndex)
    : m_signature(signature), m_methodIndex(methodIndex)
{
    if (m_signature.isEmpty())
        return; // the description of a lookup that found nothing

    const qsizetype endOfName = m_signature.indexOf('(');
    TRADE_ASSERT(endOfName > 0, u"Common::MethodInfo::parse", unit, this);
    m_name = m_signature.left(endOfName); // empty without "("

    const qsizetype startOfParameterList = endOfName + 1;
    const qsizetype endOfParameterList = m_signature.indexOf(')', startOfParameterList);
    TRADE_ASSERT(endOfParameterList >= startOfParameterList, u"Common::MethodInfo::parse", unit, this);
    // Without a closing ")" there is no parameter list to take apart.
    if (endOfParameterList > startOfParameterList)
        m_parameters = m_signature.mid(startOfParameterList, endOfParameterList - startOfParameterList).split(',');
}

MethodInfo &MethodInfo::operator=(const MethodInfo &)
{
    TRADE_ASSERT(false && "Is not supposed to be called.", u"Common::MethodInfo::operator =", unit, this);
    return *this;
}

bool MethodInfo::isDecorated(const QByteArray &text, char code)
{
    const qsizetype open = text.indexOf('(');
    return text.startsWith(code) && open >= 0 && open < text.lastIndexOf(')');
}

} // namespace Common
