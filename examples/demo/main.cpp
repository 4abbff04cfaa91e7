// A tour of what the library offers so far, as a host or a plug-in would use it.
#include "orderview.h"

#include <samplehost/formatter.h>
#include <samplehost/host.h>
#include <samplehost/orderstorage.h>
#include <samplehost/positionstorage.h>
#include <samplehost/symbol.h>
#include <samplehost/ticket.h>
#include <samplehost/topics.h>
#include <typekit/connection/connectionstate.h>
#include <typekit/eventsource.h>
#include <typekit/formatting/cumulativeorderquantityformatter.h>
#include <typekit/mms/exitstrategy/exitstrategylevel.h>
#include <typekit/mms/exitstrategy/pyramid.h>
#include <typekit/mms/stopstrategy/stopstrategylevel.h>
#include <typekit/order/orderstoragefilter.h>
#include <typekit/order/bracketcategory.h>
#include <typekit/order/orderaction.h>
#include <typekit/order/ordercategory.h>
#include <typekit/order/orderexpiry.h>
#include <typekit/order/orderstate.h>
#include <typekit/percent.h>
#include <typekit/price.h>
#include <typekit/quantity.h>
#include <typekit/order/orderrecord.h>
#include <typekit/order/orderutils.h>
#include <typekit/operations/closepositionoperationinputs.h>
#include <typekit/orderinfoprovider.h>
#include <typekit/pluginversions.h>
#include <typekit/position/tradeside.h>
#include <typekit/storage/storagerecordssubscriptionholder.h>
#include <typekit/symbol/symbolcategory.h>
#include <typekit/variantrecordlist.h>

#include <basekit/dump.h>
#include <symbolkit/korsymbol.h>

#include <QtCore/QFile>
#include <QtCore/QObject>
#include <QtCore/QTextStream>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

void heading(const char *title)
{
    out() << "\n== " << title << " ==\n";
}

void showLibrary()
{
    heading("The library");
    QFile resource(QStringLiteral(":/typekit/typekit.rc"));
    if (!resource.open(QIODevice::ReadOnly)) {
        out() << "version resource missing\n";
        return;
    }
    const QString script = QString::fromUtf8(resource.readAll());
    for (const QString &line : script.split(QLatin1Char('\n'))) {
        if (line.contains(QLatin1String("FileDescription")) || line.contains(QLatin1String("FILEVERSION_STR \"")))
            out() << line.trimmed() << '\n';
    }
}

void showVersions()
{
    heading("Plug-in versions");
    Trade::PluginVersions offered;
    offered << Trade::PluginVersionInfo(Trade::Version(QStringLiteral("12.0")), true)
            << Trade::PluginVersionInfo(Trade::Version(QStringLiteral("11.4.2")), false);
    for (const QString &text :
         {QStringLiteral("12"), QStringLiteral("11.4.2.0"), QStringLiteral("13.1"), QStringLiteral("1.2.3.4.5")}) {
        const Trade::Version version(text);
        out() << '"' << text << "\" reads as " << version.toString(QStringLiteral("."))
              << (version.isValid() ? "" : " (invalid)") << (offered.contains(version) ? ", offered" : ", not offered")
              << '\n';
    }
}

void showValues()
{
    heading("Sides and connection states in variants");
    const Trade::Variant longSide = Trade::Variant::fromValue(Trade::TradeSide(true));
    const Trade::Variant shortSide = Trade::Variant::fromValue(Trade::TradeSide(Trade::TradeSide::Short));
    out() << "sides: " << longSide.toString() << ", " << shortSide.toString()
          << "; equal: " << (longSide == shortSide ? "yes" : "no") << '\n';
    out() << "saved short side: " << shortSide.save().toJsonIndented();

    for (auto state : {Trade::ConnectionState::Disconnected, Trade::ConnectionState::Connecting,
                       Trade::ConnectionState::Connected, Trade::ConnectionState::Disconnecting}) {
        const Trade::ConnectionState connection(state);
        out() << "connection " << connection.toString() << ": can connect " << (connection.canConnect() ? "yes" : "no")
              << ", can disconnect " << (connection.canDisconnect() ? "yes" : "no") << '\n';
    }
}

void showCategories()
{
    heading("Symbol categories");
    Sample::Host host;
    host.dictionary().define("=TECH", "MSFT");
    host.dictionary().define("=FRONT", "@ES");
    for (const char *name : {"MSFT", "ESZ26", "@ES", "EUR/USD", "$SPX.X", "AAPL 261218C200", "ESZ26-ESH27", "=TECH",
                             "=FRONT", "=UNKNOWN", "12345"}) {
        const Trade::SymbolCategory category = Trade::SymbolCategory::fromSymbolName(QString::fromLatin1(name));
        out() << QString::fromLatin1(name).leftJustified(16) << category.toString().rightJustified(3) << "  "
              << (category.isValid() ? category.name() : QStringLiteral("(not a category)"))
              << (category.isTradeble() ? ", tradeable" : "") << (category.canRoll() ? ", rolls" : "") << '\n';
    }
}

void showOrder()
{
    heading("An order as the order window shows it");
    const Trade::OrderAction action(Trade::OrderAction::SellShort);
    const Trade::OrderCategory category(Trade::OrderCategory::LimitAtBid);
    const Trade::OrderExpiry expiry(Trade::OrderExpiry::ExtendedHours);
    const Trade::BracketCategory bracket(Trade::BracketCategory::StopLossTakeProfit);
    const Trade::OrderState state(Trade::OrderState::Completed, Trade::OrderState::reasonFilled);
    const Trade::EventSource source(Trade::EventSource::Chart,
                                    Common::InvocationType(Common::InvocationType::MouseDoubleClick));
    const Trade::EventReason reason(Trade::EventReason::PlacingOrder);
    out() << "action:    " << action.toString() << " (opens: " << (action.isOpen() ? "yes" : "no")
          << ", reversed: " << action.reverseSide().toString() << ")\n"
          << "kind:      " << category.toString() << " (reversed: " << category.reverseLimitBidAsk().toString() << ")\n"
          << "duration:  " << expiry.toString() << " (saved as \"" << expiry.toSaveableString() << "\")\n"
          << "bracket:   " << bracket.toString() << "\n"
          << "state:     " << state.toString() << (state.isActive() ? ", active" : ", done") << "\n"
          << "placed by: " << source.toString() << ", reason: " << reason.toString() << "\n"
          << "pyramid:   " << Trade::Pyramid(Trade::Pyramid::AdjustQuantityAndPrice).toString() << "\n";

    Trade::OrderExpiry restored;
    restored.fromSaveableString(expiry.toSaveableString());
    out() << "duration read back from its saved text: " << restored.toString() << "\n";
}

void showQuantityCells()
{
    heading("Quantity cells of a basket of orders");
    Sample::Formatter formatter; // the host's formatter for lots, money and percents
    Trade::CumulativeOrderQuantityFormatter filled;
    filled.addOrder(1500, 500);
    filled.addOrder(1500, 0);
    Trade::CumulativeOrderQuantityFormatter one;
    one.addOrder(2000000, 0);
    Trade::CumulativeOrderQuantityFormatter lots;
    lots.addOrder(2.5, 0.75);
    out() << "two orders of 1500, 500 filled: " << filled.format() << "\n"
          << "one order of 2000000:           " << one.format() << "\n"
          << "2.5 lots, 0.75 filled:          " << lots.format() << "\n"
          << "filled share:                   " << QString(Trade::Percent(3000.0, 500.0)) << "\n";
}

void showOrderUpdate()
{
    heading("A typical order update");
    Sample::StandardTopics topics; // the host installs its topics before any record is made
    Sample::Formatter formatter;
    Sample::Symbol es(QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0);
    Sample::Account account(QStringLiteral("SIM-1001"));

    // The plug-in builds the order it sends.
    Trade::OrderRecord order;
    order.setSymbol(&es);
    order.setAccount(&account);
    order.setId(QStringLiteral("A-1001"));
    order.setAction(Trade::OrderAction::Buy);
    order.setCategory(Trade::OrderCategory::Limit);
    order.setExpiry(Trade::OrderExpiry::DayOrder);
    order.setLimitPrice(Trade::Price(QStringLiteral("5012.30"), &es));
    order.setQuantity(Trade::Quantity::fromLots(3, &es));
    order.setState(Trade::OrderState(Trade::OrderState::Placing));
    order.setEventSource(Trade::EventSource(Trade::EventSource::Chart, Common::InvocationType(2)));

    // The broker's update: working, one lot filled. The host merges it into the stored order.
    Trade::OrderRecord update;
    update.setState(Trade::OrderState(Trade::OrderState::Working));
    update.setFilled(Trade::Quantity::fromLots(1, &es));
    const Trade::OrderRecord stored = order.merge(update);

    const auto show = [](const Trade::OrderRecord &o) {
        out() << "  " << o.action().toString() << " " << o.quantity().toString() << " "
              << o.symbol()->formatPrice(o.limitPrice().value()) << " " << o.category().toString() << " "
              << o.expiry().toString() << ", " << o.state().toString() << ", filled " << o.filled().toString()
              << ", remaining " << Trade::OrderUtils::remainingQuantity(o.record(), o.topic()).toString() << ", from "
              << o.eventSource().toString() << ", account " << Trade::OrderUtils::accountId(o.record(), o.topic())
              << "\n";
    };
    out() << "stored order:\n";
    show(stored);

    const QString json = stored.dump().toJsonIndented();
    const Trade::OrderRecord loaded(
        Trade::Variant::load(Trade::Dump::fromJson(json), Trade::Variant()).valueOr(Trade::VariantRecord()));
    out() << "saved as " << json.count(QLatin1Char('\n')) << " lines of JSON and loaded back "
          << (loaded == stored ? "equal" : "DIFFERENT") << ":\n";
    show(loaded);
}

void showPrices()
{
    heading("Prices on a symbol's tick grid");
    Sample::StandardTopics topics;
    Sample::Formatter formatter;
    Sample::Symbol es(QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0);    // tick 0.25
    Sample::Symbol msft(QStringLiteral("MSFT"), Symbology::symbolTypeStock, 1, 100, 1.0, 100); // lots of 100

    const Trade::Price typed(QStringLiteral("5012.30"), &es);
    out() << "the user types 5012.30 for ESZ26: " << typed.toString() << " (" << typed.ticks() << " ticks)\n";
    const Trade::Price market(5011.9, &es);
    out() << "market at 5011.90 reads " << market.toString() << "; limit "
          << (typed == market  ? "equals"
              : typed < market ? "is below"
                               : "is above")
          << " it\n";
    const Trade::Price shifted = typed + qint64(3);
    out() << "three ticks higher: " << shifted.toString()
          << ", out of range: " << (shifted.isOutOfRange() ? "yes" : "no") << "\n";
    const Trade::Quantity shares = Trade::Quantity::fromLots(2.5, &msft);
    out() << "2.5 lots of MSFT are " << shares.value() << " shares, shown as " << shares.toString() << " lots\n";
}

void showMoneyManagement()
{
    heading("Exit strategy levels and a storage query");
    Trade::ExitStrategyLevels levels;
    levels << Trade::ExitStrategyLevel(2, 8, 4, nullptr) << Trade::ExitStrategyLevel(0, 12, 4, nullptr) // no quantity
           << Trade::ExitStrategyLevel(1, 0, 6, nullptr);
    // The report goes to stderr: what was written to stdout goes out first, so that it shows here.
    out() << levels.size() << " levels saved; the one without quantity is reported (on stderr):" << Qt::endl;
    const QString json = Trade::Variant::fromValue(levels).save().toJsonIndented();
    const Trade::ExitStrategyLevels loaded =
        Trade::Variant::load(Trade::Dump::fromJson(json), Trade::Variant()).valueOr(Trade::ExitStrategyLevels());
    out() << loaded.size() << " valid ones loaded back:";
    for (const Trade::ExitStrategyLevel &level : loaded)
        out() << " [quantity " << level.quantity() << ", profit " << level.profit() << ", stop " << level.stop() << "]";
    out() << "\n";

    Trade::StopStrategyLevels stops;
    stops << Trade::StopStrategyLevel(0, 10, 0, Trade::StopStrategyLevel::typeBreakEven)
          << Trade::StopStrategyLevel(2, 20, 6, Trade::StopStrategyLevel::typeTrailing);
    out() << "stop strategy: " << stops.count() << " levels, " << (stops.isValid() ? "valid" : "invalid") << "\n";

    Sample::StandardTopics topics;
    Sample::Symbol es(QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0);
    Sample::Account account(QStringLiteral("SIM-1001"));
    Trade::OrderStorageFilter query;
    query.symbol(&es).account(&account).working(true);
    out() << "query: working orders of " << es.name() << " in " << query.accounts().first()->id()
          << (query.hasSide() ? "" : ", either side") << "\n";
}

const char *eventName(Trade::IStorage::ChangeEvent event)
{
    switch (event) {
    case Trade::IStorage::Reset:
        return "reset";
    case Trade::IStorage::Added:
        return "added";
    case Trade::IStorage::Removed:
        return "removed";
    case Trade::IStorage::Updated:
        return "updated";
    case Trade::IStorage::AboutToClear:
        return "about to clear";
    }
    return "unknown";
}

QString percentText(const Common::Nullable<double> &percent)
{
    return percent.hasValue() ? QString::number(percent.value(), 'f', 2) + QLatin1Char('%') : QStringLiteral("n/a");
}

// The typical order update, now with the host's side: the update is merged into the stored
// order, the storage announces it, the order window hears it because a holder keeps it subscribed
// to every stored order, and a view queries the storage. Then the positions: their statistics,
// the baskets among them, and what a close-all would send.
void showStorages()
{
    heading("The order update in the host's order storage");
    Sample::StandardTopics topics;
    Sample::Formatter formatter;
    Sample::Symbol es(QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0);
    Sample::Symbol msft(QStringLiteral("MSFT"), Symbology::symbolTypeStock, 1, 100, 1.0, 100);
    Sample::Account account(QStringLiteral("SIM-1001"));

    {
        Sample::OrderStorage orders;
        QObject::connect(&orders, &Sample::Storage::storageChanged,
                         [](Trade::IStorage::ChangeEvent event, Trade::IRecord *record, Trade::IStorage *) {
                             out() << "  storage: " << eventName(event)
                                   << (record ? QStringLiteral(" ") + record->key() : QString()) << "\n";
                         });
        OrderView window(out());
        Trade::StorageRecordsSubscriptionHolder holder(&orders, &window);

        Trade::OrderRecord order;
        order.setId(QStringLiteral("A-1001"));
        order.setSymbol(&es);
        order.setAccount(&account);
        order.setAction(Trade::OrderAction::Buy);
        order.setCategory(Trade::OrderCategory::Limit);
        order.setLimitPrice(Trade::Price(QStringLiteral("5012.30"), &es));
        order.setQuantity(Trade::Quantity::fromLots(3, &es));
        order.setState(Trade::OrderState(Trade::OrderState::Placing));
        orders.addOrder(order);
        Trade::OrderRecord stop = order;
        stop.setId(QStringLiteral("A-1002"));
        stop.setAction(Trade::OrderAction::Sell);
        stop.setCategory(Trade::OrderCategory::Stop);
        stop.setStopPrice(Trade::Price(QStringLiteral("4990"), &es));
        stop.setState(Trade::OrderState(Trade::OrderState::Working));
        orders.addOrder(stop);

        out() << "the broker reports A-1001 working, one lot filled:\n";
        Trade::OrderRecord update;
        update.setId(QStringLiteral("A-1001"));
        update.setState(Trade::OrderState(Trade::OrderState::Working));
        update.setFilled(Trade::Quantity::fromLots(1, &es));
        orders.updateOrder(update);

        Trade::OrderStorageFilter working;
        working.symbol(&es).account(&account).side(Trade::TradeSide::Long).working(true);
        out() << "working buy orders of " << es.name() << " in " << account.id() << ":";
        for (Trade::IRecord *record : orders.select(working)) {
            const Trade::OrderRecord found(record->variantRecord());
            out() << " " << record->key() << " (" << found.quantity().toString() << " at "
                  << found.limitPrice().toString() << ")";
        }
        out() << "\n";

        out() << "the stop order is cancelled and leaves the storage:\n";
        orders.remove(orders.find(QStringLiteral("A-1002")));
        out() << Trade::VariantRecordList(&orders).size()
              << " order left; the window follows it: " << (orders.at(0)->isSubscribed(&window) ? "yes" : "no") << "\n";
        out() << "the host shuts the storage down:\n";
    }

    heading("Positions: statistics and a close-all");
    Sample::Symbol basket(QStringLiteral("=ESNQ"), Symbology::symbolTypeUserDefinedSpread, 25, 100, 50.0);
    Sample::Account other(QStringLiteral("SIM-1002"));
    Sample::PositionStorage positions;
    const auto open = [&positions](Sample::Symbol *symbol, Sample::Account *owner, double lots, double openProfit,
                                   double invested, qint64 pullBack, const QString &price) {
        auto made = std::make_unique<Sample::Position>(symbol, owner);
        made->setQuantity(Trade::Quantity::fromLots(lots, symbol));
        made->setReturn(Trade::Profit::fromMoney(openProfit, symbol), Trade::Profit::fromMoney(invested, symbol));
        made->setPullBack(pullBack);
        made->setPrice(Trade::Price(price, symbol));
        return static_cast<Sample::Position *>(positions.add(std::move(made)));
    };
    open(&es, &account, 2, 600.0, 24000.0, 6, QStringLiteral("5012.25"));
    open(&msft, &account, -3, -45.0, 12600.0, 20, QStringLiteral("420.15"));
    open(&basket, &other, 1, 150.0, 5000.0, 4, QStringLiteral("12.50"));
    open(&es, &other, 0, 0.0, 0.0, 0, QStringLiteral("5012.25")); // flat: left out of everything

    const Trade::Container<Trade::IPosition *> all = positions.positions();
    out() << "return of all positions: " << percentText(Trade::IPositionStorage::percentOfReturnTotal(all))
          << ", pulled back: " << percentText(Trade::IPositionStorage::pullBackPercentageTotal(all)) << "\n";
    out() << "baskets:";
    for (Trade::IPosition *position : Trade::IPositionStorage::selectBasketPositions(all))
        out() << " " << position->record()->key();
    out() << "\n";

    const Trade::ListOfClosePositionOperationInputs closeAll(all);
    out() << "close all (" << closeAll.size() << " positions, " << closeAll.positions().size() << " can be closed):\n";
    for (Trade::IPosition *position : closeAll.positions()) {
        const Trade::OrderRecord close = closeAll.findOrderInputsByPosition(position);
        out() << "  " << position->record()->key() << ": " << close.action().toString() << " "
              << close.quantity().toString() << " " << close.category().toString() << "\n";
    }
}

// A plug-in's view of an order ticket: it shows what its context provider holds, and says so
// whenever an announcement changes what it shows.
class TicketView : public QObject
{
    Q_OBJECT

public:
    explicit TicketView(Trade::OrderInfoProvider *context) : m_context(context)
    {
        context->subscribe(this);
        context->connectionProvider()->subscribe(this); // greets the view with the connection
    }

public Q_SLOTS:
    void slot_symbolChanged() { show("symbolChanged"); }
    void slot_accountChanged() { show("accountChanged"); }
    void slot_orderInfoChanged() { show("orderInfoChanged"); }
    void slot_connectionChanged() { show("connectionChanged"); }

private:
    void show(const char *signal)
    {
        Trade::OrderInfoProvider &c = *m_context;
        const Trade::OrderRecord settings(c.info());
        const Trade::PriceLevels levels = c.priceLevels();
        const auto *exit = dynamic_cast<const Sample::ExitStrategyTemplate *>(c.exitStrategy());
        const Trade::IBrokerConnection *connection = c.connectionProvider()->brokerConnection();
        QString text = c.symbol() ? c.symbol()->name() + QStringLiteral(" \"") + c.symbolName() + QLatin1Char('"')
                                  : QStringLiteral("no symbol");
        text += QStringLiteral(", account ") + (c.account() ? c.account()->id() : QStringLiteral("none"))
                + QStringLiteral(", via ") + (connection ? connection->name() : QStringLiteral("none"));
        if (settings.hasAction())
            text += QStringLiteral(", ") + settings.action().toString() + QLatin1Char(' ')
                    + settings.quantityOptional(Trade::Quantity()).toString() + QLatin1Char(' ')
                    + settings.categoryOptional(Trade::OrderCategory()).toString();
        if (exit)
            text += QStringLiteral(", exit: ") + exit->name();
        if (levels.firstPrice.hasValue())
            text += QStringLiteral(", levels ") + levels.firstPrice.toString() + QLatin1Char('/')
                    + levels.secondPrice.toString();
        if (text == m_shown)
            return;
        m_shown = text;
        out() << "   " << QString::fromLatin1(signal).leftJustified(18) << text << '\n';
    }

    Trade::OrderInfoProvider *m_context;
    QString m_shown;
};

// The story of a context change: the host's ticket and a plug-in's provider that follows it.
void showContextChange()
{
    heading("A typical context change");
    Sample::StandardTopics topics;
    Sample::Formatter formatter;
    Sample::Symbol es(QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0);
    Sample::Account account(QStringLiteral("SIM-1001"));
    Sample::Connection broker(QStringLiteral("Sim broker"));
    Sample::ExitStrategyTemplate twoTargets(QStringLiteral("two targets"));
    const auto step = [](const char *what) { out() << "-- " << what << '\n'; };

    auto *ticket = new Sample::TicketContext; // the host's order ticket
    ticket->connectionProvider()->setBrokerConnection(&broker);
    ticket->setAccount(&account);
    Trade::OrderInfoProvider plugin; // a plug-in's provider, following the ticket
    plugin.setExternalProvider(ticket);
    step("the plug-in's view subscribes to the plug-in's provider");
    TicketView view(&plugin);

    step("the user picks ESZ26 in the ticket");
    ticket->setSymbolName(QStringLiteral("E-mini S&P 500 Dec 26"));
    ticket->setSymbol(&es);
    step("the host's core stops resolving ESZ26, then resolves it again");
    es.setResolved(false);
    es.setResolved(true);
    step("the user sets up the order in the ticket");
    Trade::OrderRecord settings;
    settings.setAction(Trade::OrderAction::Buy);
    settings.setQuantity(Trade::Quantity::fromLots(2, &es));
    settings.setCategory(Trade::OrderCategory::Limit);
    ticket->setInfo(settings.record());
    ticket->setExitStrategy(&twoTargets);
    step("the plug-in's chart places its price levels");
    Trade::PriceLevels levels;
    levels.firstPrice = Trade::Price(QStringLiteral("5012.30"), &es);
    levels.secondPrice = Trade::Price(5000.0, &es);
    plugin.setPriceLevels(levels);
    step("the ticket is closed: the plug-in's provider resets");
    delete ticket;
}

} // namespace

int main()
{
    showLibrary();
    showVersions();
    showValues();
    showCategories();
    showOrder();
    showQuantityCells();
    showOrderUpdate();
    showStorages();
    showPrices();
    showMoneyManagement();
    showContextChange();
    out().flush();
    return 0;
}

#include "main.moc"
