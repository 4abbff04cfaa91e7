// Writes the fuzz targets' seed corpus: real values saved through the library on the fuzz host's
// symbols and account, one JSON file per saved form (without indentation), in <folder>/<target>/.
// Usage: makecorpus <folder>   (the build's fuzz_corpus target runs it on fuzz/corpus)
#include "fuzzhost.h"

#include <samplehost/topics.h>
#include <typekit/connection/connectionstate.h>
#include <typekit/mms/stopstrategy/stopstrategylevel.h>
#include <typekit/order/orderrecord.h>
#include <typekit/percent.h>
#include <typekit/position/tradeside.h>
#include <typekit/profit.h>
#include <typekit/topic/istandardtopics.h>
#include <typekit/variantrecordlist.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QJsonDocument>

#include <cstdio>

using namespace Trade;

namespace {

QDir s_root;
int s_written = 0;

void write(const char *target, const char *name, const Variant &value)
{
    const QString folder = QString::fromLatin1(target);
    s_root.mkpath(folder);
    QFile file(s_root.filePath(folder + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".json")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
    // Written without the indentation, which only slows the fuzzer down: the same saved form.
    const QByteArray json = value.save().toJsonIndented().toUtf8();
    file.write(QJsonDocument::fromJson(json).toJson(QJsonDocument::Compact));
    ++s_written;
}

// Every target is seeded with the saved forms of its own loaders; the dump target, which loads
// whatever type a dump names, with those of all of them.
void writeWithDump(const char *target, const char *name, const Variant &value)
{
    write(target, name, value);
    write("fuzz_dump", name, value);
}

void values(const Fuzz::Fixtures &f)
{
    writeWithDump("fuzz_values", "price", Variant::fromValue(Price(5012.25, f.future)));
    write("fuzz_values", "price-scaled", Variant::fromValue(Price(123.45, f.scaled)));
    write("fuzz_values", "price-bare", Variant::fromValue(Price(QStringLiteral("7.5"), f.bare)));
    write("fuzz_values", "price-none", Variant::fromValue(Price(f.future)));
    writeWithDump("fuzz_values", "averageprice", Variant::fromValue(AveragePrice(5012.3125, f.future)));
    writeWithDump("fuzz_values", "quantity", Variant::fromValue(Quantity(3.0, f.future)));
    write("fuzz_values", "quantity-lots", Variant::fromValue(Quantity::fromLots(2.5, f.scaled)));
    write("fuzz_values", "quantity-none", Variant::fromValue(Quantity(f.future)));
    writeWithDump("fuzz_values", "profit", Variant::fromValue(Profit::fromMoney(-1234.5, f.future)));
    write("fuzz_values", "profit-none", Variant::fromValue(Profit()));
    writeWithDump("fuzz_values", "percent", Variant::fromValue(Percent(12.5)));
    write("fuzz_values", "percent-none", Variant::fromValue(Percent()));
}

void levels()
{
    const ExitStrategyLevel first(2, 8, 4, nullptr);
    const ExitStrategyLevel second(1, 0, 6, nullptr);
    writeWithDump("fuzz_levels", "exitlevel", Variant::fromValue(first));
    writeWithDump("fuzz_levels", "exitlevels", Variant::fromValue(ExitStrategyLevels{first, second}));
    const StopStrategyLevel trailing(2, 10, 4, StopStrategyLevel::typeTrailing);
    const StopStrategyLevel breakEven(0, 6, 0, StopStrategyLevel::typeBreakEven);
    const StopStrategyLevel stop(0, 12, 3, StopStrategyLevel::typeStop);
    writeWithDump("fuzz_levels", "stoplevel", Variant::fromValue(trailing));
    StopStrategyLevels stops;
    stops << trailing << breakEven << stop;
    writeWithDump("fuzz_levels", "stoplevels", Variant::fromValue(stops));
}

void records(const Fuzz::Fixtures &f)
{
    const ISymbolTopic *symbols = IStandardTopics::installed()->symbolTopic();
    VariantRecord spread = f.future->symbolRecord();
    spread.setValue(symbols->nameField(), QStringLiteral("ESZ26-ESH27"));
    spread.setValue(symbols->aliasesField(), QStringList{QStringLiteral("ES Calendar"), QString()});
    spread.setValue(symbols->spreadLegsField(),
                    Variant::fromValue(VariantRecordList{f.future->symbolRecord(), f.scaled->symbolRecord()}));
    writeWithDump("fuzz_record", "record", Variant::fromValue(spread));
    write("fuzz_record", "record-scaled", Variant::fromValue(f.scaled->symbolRecord()));
    writeWithDump("fuzz_record", "recordlist",
                  Variant::fromValue(VariantRecordList{f.future->symbolRecord(), VariantRecord(), spread}));

    // The plain types a record may hold, in fields of other types: loading keeps them as saved.
    VariantRecord plain;
    plain.setValue(symbols->nameField(), QByteArray("\x00\xff", 2));
    plain.setValue(symbols->brokerNameField(), QChar(u'\u00e9'));
    plain.setValue(symbols->symbolNameWithoutExchangeField(), QDateTime::fromMSecsSinceEpoch(1798766400123).toUTC());
    plain.setValue(symbols->lotSizeField(), -(qint64(1) << 40));
    plain.setValue(symbols->isResolvedField(), QDate(2026, 12, 6));
    plain.setValue(symbols->priceMultiplierField(), Variant());
    plain.setValue(symbols->basketLegMultiplierField(), Variant::fromValue(char(-3)));
    plain.setValue(symbols->userDefinedMinMovementField(), QString());
    writeWithDump("fuzz_record", "record-plain", Variant::fromValue(plain));
}

void orders(const Fuzz::Fixtures &f)
{
    OrderRecord order;
    order.setSymbol(f.future);
    order.setAccount(f.account);
    order.setId(QStringLiteral("A-1"));
    order.setAction(OrderAction::SellShort);
    order.setCategory(OrderCategory::Limit);
    order.setExpiry(OrderExpiry::ExtendedHours);
    order.setState(OrderState(OrderState::Completed, OrderState::reasonCanceled));
    order.setLimitPrice(Price(5012.25, f.future));
    order.setStopPrice(Price(5000.0, f.future));
    order.setQuantity(Quantity(3.0, f.future));
    order.setFilled(Quantity(1.0, f.future));
    order.setStopLimitPlus(2);
    order.setEventSource(EventSource(EventSource::Dashboard, Common::InvocationType(11)));
    order.setEventReason(EventReason(QStringLiteral("rebalancing: weekly")));
    order.setFlag(OrderFlags::ZeroQuantityIsValid);
    order.setEmptyExitStrategyTemplate();
    SpreadLegsOrderInfo legs;
    legs.orderInfoBySymbol(f.future).setQuantity(Quantity(1.0, f.future));
    OrderRecord &second = legs.orderInfoBySymbol(f.scaled);
    second.setLimitPrice(Price(123.45, f.scaled));
    second.setAction(OrderAction::Sell);
    order.setSpreadLegs(legs);
    writeWithDump("fuzz_order", "order", Variant::fromValue(order.record()));
    writeWithDump("fuzz_order", "spreadlegs", Variant::fromValue(legs));
    write("fuzz_order", "spreadlegs-none", Variant::fromValue(SpreadLegsOrderInfo()));

    OrderRecord market;
    market.setSymbol(f.scaled);
    market.setAction(OrderAction::Buy);
    market.setCategory(OrderCategory::Market);
    market.setQuantity(Quantity::fromLots(2.0, f.scaled));
    write("fuzz_order", "order-market", Variant::fromValue(market.record()));
}

void others()
{
    write("fuzz_dump", "tradeside", Variant::fromValue(TradeSide(true)));
    write("fuzz_dump", "connectionstate", Variant::fromValue(ConnectionState()));
    write("fuzz_dump", "orderstate", Variant::fromValue(OrderState(OrderState::Completed, OrderState::reasonCanceled)));
    write("fuzz_dump", "stringlist", Variant(QStringList{QStringLiteral("a"), QString()}));
    write("fuzz_dump", "double", Variant(-0.125));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    s_root = QDir(QString::fromLocal8Bit(argv[1]));
    const Fuzz::Fixtures &f = Fuzz::fixtures();
    values(f);
    levels();
    records(f);
    orders(f);
    others();
    std::printf("%d saved forms written to %s\n", s_written, argv[1]);
    return 0;
}
