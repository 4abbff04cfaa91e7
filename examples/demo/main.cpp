// A tour of what the library offers so far, as a host or a plug-in would use it.
#include <samplehost/host.h>
#include <typekit/connection/connectionstate.h>
#include <typekit/pluginversions.h>
#include <typekit/position/tradeside.h>
#include <typekit/symbol/symbolcategory.h>

#include <basekit/dump.h>
#include <symbolkit/korsymbol.h>

#include <QtCore/QFile>
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
    for (const QString &text : {QStringLiteral("12"), QStringLiteral("11.4.2.0"), QStringLiteral("13.1"),
                                QStringLiteral("1.2.3.4.5")}) {
        const Trade::Version version(text);
        out() << '"' << text << "\" reads as " << version.toString(QStringLiteral("."))
              << (version.isValid() ? "" : " (invalid)")
              << (offered.contains(version) ? ", offered" : ", not offered") << '\n';
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
        out() << "connection " << connection.toString() << ": can connect "
              << (connection.canConnect() ? "yes" : "no") << ", can disconnect "
              << (connection.canDisconnect() ? "yes" : "no") << '\n';
    }
}

void showCategories()
{
    heading("Symbol categories");
    Sample::Host host;
    host.dictionary().define("=TECH", "MSFT");
    host.dictionary().define("=FRONT", "@ES");
    for (const char *name : {"MSFT", "ESZ26", "@ES", "EUR/USD", "$SPX.X", "AAPL 261218C200",
                             "ESZ26-ESH27", "=TECH", "=FRONT", "=UNKNOWN", "12345"}) {
        const Trade::SymbolCategory category =
            Trade::SymbolCategory::fromSymbolName(QString::fromLatin1(name));
        out() << QString::fromLatin1(name).leftJustified(16) << category.toString().rightJustified(3)
              << "  " << (category.isValid() ? category.name() : QStringLiteral("(not a category)"))
              << (category.isTradeble() ? ", tradeable" : "") << (category.canRoll() ? ", rolls" : "")
              << '\n';
    }
}

} // namespace

int main()
{
    showLibrary();
    showVersions();
    showValues();
    showCategories();
    out().flush();
    return 0;
}
