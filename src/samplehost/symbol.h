#pragma once

#include <samplehost/samplehost_export.h>

#include <typekit/iaccount.h>
#include <typekit/symbol/isymbol.h>

#include <samplehost/keyedconverter.h>
#include <controlkit/abstractnotifier.h>
#include <symbolkit/korsymbol.h>

#include <QtCore/QObject>

namespace Sample {

/// A broker connection known by its name, for the providers and records of tests and examples.
class SAMPLEHOST_EXPORT Connection final : public Trade::IBrokerConnection
{
public:
    explicit Connection(const QString &name) : m_name(name) {}
    QString name() const override { return m_name; }

private:
    QString m_name;
};

/// An account of the sample host, found again by its identifier when a saved record loads.
class SAMPLEHOST_EXPORT Account final : public Trade::IAccount
{
public:
    explicit Account(const QString &id);
    ~Account() override;
    QString id() const override { return m_id; }
    /// The live sample account of that identifier, or null.
    static Account *byId(const QString &id);

private:
    QString m_id;
};

/// A symbol of the sample host. Its figures (minimum movement, price scale, point value, lot size,
/// multipliers, resolved flag, category, names) live in its own record over the installed symbol
/// topic, as the host keeps them, so that a test can also take one away. Prices print and parse
/// with as many decimals as the tick size needs.
///
///     Sample::StandardTopics topics;                       // installed first: symbols use them
///     Sample::Symbol msft(QStringLiteral("MSFT"), Symbology::symbolTypeStock, 1, 100);   // 0.01
///     Sample::Symbol es(QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0);
///     Trade::Price limit(QStringLiteral("5012.30"), &es);                               // 5012.25
///
/// Saved prices, quantities and profits keep their symbol by name: the sample host registers the
/// converter of "Trade::ISymbol*", which finds a live sample symbol of that name again (and that of
/// "Trade::IAccount*", for accounts by identifier).
///
/// A symbol is a notifier, as the host's are: it emits disposed from its destructor and
/// symbolResolveChanged when setResolved changes its flag, so that a test can make it lose its
/// resolution and regain it under a provider that holds it:
///
///     Trade::SymbolAccountProvider context;
///     context.setSymbol(&es);
///     es.setResolved(false);                              // context drops it: symbolChanged(nullptr)
///     es.setResolved(true);                               // and takes it back: symbolChanged(&es)
class SAMPLEHOST_EXPORT Symbol final : public QObject, public Trade::AbstractNotifier, public Trade::ISymbol
{
    Q_OBJECT

public:
    /// The tick size is minMovement / priceScale; the point value is the money of one whole price
    /// point. The symbol starts resolved, with a price multiplier of 1.
    Symbol(const QString &name, Symbology::KorSymbolType category, int minMovement, int priceScale,
           double pointValue = 1.0, int lotSize = 1, QObject *parent = nullptr);
    /// Emits disposed first.
    ~Symbol() override;

    QString name() const override;
    void setPriceMultiplier(double multiplier);
    /// A second minimum movement, over the same price scale, for the alternate tick size.
    void setMinMovement2(int minMovement2);
    void setLotSize(int lotSize);
    /// Emits symbolResolveChanged when the flag changes.
    void setResolved(bool resolved);
    void setBrokerName(const QString &brokerName);
    void setConnection(Trade::IBrokerConnection *connection) { m_connection = connection; }
    /// The symbol's record, for changes a test or the host makes directly.
    Trade::VariantRecord &record() { return m_record; }

    /// The live sample symbol of that name, or null.
    static Symbol *byName(const QString &name);

    Trade::ISymbolTopic *symbolTopic() const override { return m_topic; }
    bool hasValue(Trade::IField *field) const override { return m_record.hasValue(field); }
    Trade::VariantRecord symbolRecord() const override { return m_record; }

    Trade::IBrokerConnection *connection() const override { return m_connection; }
    int minMovement() const override;
    int priceScale() const override;
    double bigPointValue() const override;
    int lotSize() const override;
    double priceMultiplier() const override;
    /// The step of unscaled values: minMovement2 (or, without one, minMovement) over the price
    /// scale, divided by the price multiplier.
    double alternateTickSize() const override;
    bool isResolved() const override;
    QString formatPrice(double price) const override;
    Common::Nullable<double> parsePrice(const QString &text) const override;
    /// Two more decimals than prices.
    QString formatAveragePrice(double price) const override;

    /// The symbol's record, as IDictionaryVisibleSymbol::dump gives it, also when asked as a
    /// notifier.
    Trade::Dump dump() const override { return IDictionaryVisibleSymbol::dump(); }

Q_SIGNALS:
    void disposed(Trade::IDisposable *object) const override;
    void symbolResolveChanged(Trade::ISymbol *symbol) const override;

private:
    template <typename T>
    T figure(Trade::IField *(Trade::ISymbolTopic::*field)() const, const T &fallback) const;
    template <typename T>
    void setFigure(Trade::IField *(Trade::ISymbolTopic::*field)() const, const T &value);
    int decimals() const;

    Trade::ISymbolTopic *m_topic;
    Trade::VariantRecord m_record;
    Trade::IBrokerConnection *m_connection = nullptr;
};

/// The converter of "Trade::ISymbol*": a symbol is saved as its name and loaded back as the live
/// sample symbol of that name; a saved null, or a name of no live symbol, as the symbol of the
/// load's context, if any (the second told to the load as a substitution).
struct SAMPLEHOST_EXPORT SymbolKeys
{
    static QString keyOf(const Trade::ISymbol *symbol);
    static Trade::ISymbol *find(const QString &name, const Trade::Variant &context);
    static Trade::ISymbol *fallback(const Trade::Variant &context);
};
/// The registered converter of the sample host's symbols: saved by key, loaded back as the live
/// object of that key (see the keys structure above).
class SAMPLEHOST_EXPORT SymbolConverter : public KeyedPointerConverter<Trade::ISymbol, SymbolKeys>
{};

/// The converter of "Trade::IAccount*": an account is saved as its identifier and loaded back as
/// the live sample account of that identifier.
struct SAMPLEHOST_EXPORT AccountKeys
{
    static QString keyOf(const Trade::IAccount *account) { return account->id(); }
    static Trade::IAccount *find(const QString &id, const Trade::Variant &context);
};
/// The registered converter of the sample host's accounts: saved by key, loaded back as the live
/// object of that key (see the keys structure above).
class SAMPLEHOST_EXPORT AccountConverter : public KeyedPointerConverter<Trade::IAccount, AccountKeys>
{};

} // namespace Sample
