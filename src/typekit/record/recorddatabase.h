// A record bound to the topic whose fields it uses, so that typed accessors (the limit price of
// an order, the lot size of a symbol) find their field without the caller knowing it. The topic
// is set once, when the record is made, and never changes.
#pragma once

#include <typekit/variant/variantrecord.h>

#include <basekit/nonfatalstreamlogwrapper.h>
#include <basekit/typetext.h>

namespace Trade {

template <typename T>
class RecordDataBase : public IRecordData
{
public:
    RecordDataBase() : m_topic(nullptr) {}
    RecordDataBase(const RecordDataBase &other) = default;
    RecordDataBase &operator=(const RecordDataBase &other) = default;
    ~RecordDataBase() override = default;

    bool isEmpty() const { return m_record.isEmpty(); }
    // The topic; a record without one reports on every call and gives null.
    T *topic() const
    {
        TRADE_ASSERT_BARE(m_topic != NULL && "Topic must be set.", functionText(u"topic"), unit(), this);
        return m_topic;
    }

    QList<IField *> fields() const override { return m_record.fields(); }
    bool contains(IField *field) const override { return m_record.contains(field); }
    bool hasValue(IField *field) const override { return m_record.hasValue(field); }
    const Variant &rawValue(IField *field) const override { return m_record.rawValue(field); }
    void setValue(IField *field, const Variant &value) override { m_record.setValue(field, value); }
    void remove(IField *field) override { m_record.remove(field); }
    void clear() override { m_record.clear(); }
    Dump dump() const override { return m_record.dump(); }
    int size() const override { return m_record.size(); }
    const VariantRecord &record() const override { return m_record; }

protected:
    // Called once the topic is stored.
    virtual void init() = 0;

    // Stores the topic and calls init(). Setting a topic twice, or setting none, is reported and
    // done all the same.
    void setTopic(T *value)
    {
        TRADE_ASSERT_BARE(m_topic == NULL && value != NULL, functionText(u"setTopic"), unit(), this);
        m_topic = value;
        init();
    }
    void fromRecord(const VariantRecord &record) { m_record = record; }
    void fromRecord(const IRecordData *data) { m_record = VariantRecord(data); }

private:
    static QStringView unit() { return u"record/recorddatabase"; }
    static QString functionText(QStringView member)
    {
        return QStringLiteral("Trade::RecordDataBase<%1>::%2").arg(reportTypeText<T>(), member);
    }

    VariantRecord m_record;
    T *m_topic;
};

} // namespace Trade
