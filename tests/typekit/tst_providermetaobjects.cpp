// The host and the notifier find these classes' methods by these exact texts, in this order, and cast by these names.
#include <typekit/connection/brokerconnectionprovider.h>
#include <widgetkit/exitstrategydomaincontrol.h>
#include <typekit/orderinfoprovider.h>
#include <typekit/storage/storagerecordssubscriptionholder.h>

#include <QtTest/QtTest>

#include "rows.h"

class tst_ProviderMetaObjects : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void methods_data()
    {
        QTest::addColumn<const QMetaObject *>("metaObject");
        QTest::addColumn<QByteArrayList>("table"); // the class and its base, then kind, access, signature, names

        // Signals are protected: connected by their texts, announced through the notifier.
        QTest::addRow("broker connection")
            << &Trade::BrokerConnectionProvider::staticMetaObject
            << QByteArrayList{"Trade::BrokerConnectionProvider : QObject",
                              "signal protected connectionChanged(Trade::IBrokerConnection*,"
                              "Trade::IBrokerConnectionProvider*) previous,",
                              "signal protected disposed(Trade::IDisposable*) object",
                              "slot private attached_connectionChanged(const Link*) link"};
        QTest::addRow("symbol and account")
            << &Trade::SymbolAccountProvider::staticMetaObject
            << QByteArrayList{
                   "Trade::SymbolAccountProvider : QObject",
                   "signal protected symbolChanged(Trade::ISymbol*,Trade::ISymbolAccountProvider*) symbol,provider",
                   "signal protected accountChanged(Trade::IAccount*,Trade::ISymbolAccountProvider*) account,provider",
                   "signal protected disposed(Trade::IDisposable*) object",
                   "slot public setSymbol(Trade::ISymbol*) value",
                   "slot public setAccount(Trade::IAccount*) value",
                   "slot private onSymbolDisposed(Trade::IDisposable*) ",
                   "slot private slot_symbolChanged(Trade::ISymbol*,Trade::ISymbolAccountProvider*) symbol,",
                   "slot private slot_symbolResolveChanged(Trade::ISymbol*) symbol",
                   "slot private slot_accountChanged(Trade::IAccount*,Trade::ISymbolAccountProvider*) account,"};
        QTest::addRow("order info")
            << &Trade::OrderInfoProvider::staticMetaObject
            << QByteArrayList{
                   "Trade::OrderInfoProvider : Trade::SymbolAccountProvider",
                   "signal protected orderInfoChanged(Trade::IOrderInfoProvider*) provider",
                   "signal protected marketDataChanged(Trade::IOrderInfoProvider*) provider",
                   "slot public setSymbol(Trade::ISymbol*) value",
                   "slot public setSymbolName(QString) value",
                   "slot public setSymbolAutoMappingShouldBeDisallowed(bool) value",
                   "slot public setInfo(Trade::VariantRecord) value",
                   "slot public setExitStrategy(Trade::IExitStrategyTemplate*) value",
                   "slot public setPriceLevels(Trade::PriceLevels) value",
                   "slot private onProviderDisposed(Trade::IDisposable*) object",
                   "slot private onMarketDataProviderDisposed(Trade::IDisposable*) object",
                   "slot private slot_symbolChanged(Trade::ISymbol*,Trade::ISymbolAccountProvider*) symbol,provider",
                   "slot private slot_connectionChanged(Trade::IBrokerConnection*,Trade::IBrokerConnectionProvider*) "
                   ",provider",
                   "slot private slot_accountChanged(Trade::IAccount*,Trade::ISymbolAccountProvider*) account,provider",
                   "slot private slot_orderInfoChanged(Trade::IOrderInfoProvider*) provider",
                   "slot private slot_marketDataChanged(Trade::IOrderInfoProvider*) provider"};
        QTest::addRow("exit strategy control")
            << &Trade::ExitStrategyDomainControl::staticMetaObject
            << QByteArrayList{"Trade::ExitStrategyDomainControl : Trade::DomainBasedControl",
                              "slot private slot_activeExitStrategyChanged() ",
                              "slot private slot_disposed(Trade::IDisposable*) object"};
        QTest::addRow("storage holder") << &Trade::StorageRecordsSubscriptionHolder::staticMetaObject
                                        << QByteArrayList{"Trade::StorageRecordsSubscriptionHolder : QObject",
                                                          "slot private slot_storageChanged(Trade::IStorage::"
                                                          "ChangeEvent,Trade::IRecord*,Trade::IStorage*) "
                                                          "event,record,storage"};
    }

    void methods()
    {
        QFETCH(const QMetaObject *, metaObject);
        QFETCH(QByteArrayList, table);
        static const char *const kinds[] = {"method", "signal", "slot", "constructor"}; // by QMetaMethod::MethodType
        static const char *const accesses[] = {"private", "protected", "public"};       // by QMetaMethod::Access
        QByteArrayList lines{QByteArray(metaObject->className()) + " : " + metaObject->superClass()->className()};
        for (int index = metaObject->methodOffset(); index < metaObject->methodCount(); ++index) {
            const QMetaMethod method = metaObject->method(index);
            lines << QByteArray(kinds[method.methodType()]) + ' ' + accesses[method.access()] + ' '
                         + method.methodSignature() + ' ' + method.parameterNames().join(',');
        }
        QCOMPARE(lines, table);
    }

    // Each name the host casts by answers the base of that name; a name the class lacks answers null.
    void castNames()
    {
        Trade::BrokerConnectionProvider connection;
        Trade::SymbolAccountProvider symbolAccount;
        Trade::OrderInfoProvider orderInfo;
        Trade::ExitStrategyDomainControl control(nullptr);
        const auto at = [](auto *subobject) { return static_cast<void *>(subobject); };
        const std::tuple<QObject *, const char *, void *> casts[] = {
            {&connection, "AbstractNotifier", at(static_cast<Trade::AbstractNotifier *>(&connection))},
            {&connection, "IBrokerConnectionProvider",
             at(static_cast<Trade::IBrokerConnectionProvider *>(&connection))},
            {&symbolAccount, "ISymbolAccountHolder", at(static_cast<Trade::ISymbolAccountHolder *>(&symbolAccount))},
            {&symbolAccount, "IOrderInfoProviderAggregator", nullptr},
            {&orderInfo, "IOrderInfoProviderAggregator",
             at(static_cast<Trade::IOrderInfoProviderAggregator *>(&orderInfo))},
            {&control, "IExitStrategyDomainControl", at(static_cast<Trade::IExitStrategyDomainControl *>(&control))},
            {&control, "Trade::DomainBasedControl", at(static_cast<Trade::DomainBasedControl *>(&control))},
            {&control, "IDomainBasedControl", at(static_cast<Trade::IDomainBasedControl *>(&control))}};
        for (const auto &[object, name, answer] : eachRow(casts))
            QCOMPARE(object->qt_metacast(name), answer);
    }
};

QTEST_MAIN(tst_ProviderMetaObjects)
#include "tst_providermetaobjects.moc"
