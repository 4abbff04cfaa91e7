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
// fuzzer's own output. TYPEKIT_FUZZ_REPORTS=1 keeps them, to see what an input runs into.
class QuietService final : public IMarquelService
{
public:
    void reportAssertion(QStringView, unsigned, QStringView, const void *, QStringView) override {}
    void logMessage(int, int, QStringView, unsigned, QStringView, const void *, QStringView) override {}
    qint8 channelLevel(int) override { return -1; }
};

struct Host
{
    Host()
    {
        if (!std::getenv("TYPEKIT_FUZZ_REPORTS"))
            setMarquelServiceApi(&quiet);
        (void)Trade::ConnectionState().toString();  // loads typekit, so that its converters are there
        scaled.setPriceMultiplier(100.0);
        bare.record().remove(topics.symbol().userDefinedMinMovementField());
        bare.record().remove(topics.symbol().userDefinedPriceScaleField());
        fixtures = {&future, &scaled, &bare, &account};
        contexts = {Trade::Variant()};
        for (Trade::ISymbol *symbol : {fixtures.future, fixtures.scaled, fixtures.bare})
            contexts << Trade::Variant::fromValue(symbol);
    }

    QuietService quiet;
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

void checkLoads(const Trade::Dump &dump, const Inspect &inspect)
{
    if (dump.isNull())
        return;
    for (const Trade::Variant &context : contexts()) {
        const Trade::Variant loaded = Trade::Variant::load(dump, context);
        (void)loaded.toString();
        const Trade::Dump saved = loaded.save();
        require(Trade::Dump::fromJson(saved.toJsonIndented()) == saved, "a saved form reads back from its JSON", saved);
        // Saved alike, and equal as values where the type compares (records and levels do not)
        // and the value equals itself (a plain double may be NaN).
        const Trade::Variant reloaded = Trade::Variant::load(saved, context);
        if (reloaded.save() != saved || (reloaded != loaded && loaded == loaded))
            fail("a loaded value saves and loads back equal", saved, reloaded.save());
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
