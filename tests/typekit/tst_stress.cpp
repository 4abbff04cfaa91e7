// Random steps on symbols, a provider chain, a storage's holder and the exit strategy control, also inside the
// library's calls to observers (which may delete anything). TYPEKIT_STRESS_SEED=n replays, _SECONDS bounds.
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

using namespace Trade;

namespace {

using Provider = OrderInfoProvider;

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

class RecordObserver : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void slot_recordChanged(Trade::IRecord *) {}
};

template <typename T>
T *taken(QPointer<T> &object)
{
    return std::exchange(object, nullptr).data();
}

class World
{
public:
    explicit World(unsigned seed) : m_random(seed)
    {
        // The actors hear everything, some before and some after the library's own observers.
        for (int i = 0; i < 4; ++i)
            m_actors.emplace_back(std::make_unique<Actor>())->act = [this] { actInside(); };
        for (int i = 0; i < 4; ++i)
            newSymbol();
        for (int i = 0; i < 3; ++i) {
            m_chain.emplace_back(new Provider);
            m_follows.push_back(i == 0 ? static_cast<Provider *>(m_head.data()) : m_chain[i - 1].data());
            m_chain[i]->setExternalProvider(m_follows[i]);
        }
        m_chain[0]->setExternalHolder(m_holder);
        newStorage();
        m_control->setDomain(Domain({Variant::fromValue<IExitStrategyTemplate *>(m_strategies[0]),
                                     Variant::fromValue<IExitStrategyTemplate *>(m_strategies[1])}));
        m_control->setActiveExitStrategyProvider(m_active);
        m_head->subscribe(m_actors[0].get());
        m_chain[1]->subscribe(m_actors[1].get());
        m_active->subscribe(m_actors[3].get());
        m_acting = true;
    }

    ~World()
    {
        m_acting = false;
        delete m_control;
        delete m_active;
        qDeleteAll(m_chain);
        delete m_holder;
        delete m_head;
        delete m_subscriptions;
        delete m_storage;
        qDeleteAll(m_taken);
        qDeleteAll(m_symbols);
        qDeleteAll(m_strategies);
    }

    bool holdsTogether()
    {
        dropDeletedSymbols();
        // Each follower holds what the provider it follows holds; one whose provider went is empty.
        for (std::size_t i = 0; i < m_chain.size(); ++i) {
            Provider *follower = m_chain[i], *head = m_follows[i];
            if (follower
                && (follower->symbol() != (head ? head->symbol() : nullptr)
                    || follower->account() != (head ? head->account() : nullptr)))
                return false;
        }
        if (m_chain[0] && m_holder && m_chain[0]->account() != m_holder->account())
            return false;
        // A provider's symbol is alive and watched.
        Provider *const providers[] = {m_head, m_holder, m_chain[0], m_chain[1], m_chain[2]};
        for (Provider *provider : providers) {
            if (!provider || !provider->symbol())
                continue;
            const auto live = std::find_if(m_symbols.begin(), m_symbols.end(), [provider](Sample::Symbol *symbol) {
                return static_cast<ISymbol *>(symbol) == provider->symbol();
            });
            if (live == m_symbols.end() || !(*live)->isSubscribed(static_cast<QObject *>(provider)))
                return false;
        }
        // The record observer is on exactly the storage's records.
        for (int i = 0; m_storage && m_subscriptions && i < m_storage->count(); ++i)
            if (!m_storage->at(i)->isSubscribed(&m_recordObserver))
                return false;
        return std::none_of(m_taken.begin(), m_taken.end(),
                            [this](Sample::Record *record) { return record->isSubscribed(&m_recordObserver); });
    }

    // One random operation; each checks that what it uses is still there (a call inside may have deleted it).
    void step()
    {
        const unsigned op = pick(20);
        if (op < 2 && m_head) {
            m_head->setSymbol(anySymbol());
        } else if (op == 2 && m_head) {
            m_head->setAccount(pick(3) ? &m_accounts[pick(2)] : nullptr);
        } else if (op == 3 && m_head) {
            m_head->setSymbolName(QStringLiteral("name %1").arg(pick(3)));
        } else if (op == 19 && m_head) {
            m_head->setExitStrategy(anyStrategy());
        } else if (op >= 4 && op <= 6) {
            Sample::Symbol *symbol = anySymbol();
            if (symbol && op == 6) { // a host offers no object that it is deleting: it leaves the lists first
                m_symbols.erase(std::find(m_symbols.begin(), m_symbols.end(), symbol));
                delete symbol;
            } else if (symbol) {
                symbol->setResolved(!symbol->isResolved());
            }
        } else if (op == 7 && m_symbols.size() < 6) {
            newSymbol();
        } else if (op == 8) { // a follower follows another provider before it in the chain, or none
            const unsigned i = pick(unsigned(m_chain.size()));
            if (Provider *follower = m_chain[i]) {
                m_follows[i] = pick(4) == 0        ? nullptr
                               : i == 0 || pick(2) ? static_cast<Provider *>(m_head)
                                                   : m_chain[pick(i)].data();
                follower->setExternalProvider(m_follows[i]);
            }
        } else if (op == 9 && pick(4) == 0) { // rarely: a provider of the chain, or the head, goes
            const unsigned i = pick(unsigned(m_chain.size()) + 1);
            delete (i == m_chain.size() ? taken(m_head) : taken(m_chain[i]));
        } else if (op == 10 && m_storage) {
            m_storage->add(newRecord());
        } else if ((op == 11 || op == 12) && m_storage && m_storage->count()) {
            Sample::Record *record = m_storage->at(int(pick(unsigned(m_storage->count()))));
            if (op == 12)
                m_storage->remove(record);
            else if (Sample::Record *out = m_storage->take(record))
                m_taken.push_back(out);
        } else if (op == 13 && m_storage) {
            m_storage->reset(Sample::records(newRecord(), newRecord()));
        } else if (op == 14 && m_storage && pick(3) == 0) {
            m_storage->clear();
        } else if (op == 15 && pick(6) == 0) { // rarely: the storage goes, and another comes unless one came meanwhile
            Sample::Storage *const storage = taken(m_storage);
            StorageRecordsSubscriptionHolder *const subscriptions = taken(m_subscriptions);
            delete storage;
            delete subscriptions;
            if (!m_storage)
                newStorage();
        } else if (op == 16 && m_active) {
            m_active->setActiveTemplate(anyStrategy());
        } else if (op == 17 && m_control) {
            if (pick(3) == 0) {
                if (!m_active)
                    m_active = new Sample::ActiveExitStrategyProvider;
                m_control->setActiveExitStrategyProvider(m_active);
            } else {
                m_control->update();
            }
        } else if (op == 18 && pick(8) == 0) {
            delete taken(m_active);
        }
    }

private:
    unsigned pick(unsigned count) { return count ? unsigned(m_random() % count) : 0; }

    void dropDeletedSymbols()
    {
        m_symbols.erase(std::remove(m_symbols.begin(), m_symbols.end(), nullptr), m_symbols.end());
    }

    Sample::Symbol *anySymbol()
    {
        dropDeletedSymbols();
        return m_symbols.empty() || pick(5) == 0 ? nullptr : m_symbols[pick(unsigned(m_symbols.size()))].data();
    }

    void actInside()
    {
        if (!m_acting || m_depth >= 3 || pick(4) != 0)
            return;
        ++m_depth;
        step();
        --m_depth;
    }

    void newSymbol()
    {
        auto *symbol = new Sample::Symbol(QStringLiteral("S%1").arg(m_names++), Symbology::symbolTypeStock, 1, 100);
        m_symbols.emplace_back(symbol);
        symbol->subscribe(m_actors[pick(4)].get());
    }

    void newStorage()
    {
        m_storage = new Sample::Storage;
        m_subscriptions = new StorageRecordsSubscriptionHolder(m_storage, &m_recordObserver);
        m_storage->subscribe(m_actors[2].get());
    }

    std::unique_ptr<Sample::Record> newRecord()
    {
        return std::make_unique<Sample::Record>(QStringLiteral("R%1").arg(m_names++), FieldSet());
    }

    IExitStrategyTemplate *anyStrategy() { return pick(3) == 0 ? nullptr : m_strategies[pick(2)]; }

    std::mt19937 m_random;
    bool m_acting = false;
    int m_depth = 0, m_names = 0;
    std::vector<QPointer<Sample::Symbol>> m_symbols;
    Sample::Account m_accounts[2] = {Sample::Account(QStringLiteral("A1")), Sample::Account(QStringLiteral("A2"))};
    QPointer<Sample::TicketContext> m_head = new Sample::TicketContext;
    std::vector<QPointer<Provider>> m_chain, m_follows; // m_follows: whom each of the chain follows
    QPointer<Provider> m_holder = new Provider;
    RecordObserver m_recordObserver;
    QPointer<Sample::Storage> m_storage;
    QPointer<StorageRecordsSubscriptionHolder> m_subscriptions;
    std::vector<Sample::Record *> m_taken;
    std::vector<Sample::ExitStrategyTemplate *> m_strategies{new Sample::ExitStrategyTemplate(QStringLiteral("one")),
                                                             new Sample::ExitStrategyTemplate(QStringLiteral("two"))};
    QPointer<Sample::ActiveExitStrategyProvider> m_active = new Sample::ActiveExitStrategyProvider;
    QPointer<ExitStrategyDomainControl> m_control = new ExitStrategyDomainControl(nullptr);
    std::vector<std::unique_ptr<Actor>> m_actors;
};

} // namespace

class tst_Stress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomWorlds()
    {
        Sample::StandardTopics topics;
        const unsigned only = unsigned(qEnvironmentVariableIntValue("TYPEKIT_STRESS_SEED"));
        const int seconds = qEnvironmentVariableIntValue("TYPEKIT_STRESS_SECONDS");
        const QDeadlineTimer deadline(std::chrono::seconds(seconds > 0 ? seconds : 3));
        for (unsigned seed = only ? only : 1; only ? seed == only : !deadline.hasExpired(); ++seed) {
            ReportRecorder reports; // the logs of unresolved symbols, and nothing shown
            World world(seed);
            for (int step = 0; step < 60; ++step) {
                world.step();
                QVERIFY2(world.holdsTogether(), qPrintable(QStringLiteral("seed %1").arg(seed)));
            }
        }
    }
};

QTEST_MAIN(tst_Stress)
#include "tst_stress.moc"
