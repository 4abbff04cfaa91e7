#include "fuzzhost.h"

#include <samplehost/formatter.h>
#include <samplehost/symbol.h>
#include <samplehost/topics.h>
#include <typekit/connection/connectionstate.h>

#include <servicekit/servicekit.h>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

namespace {

// Loaders report what they cannot use; those reports are expected here and would bury the
// fuzzer's own output, so they are only counted (faults: assertions and error logs).
// TYPEKIT_FUZZ_REPORTS=1 prints them too, to see what an input runs into.
class CountingService final : public IMarquelService
{
public:
    void reportAssertion(QStringView file, unsigned line, QStringView function, const void *,
                         QStringView condition) override
    {
        ++faults;
        if (print)
            std::fprintf(stderr, "report: %s:%u %s: %s\n", qPrintable(file.toString()), line,
                         qPrintable(function.toString()), qPrintable(condition.toString()));
    }
    void logMessage(int channel, int severity, QStringView, unsigned, QStringView function, const void *,
                    QStringView text) override
    {
        if (severity >= 4)
            ++faults;
        if (print)
            std::fprintf(stderr, "log %d/%d: %s: %s\n", channel, severity, qPrintable(function.toString()),
                         qPrintable(text.toString()));
    }
    qint8 channelLevel(int) override { return -1; }

    const bool print = std::getenv("TYPEKIT_FUZZ_REPORTS") != nullptr;
    quint64 faults = 0;
};

struct Host
{
    Host()
    {
        setMarquelServiceApi(&service);
        (void)Trade::ConnectionState().toString(); // loads typekit, so that its converters are there
        scaled.setPriceMultiplier(100.0);
        bare.record().remove(topics.symbol().userDefinedMinMovementField());
        bare.record().remove(topics.symbol().userDefinedPriceScaleField());
        fixtures = {&future, &scaled, &bare, &account};
        contexts = {Trade::Variant()};
        for (Trade::ISymbol *symbol : {fixtures.future, fixtures.scaled, fixtures.bare})
            contexts << Trade::Variant::fromValue(symbol);
    }

    CountingService service;
    Sample::StandardTopics topics;
    Sample::Formatter formatter;
    Sample::Symbol future{QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0};
    Sample::Symbol scaled{QStringLiteral("MSFT"), Symbology::symbolTypeStock, 1, 100, 1.0, 100};
    Sample::Symbol bare{QStringLiteral("BARE"), Symbology::symbolTypeStock, 1, 100};
    Sample::Account account{QStringLiteral("SIM-1")};
    Fixtures fixtures{};
    QVector<Trade::Variant> contexts;
};

// Kept until exit: the fuzzer ends the process without unwinding its callers.
Host &host()
{
    static Host *made = new Host;
    return *made;
}

} // namespace

const Fixtures &fixtures()
{
    return host().fixtures;
}

const QVector<Trade::Variant> &contexts()
{
    return host().contexts;
}

Trade::Dump dumpOf(const uint8_t *data, size_t size)
{
    (void)host();
    return Trade::Dump::fromJson(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
}

Trade::Dump retyped(const Trade::Dump &dump, const QString &typeName)
{
    switch (dump.kind()) {
    case Trade::Dump::Kind::Null:
        return dump;
    case Trade::Dump::Kind::Atom:
        return Trade::Dump(Trade::Dump::Atom(typeName, dump.asAtom().value()));
    case Trade::Dump::Kind::Struct: {
        Trade::Dump::Struct structure(typeName);
        for (const QString &name : dump.asStruct().memberNames())
            structure.insert(name, dump.asStruct().member(name));
        return Trade::Dump(structure);
    }
    case Trade::Dump::Kind::Container: {
        Trade::Dump::Container container(typeName);
        for (const Trade::Dump &item : dump.asContainer().items())
            container.append(item);
        return Trade::Dump(container);
    }
    }
    return dump;
}

namespace {

// Whether a saved form holds a node of the type anywhere.
bool holdsType(const Trade::Dump &dump, const QString &typeName)
{
    if (dump.typeName() == typeName)
        return true;
    if (dump.kind() == Trade::Dump::Kind::Struct) {
        for (const QString &name : dump.asStruct().memberNames()) {
            if (holdsType(dump.asStruct().member(name), typeName))
                return true;
        }
    } else if (dump.kind() == Trade::Dump::Kind::Container) {
        for (const Trade::Dump &item : dump.asContainer().items()) {
            if (holdsType(item, typeName))
                return true;
        }
    }
    return false;
}

} // namespace

void checkLoads(const Trade::Dump &dump, const Inspect &inspect)
{
    if (dump.isNull())
        return;
    CountingService &service = host().service;
    for (const Trade::Variant &context : contexts()) {
        const Trade::Variant loaded = Trade::Variant::load(dump, context);
        (void)loaded.toString();
        const Trade::Dump saved = loaded.save();
        require(Trade::Dump::fromJson(saved.toJsonIndented()) == saved, "a saved form reads back from its JSON", saved);
        // The library's own saved forms load without a fault, and settle: saving what a saved
        // form loads as gives that form again. Most types settle at once; a list that holds
        // items its saved form leaves out (empty records) or that load as nothing (invalid
        // levels) settles one round later. Settled values equal each other where the type
        // compares (records and levels do not) and the value equals itself (a double may be NaN).
        Trade::Dump form = saved;
        Trade::Variant value = loaded;
        for (int round = 0;; ++round) {
            const quint64 faults = service.faults;
            const Trade::Variant reloaded = Trade::Variant::load(form, context);
            // An average price has no conversion from its saved text: its load reports that, by
            // design, whenever it has a value.
            if (service.faults != faults && !holdsType(form, QStringLiteral("Trade::AveragePrice")))
                fail("a saved form loads without a fault", form);
            const Trade::Dump resaved = reloaded.save();
            if (resaved == form) {
                // A record list's empty records are left out by saving: its first load may
                // hold more than the settled form.
                const bool dropsItems =
                    round == 0 && loaded.typeName() == QByteArrayLiteral("Trade::VariantRecordList");
                if (reloaded != value && value == value && !dropsItems)
                    fail("a saved form loads back equal", form, resaved);
                break;
            }
            if (round == 1)
                fail("a saved form settles after one more round", form, resaved);
            form = resaved;
            value = reloaded;
        }
        if (inspect)
            inspect(loaded, context);
    }
}

void checkLoaders(const Trade::Dump &dump, std::initializer_list<const char *> typeNames, const Inspect &inspect)
{
    if (dump.isNull())
        return;
    for (const char *typeName : typeNames)
        checkLoads(retyped(dump, QString::fromLatin1(typeName)), inspect);
}

void fail(const char *check, const Trade::Dump &dump, const Trade::Dump &other)
{
    std::fprintf(stderr, "check failed: %s\n%s\n", check, dump.toJsonIndented().toUtf8().constData());
    if (!other.isNull())
        std::fprintf(stderr, "against:\n%s\n", other.toJsonIndented().toUtf8().constData());
    std::abort();
}

} // namespace Fuzz
