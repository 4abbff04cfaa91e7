#include "spreadlegsorderinfo.h"

#include <typekit/order/orderrecord.h>
#include <typekit/topic/istandardtopics.h>

#include <map>
#include <memory>
#include <mutex>

namespace Trade {

namespace {

// The symbol an order names: its symbol entry when it holds one, else null.
const ISymbol *symbolOf(const OrderRecord &order)
{
    const IOrderTopic *topic = order.topic();
    IField *field = topic ? topic->symbolField() : nullptr;
    return order.record().heldOr<ISymbol *>(field, nullptr);
}

// One order without entries per standard order topic, so that it always names a live topic
// (hosts and tests may install new topics). Kept for the life of the process.
const OrderRecord &noOrder()
{
    static std::mutex mutex;
    static auto &orders = *new std::map<const IOrderTopic *, std::unique_ptr<OrderRecord>>;
    const IStandardTopics *topics = IStandardTopics::installed();
    const IOrderTopic *topic = topics ? topics->orderTopic() : nullptr;
    const std::lock_guard<std::mutex> lock(mutex);
    // An order made for a topic names it for good (a topic made later at the same address is
    // the same key, and the order names that address).
    std::unique_ptr<OrderRecord> &order = orders[topic];
    if (!order)
        order = std::make_unique<OrderRecord>();
    return *order;
}

} // namespace

SpreadLegsOrderInfo::SpreadLegsOrderInfo(const SpreadLegsOrderInfo &other)
    : m_orders(other.m_orders ? new QVector<OrderRecord>(*other.m_orders) : nullptr)
{
}

SpreadLegsOrderInfo &SpreadLegsOrderInfo::operator=(const SpreadLegsOrderInfo &other)
{
    if (this != &other) {
        QVector<OrderRecord> *shared = other.m_orders ? new QVector<OrderRecord>(*other.m_orders) : nullptr;
        delete m_orders;
        m_orders = shared;
    }
    return *this;
}

SpreadLegsOrderInfo::~SpreadLegsOrderInfo()
{
    delete m_orders;
}

QVector<OrderRecord> &SpreadLegsOrderInfo::storage() const
{
    if (!m_orders)
        m_orders = new QVector<OrderRecord>;
    return *m_orders;
}

bool SpreadLegsOrderInfo::isEmpty() const
{
    return !m_orders || m_orders->isEmpty();
}

void SpreadLegsOrderInfo::clear()
{
    delete m_orders;
    m_orders = nullptr;
}

void SpreadLegsOrderInfo::append(const OrderRecord &order)
{
    storage().append(order);
}

const OrderRecord *SpreadLegsOrderInfo::begin() const
{
    return storage().constData();
}

const OrderRecord *SpreadLegsOrderInfo::end() const
{
    const QVector<OrderRecord> &orders = storage();
    return orders.constData() + orders.size();
}

const OrderRecord &SpreadLegsOrderInfo::orderInfoBySymbol(const ISymbol *symbol) const
{
    if (!m_orders)
        return noOrder();
    for (const OrderRecord &order : std::as_const(*m_orders)) {
        if (symbolOf(order) == symbol)
            return order;
    }
    return noOrder();
}

OrderRecord &SpreadLegsOrderInfo::orderInfoBySymbol(ISymbol *symbol)
{
    QVector<OrderRecord> &orders = storage();
    TRADE_ASSERT(symbol != NULL, u"Trade::SpreadLegsOrderInfo::orderInfoBySymbol", u"order/spreadlegsorderinfo", this);
    for (qsizetype i = 0; i < orders.size(); ++i) {
        if (symbolOf(orders.at(i)) == symbol)
            return orders[i];
    }
    OrderRecord order;
    if (symbol)
        order.setSymbol(symbol);
    orders.append(order);
    return orders.last();
}

bool SpreadLegsOrderInfo::operator==(const SpreadLegsOrderInfo &other) const
{
    if (!m_orders || !other.m_orders)
        return !m_orders && !other.m_orders;
    if (m_orders->size() != other.m_orders->size())
        return false;
    for (qsizetype i = m_orders->size() - 1; i >= 0; --i) {
        if (!(m_orders->at(i) == other.m_orders->at(i)))
            return false;
    }
    return true;
}

Variant SpreadLegsOrderInfoConverter::fromVariant(const Variant &value, const Variant &)
{
    if (value.is<SpreadLegsOrderInfo>() || !value.isInit())
        return value;
    TRADE_ASSERT(false && "conversion from this type is not supported",
                 u"Trade::SpreadLegsOrderInfoConverter::fromVariant", u"order/spreadlegsorderinfo", this);
    return Variant();
}

Variant SpreadLegsOrderInfoConverter::toVariant(const Variant &value)
{
    return value.is<SpreadLegsOrderInfo>() ? value : Variant();
}

QString SpreadLegsOrderInfoConverter::toString(const Variant &value)
{
    const SpreadLegsOrderInfo info = value.heldOr(SpreadLegsOrderInfo());
    return info.isEmpty() ? QString() : QString::number(info.end() - info.begin());
}

int SpreadLegsOrderInfoConverter::compare(const Variant &left, const Variant &right) const
{
    return left.heldOr(SpreadLegsOrderInfo()) == right.heldOr(SpreadLegsOrderInfo()) ? 0 : 1;
}

Dump SpreadLegsOrderInfoConverter::save(const Variant &value)
{
    const QString typeName = QString::fromLatin1(QMetaType::fromType<SpreadLegsOrderInfo>().name());
    const SpreadLegsOrderInfo *info =
        value.is<SpreadLegsOrderInfo>() ? static_cast<const SpreadLegsOrderInfo *>(value.constData()) : nullptr;
    if (!info || !info->m_orders)
        return Dump(Dump::Atom(typeName, QString()));
    Dump::Container saved(typeName);
    for (const OrderRecord &order : std::as_const(*info->m_orders))
        saved.append(order.dump());
    return Dump(saved);
}

Variant SpreadLegsOrderInfoConverter::load(const Dump &dump, const Variant &context)
{
    SpreadLegsOrderInfo info;
    if (dump.kind() == Dump::Kind::Container) {
        info.storage();
        for (const Dump &item : dump.asContainer().items())
            info.append(OrderRecord(Variant::load(item, context).heldOr(VariantRecord())));
    }
    return Variant::fromValue(info);
}

} // namespace Trade
