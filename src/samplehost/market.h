#pragma once

#include <samplehost/formatter.h>
#include <samplehost/host.h>
#include <samplehost/orderstorage.h>
#include <samplehost/positionstorage.h>
#include <samplehost/samplehost_export.h>
#include <samplehost/symbol.h>
#include <samplehost/topics.h>

namespace Sample {

/// The sample host's world, ready to trade in: what a plug-in's test, an example or the library's
/// own tests would otherwise build by hand, in the order the pieces need each other. While it
/// lives it is the process's host, formatter and standard topics (each installed over whatever was
/// there, and removed again when the market goes).
///
///     host        the host, with an empty symbol dictionary
///     formatter   the sample formatter (plain numbers: see Sample::Formatter)
///     topics      the standard topics; made before the symbols, whose figures live over them
///     connection  the broker connection "Sim", which the three symbols are traded through
///     es, nq      the futures "ESZ26" and "NQZ26": tick 0.25, point value 50 and 20
///     msft        the stock "MSFT": tick 0.01, point value 1
///     account     the account "SIM-1"
///     second      the account "SIM-2"
///     orders      an empty order storage over the topics' order topic
///     positions   an empty position storage
///
/// A test makes one for each test function, so that a symbol one function changes, or an order it
/// leaves in a storage, is not what the next one starts from:
///
///     std::unique_ptr<Sample::Market> market;
///     void init() { market = std::make_unique<Sample::Market>(); }
///     void cleanup() { market.reset(); }
///     ...
///     const Trade::Price limit(QStringLiteral("5012.30"), &market->es);    // 5012.25
///
/// A test that needs more symbols or accounts derives from it; members made after the market's are
/// made over its topics, and go before its storages and symbols do. A market is cheap (a few
/// records, two empty storages) and is not copied: its symbols and accounts are found again by
/// name, and two markets alive at once would share those names. A symbol made before any market
/// (or other standard topics) has no name and no figures.
class SAMPLEHOST_EXPORT Market
{
public:
    Market();
    ~Market();
    Market(const Market &) = delete;
    Market &operator=(const Market &) = delete;

    // The order of the members is the order they are made in, and their reverse the order they go:
    // the storages' records before the symbols and accounts they name, those before the topics.
    Host host;
    Formatter formatter;
    StandardTopics topics;
    Connection connection;
    Symbol es;
    Symbol nq;
    Symbol msft;
    Account account;
    Account second;
    OrderStorage orders;
    PositionStorage positions;
};

} // namespace Sample
