#include "ihost.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

namespace Trade {

ISymbolDictionary::~ISymbolDictionary() = default;
IHost::~IHost() = default;

namespace {

class EmptyDictionary final : public ISymbolDictionary
{
public:
    bool contains(const QByteArray &) const override { return false; }
    SymbolDictionaryEntry entry(const QByteArray &) const override { return {}; }
};

class StandInHost final : public IHost
{
public:
    ISymbolDictionary &symbolDictionary() override { return m_dictionary; }

private:
    EmptyDictionary m_dictionary;
};

StandInHost &standInHost()
{
    static StandInHost host;
    return host;
}

struct Installed
{
    std::mutex mutex;
    std::vector<IHost *> stack;
    std::atomic<IHost *> top{nullptr};

    void publish() { top.store(stack.empty() ? nullptr : stack.back(), std::memory_order_release); }
};

Installed &installed()
{
    static Installed s;
    return s;
}

// Made while basekit loads, so that hosts living in later libraries can leave at their unload.
const bool s_installedMadeAtLoad = (installed(), standInHost(), true);

} // namespace

IHost *IHost::instance()
{
    IHost *host = installed().top.load(std::memory_order_acquire);
    return host ? host : &standInHost();
}

void IHost::install(IHost *host)
{
    if (!host)
        return;
    Installed &all = installed();
    const std::lock_guard<std::mutex> lock(all.mutex);
    all.stack.push_back(host);
    all.publish();
}

void IHost::remove(IHost *host)
{
    Installed &all = installed();
    const std::lock_guard<std::mutex> lock(all.mutex);
    all.stack.erase(std::remove(all.stack.begin(), all.stack.end(), host), all.stack.end());
    all.publish();
}

} // namespace Trade
