// Seeded random stress: a world of symbols that lose and regain resolution, a chain of providers
// with an external holder, a storage with a subscription holder, and the exit strategy control
// with an active strategy provider. Random operations run at the top and inside the calls the
// library makes to observers (which may delete anything); invariants are checked after each
// step, and the sanitizer runs see every use of a deleted object.
//
// Environment: TYPEKIT_STRESS_SEED=n replays one seed (TYPEKIT_STRESS_TRACE=1 prints its
// operations); TYPEKIT_STRESS_SECONDS (3 by default) and TYPEKIT_STRESS_SEEDS (100000) bound a run.
#include <testsupport/reportrecorder.h>

#include <samplehost/storage.h>
#include <samplehost/symbol.h>
#include <samplehost/ticket.h>
#include <samplehost/topics.h>
#include <widgetkit/exitstrategydomaincontrol.h>
#include <typekit/storage/storagerecordssubscriptionholder.h>

#include <QtTest/QtTest>

#include <functional>
#include <memory>
#include <random>
#include <utility>
#include <vector>

namespace {

// Hears providers, symbols and the storage by the slot_ convention, and acts inside the call.
class Actor : public QObject
{
    Q_OBJECT

public:
    std::function<void()> act;

public Q_SLOTS:
    void slot_symbolChanged() { act(); }
    void slot_accountChanged() { act(); }
    void slot_orderInfoChanged() { act(); }
    void slot_symbolResolveChanged() { act(); }
    void slot_storageChanged() { act(); }
    void slot_activeExitStrategyChanged() { act(); }
    void slot_disposed() { act(); }
};

// What the subscription holder subscribes to the storage's records.
class RecordObserver : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void slot_recordChanged(Trade::IRecord *) {}
};

template <typename T>
void dropNull(std::vector<QPointer<T>> &objects)
{
    objects.erase(std::remove_if(objects.begin(), objects.end(), [](const QPointer<T> &object) { return !object; }),
                  objects.end());
}

class World
{
public:
    explicit World(unsigned seed) : m_random(seed)
    {
        for (int i = 0; i < 4; ++i)
            newSymbol();
        m_head = new Sample::TicketContext;
        for (int i = 0; i < 3; ++i) {
            m_chain.emplace_back(new Trade::OrderInfoProvider);
            m_follows.push_back(i == 0 ? static_cast<Trade::OrderInfoProvider *>(m_head.data())
                                       : m_chain[i - 1].data());
            m_chain[i]->setExternalProvider(m_follows[i]);
        }
        m_holder = new Trade::OrderInfoProvider;
        m_chain[0]->setExternalHolder(m_holder);
        newStorage();
        m_strategies = {new Sample::ExitStrategyTemplate(QStringLiteral("one")),
                        new Sample::ExitStrategyTemplate(QStringLiteral("two"))};
        m_active = new Sample::ActiveExitStrategyProvider;
        m_control = new Trade::ExitStrategyDomainControl(nullptr);
        m_control->setDomain(
            Trade::Domain({Trade::Variant::fromValue<Trade::IExitStrategyTemplate *>(m_strategies[0]),
                           Trade::Variant::fromValue<Trade::IExitStrategyTemplate *>(m_strategies[1])}));
        m_control->setActiveExitStrategyProvider(m_active);
        for (int i = 0; i < 4; ++i) {
            m_actors.emplace_back(std::make_unique<Actor>());
            m_actors.back()->act = [this] { actInside(); };
        }
        // The actors hear everything, some before and some after the library's own observers.
        m_head->subscribe(m_actors[0].get());
        m_chain[1]->subscribe(m_actors[1].get());
        m_storage->subscribe(m_actors[2].get());
        m_active->subscribe(m_actors[3].get());
        for (Sample::Symbol *symbol : m_symbols)
            symbol->subscribe(m_actors[int(m_random() % 4)].get());
        m_acting = true;
    }

    ~World()
    {
        m_acting = false;
        delete m_control;
        delete m_active;
        for (const QPointer<Trade::OrderInfoProvider> &provider : m_chain)
            delete provider.data();
        delete m_holder;
        delete m_head;
        delete m_subscriptions;
        delete m_storage;
        qDeleteAll(m_taken);
        for (Sample::Symbol *symbol : m_symbols)
            delete symbol;
        qDeleteAll(m_strategies);
    }

    // One random operation, at the top.
    void step() { operate(); }

    // Whether the world holds together; the first broken rule otherwise.
    QString broken()
    {
        dropNull(m_symbols);
        // Each follower holds what the provider it follows holds; one whose provider went is empty.
        for (std::size_t i = 0; i < m_chain.size(); ++i) {
            Trade::OrderInfoProvider *follower = m_chain[i];
            if (!follower)
                continue;
            Trade::OrderInfoProvider *head = m_follows[i];
            Trade::ISymbol *expectedSymbol = head ? head->symbol() : nullptr;
            Trade::IAccount *expectedAccount = head ? head->account() : nullptr;
            if (follower->symbol() != expectedSymbol || follower->account() != expectedAccount) {
                const auto name = [](Trade::ISymbol *symbol) { return symbol ? symbol->name() : QStringLiteral("-"); };
                return QStringLiteral("follower %1 holds %2, its provider %3")
                    .arg(i)
                    .arg(name(follower->symbol()), name(expectedSymbol));
            }
        }
        if (m_chain[0] && m_holder && m_chain[0]->account() != m_holder->account())
            return QStringLiteral("the holder has not the account pushed into it");
        // A provider's symbol is alive and watched.
        std::vector<Trade::OrderInfoProvider *> providers{m_head, m_holder};
        for (const QPointer<Trade::OrderInfoProvider> &provider : m_chain)
            providers.push_back(provider);
        for (Trade::OrderInfoProvider *provider : providers) {
            if (!provider || !provider->symbol())
                continue;
            const auto live = std::find_if(m_symbols.begin(), m_symbols.end(), [provider](Sample::Symbol *symbol) {
                return static_cast<Trade::ISymbol *>(symbol) == provider->symbol();
            });
            if (live == m_symbols.end())
                return QStringLiteral("a provider holds a deleted symbol");
            if (!(*live)->isSubscribed(static_cast<QObject *>(provider)))
                return QStringLiteral("a provider does not watch its symbol");
        }
        // The record observer is on exactly the storage's records.
        if (m_storage && m_subscriptions) {
            for (int i = 0; i < m_storage->count(); ++i) {
                if (!m_storage->at(i)->isSubscribed(&m_recordObserver))
                    return QStringLiteral("a record of the storage is not subscribed");
            }
        }
        for (Sample::Record *record : m_taken) {
            if (record->isSubscribed(&m_recordObserver))
                return QStringLiteral("a record out of the storage is subscribed");
        }
        return QString();
    }

private:
    unsigned pick(unsigned count) { return count ? unsigned(m_random() % count) : 0; }

    template <typename T>
    T *any(std::vector<QPointer<T>> &objects)
    {
        dropNull(objects);
        return objects.empty() ? nullptr : objects[pick(unsigned(objects.size()))].data();
    }

    Sample::Symbol *anySymbol()
    {
        dropNull(m_symbols);
        return m_symbols.empty() || pick(5) == 0 ? nullptr : m_symbols[pick(unsigned(m_symbols.size()))].data();
    }

    // Inside a call of the library: now and then, and not too deep.
    void actInside()
    {
        if (!m_acting || m_depth >= 3 || pick(4) != 0)
            return;
        ++m_depth;
        operate();
        --m_depth;
    }

    void newSymbol()
    {
        auto *symbol = new Sample::Symbol(QStringLiteral("S%1").arg(m_names++), Symbology::symbolTypeStock, 1, 100);
        m_symbols.emplace_back(symbol);
        if (!m_actors.empty())
            symbol->subscribe(m_actors[pick(unsigned(m_actors.size()))].get());
    }

    void newStorage()
    {
        m_storage = new Sample::Storage;
        m_subscriptions = new Trade::StorageRecordsSubscriptionHolder(m_storage, &m_recordObserver);
        if (!m_actors.empty())
            m_storage->subscribe(m_actors[2].get());
    }

    template <typename T>
    static T *taken(QPointer<T> &object)
    {
        return std::exchange(object, nullptr).data();
    }

    std::unique_ptr<Sample::Record> newRecord()
    {
        return std::make_unique<Sample::Record>(QStringLiteral("R%1").arg(m_names++), Trade::FieldSet());
    }

    Sample::Record *anyRecord()
    {
        return m_storage && m_storage->count() ? m_storage->at(int(pick(unsigned(m_storage->count())))) : nullptr;
    }

    Trade::IExitStrategyTemplate *anyStrategy() { return pick(3) == 0 ? nullptr : m_strategies[pick(2)]; }

    void operate()
    {
        const unsigned operation = pick(20);
        if (m_tracing)
            qInfo("%*sstep %u", m_depth * 2, "", operation);
        switch (operation) {
        case 0:
        case 1:
            if (m_head)
                m_head->setSymbol(anySymbol());
            break;
        case 2:
            if (m_head)
                m_head->setAccount(pick(3) ? &m_accounts[pick(2)] : nullptr);
            break;
        case 3:
            if (m_head)
                m_head->setSymbolName(QStringLiteral("name %1").arg(pick(3)));
            break;
        case 4:
        case 5:
            if (Sample::Symbol *symbol = anySymbol()) {
                if (m_tracing)
                    qInfo("%*s%s resolved: %d", m_depth * 2, "", qPrintable(symbol->name()), !symbol->isResolved());
                symbol->setResolved(!symbol->isResolved());
            }
            break;
        case 6:
            // A host offers no object that it is deleting: each leaves the lists first.
            if (Sample::Symbol *symbol = anySymbol()) {
                m_symbols.erase(std::find(m_symbols.begin(), m_symbols.end(), symbol));
                delete symbol;
            }
            break;
        case 7:
            if (m_symbols.size() < 6)
                newSymbol();
            break;
        case 8: {
            // A follower follows another provider before it in the chain, or none.
            const unsigned i = pick(unsigned(m_chain.size()));
            if (Trade::OrderInfoProvider *follower = m_chain[i]) {
                Trade::OrderInfoProvider *target = pick(4) == 0        ? nullptr
                                                   : i == 0 || pick(2) ? static_cast<Trade::OrderInfoProvider *>(m_head)
                                                                       : m_chain[pick(i)].data();
                m_follows[i] = target;
                follower->setExternalProvider(target);
            }
            break;
        }
        case 9:
            if (pick(4) == 0) { // rarely: a provider of the chain, or the head, goes
                const unsigned i = pick(unsigned(m_chain.size()) + 1);
                delete (i == m_chain.size() ? taken(m_head) : taken(m_chain[i]));
            }
            break;
        case 10:
            if (m_storage)
                m_storage->add(newRecord());
            break;
        case 11:
            if (Sample::Record *record = anyRecord(); record && m_storage) {
                if (Sample::Record *taken = m_storage->take(record))
                    m_taken.push_back(taken);
            }
            break;
        case 12:
            if (Sample::Record *record = anyRecord(); record && m_storage)
                m_storage->remove(record);
            break;
        case 13:
            if (m_storage)
                m_storage->reset(Sample::records(newRecord(), newRecord()));
            break;
        case 14:
            if (m_storage && pick(3) == 0)
                m_storage->clear();
            break;
        case 15:
            if (pick(6) == 0) { // rarely: the storage goes, and another comes unless one came meanwhile
                Sample::Storage *const storage = taken(m_storage);
                Trade::StorageRecordsSubscriptionHolder *const subscriptions = taken(m_subscriptions);
                delete storage;
                delete subscriptions;
                if (!m_storage)
                    newStorage();
            }
            break;
        case 16:
            if (m_active)
                m_active->setActiveTemplate(anyStrategy());
            break;
        case 17:
            if (m_control && pick(3) == 0) {
                if (!m_active)
                    m_active = new Sample::ActiveExitStrategyProvider;
                m_control->setActiveExitStrategyProvider(m_active);
            } else if (m_control) {
                m_control->update();
            }
            break;
        case 18:
            if (pick(8) == 0)
                delete taken(m_active);
            break;
        case 19:
            if (m_head)
                m_head->setExitStrategy(anyStrategy());
            break;
        }
    }

    std::mt19937 m_random;
    const bool m_tracing = qEnvironmentVariableIsSet("TYPEKIT_STRESS_TRACE");
    bool m_acting = false;
    int m_depth = 0;
    int m_names = 0;
    std::vector<QPointer<Sample::Symbol>> m_symbols;
    Sample::Account m_accounts[2] = {Sample::Account(QStringLiteral("A1")), Sample::Account(QStringLiteral("A2"))};
    QPointer<Sample::TicketContext> m_head;
    std::vector<QPointer<Trade::OrderInfoProvider>> m_chain;
    std::vector<QPointer<Trade::OrderInfoProvider>> m_follows; // whom each of the chain follows
    QPointer<Trade::OrderInfoProvider> m_holder;
    RecordObserver m_recordObserver;
    QPointer<Sample::Storage> m_storage;
    QPointer<Trade::StorageRecordsSubscriptionHolder> m_subscriptions;
    std::vector<Sample::Record *> m_taken;
    std::vector<Sample::ExitStrategyTemplate *> m_strategies;
    QPointer<Sample::ActiveExitStrategyProvider> m_active;
    QPointer<Trade::ExitStrategyDomainControl> m_control;
    std::vector<std::unique_ptr<Actor>> m_actors;
};

int fromEnvironment(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

class tst_Stress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomWorlds()
    {
        Sample::StandardTopics topics;
        const int only = fromEnvironment("TYPEKIT_STRESS_SEED", -1);
        const int seconds = fromEnvironment("TYPEKIT_STRESS_SECONDS", 3);
        const int seeds = only >= 0 ? 1 : fromEnvironment("TYPEKIT_STRESS_SEEDS", 100000);
        QElapsedTimer timer;
        timer.start();
        int run = 0;
        for (; run < seeds && (only >= 0 || timer.elapsed() < seconds * 1000); ++run) {
            const unsigned seed = only >= 0 ? unsigned(only) : unsigned(run + 1);
            Trade::ReportRecorder reports; // the logs of unresolved symbols, and nothing shown
            World world(seed);
            for (int step = 0; step < 60; ++step) {
                world.step();
                const QString broken = world.broken();
                const QString where = QStringLiteral("seed %1 (replay with TYPEKIT_STRESS_SEED=%1), step %2: ");
                QVERIFY2(broken.isEmpty(), qPrintable(where.arg(seed).arg(step) + broken));
            }
        }
        qInfo("%d seeds", run);
    }
};

QTEST_MAIN(tst_Stress)
#include "tst_stress.moc"
