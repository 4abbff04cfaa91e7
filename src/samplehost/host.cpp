#include "host.h"

namespace Sample {

void SymbolDictionary::define(const QByteArray &name, const QByteArray &underlyingName)
{
    m_underlying.insert(name, underlyingName);
}

void SymbolDictionary::remove(const QByteArray &name)
{
    m_underlying.remove(name);
}

void SymbolDictionary::clear()
{
    m_underlying.clear();
}

bool SymbolDictionary::contains(const QByteArray &symbolName) const
{
    return m_underlying.contains(symbolName);
}

Trade::SymbolDictionaryEntry SymbolDictionary::entry(const QByteArray &symbolName) const
{
    const auto found = m_underlying.constFind(symbolName);
    if (found == m_underlying.constEnd())
        return {};
    return {symbolName, found.value()};
}

Host::Host()
{
    Trade::IHost::install(this);
}

Host::~Host()
{
    Trade::IHost::remove(this);
}

} // namespace Sample
