#pragma once

#include <typekit/variant/variantrecord.h>

#include <basekit/loadproblems.h>
#include <basekit/nonfatalstreamlogwrapper.h>
#include <basekit/typetext.h>

namespace Trade {

/// A record bound to the topic whose fields it uses, so that typed accessors (the limit price of
/// an order, the lot size of a symbol) find their field without the caller knowing it. The topic
/// is set once, when the record is made, and never changes.
template <typename T>
class RecordDataBase : public IRecordData
{
public:
    RecordDataBase() : m_topic(nullptr) {}
    RecordDataBase(const RecordDataBase &other) = default;
    RecordDataBase &operator=(const RecordDataBase &other) = default;
    ~RecordDataBase() override = default;

    bool isEmpty() const { return m_record.isEmpty(); }
    /// The topic; a record without one reports on every call and gives null.
    T *topic() const
    {
        TRADE_ASSERT_BARE(m_topic != NULL && "Topic must be set.", functionText(u"topic"), recordUnit(), this);
        return m_topic;
    }

    QList<IField *> fields() const override { return m_record.fields(); }
    bool contains(IField *field) const override { return m_record.contains(field); }
    bool hasValue(IField *field) const override { return m_record.hasValue(field); }
    const Variant &rawValue(IField *field) const override { return m_record.rawValue(field); }
    void setValue(IField *field, const Variant &value) override { m_record.setValue(field, value); }
    void remove(IField *field) override { m_record.remove(field); }
    void clear() override { m_record.clear(); }
    /// The saved form: the same as Variant::fromValue(record()).save().
    Dump dump() const override { return m_record.dump(); }
    /// The saved form as JSON text, and in a file (see Variant::toJson). The typed records load
    /// them back with their static fromJson() and loadJsonFile().
    QString toJson() const { return Variant::fromValue(m_record).toJson(); }
    bool saveJsonFile(const QString &path, QString *error = nullptr) const
    {
        return Variant::fromValue(m_record).saveJsonFile(path, error);
    }
    int size() const override { return m_record.size(); }
    const VariantRecord &record() const override { return m_record; }

protected:
    /// Called once the topic is stored.
    virtual void init() = 0;

    /// Stores the topic and calls init(). Setting a topic twice, or setting none, is reported and
    /// done all the same.
    void setTopic(T *value)
    {
        TRADE_ASSERT_BARE(m_topic == NULL && value != NULL, functionText(u"setTopic"), recordUnit(), this);
        m_topic = value;
        init();
    }
    void fromRecord(const VariantRecord &record) { m_record = record; }
    /// The record a lenient load gave (Variant::fromJson, loadJsonFile), with the problems it met;
    /// a value that is no record is a problem of the load and gives no entries. A strict load
    /// with any problem gives no entries either. The problems go to `problems` when given.
    static VariantRecord loadedRecord(const Variant &loaded, QVector<LoadProblem> met, QVector<LoadProblem> *problems,
                                      LoadMode mode)
    {
        if (!loaded.is<VariantRecord>() && loaded.isInit()) {
            LoadProblem notRecord;
            notRecord.typeName = QString::fromLatin1(loaded.typeName());
            notRecord.message = QStringLiteral("the saved form holds a %1, not a record").arg(notRecord.typeName);
            notRecord.saved = loaded.save();
            met.append(notRecord);
        }
        if (problems)
            *problems += met;
        return mode == LoadMode::Strict && !met.isEmpty() ? VariantRecord() : loaded.heldOr(VariantRecord());
    }
    void fromRecord(const IRecordData *data) { m_record = VariantRecord(data); }

    /// The field a topic operation gives, asked anew on each call (null without a topic, after
    /// topic()'s report).
    IField *fieldOf(IField *(T::*operation)() const) const
    {
        const T *owner = topic();
        return owner ? (owner->*operation)() : nullptr;
    }
    /// The typed accessors of one attribute (see TRADE_RECORD_ATTRIBUTE).
    template <typename V>
    const V &attribute(IField *(T::*operation)() const) const
    {
        return m_record.rawValue(fieldOf(operation)).template strongValue<V>();
    }
    template <typename V>
    V attributeOr(IField *(T::*operation)() const, const V &defaultValue) const
    {
        return m_record.heldOr(fieldOf(operation), defaultValue);
    }
    /// Without a topic there is no field to write: topic() has reported, nothing more is said.
    template <typename V>
    void setAttribute(IField *(T::*operation)() const, const V &value)
    {
        if (IField *field = fieldOf(operation))
            m_record.setValue(field, Variant::fromValue(value));
    }
    void removeAttribute(IField *(T::*operation)() const)
    {
        if (IField *field = fieldOf(operation))
            m_record.remove(field);
    }

private:
    static QStringView recordUnit() { return u"record/recorddatabase"; }
    static QString functionText(QStringView member)
    {
        return QStringLiteral("Trade::RecordDataBase<%1>::%2").arg(reportTypeText<T>(), member);
    }

    VariantRecord m_record;
    T *m_topic;
};

} // namespace Trade

// Declares the five accessors of one attribute of a topic-bound record: hasX(), removeX(),
// setX(value), X() and XOptional(defaultValue). `Topic` is the record's topic class and `field`
// the topic operation that gives the attribute's field.
//   hasX() is silent: whether the record holds a value of exactly the field's type.
//   X() reads the stored value by reference; it reports an attribute without an entry (the
//       record's report, then the typed read's) and one of another type (the typed read's),
//       and gives a default value.
//   XOptional(d) gives the stored value when it is exactly a T, else d, silently.
// Without a topic every accessor makes topic()'s report and gives the neutral result.
#define TRADE_RECORD_ATTRIBUTE(Type, name, Name, Topic, field)                                                         \
    bool has##Name() const                                                                                             \
    {                                                                                                                  \
        return record().hasValue(fieldOf(&Topic::field));                                                              \
    }                                                                                                                  \
    void remove##Name()                                                                                                \
    {                                                                                                                  \
        removeAttribute(&Topic::field);                                                                                \
    }                                                                                                                  \
    void set##Name(Type const &value)                                                                                  \
    {                                                                                                                  \
        setAttribute(&Topic::field, value);                                                                            \
    }                                                                                                                  \
    Type const &name() const                                                                                           \
    {                                                                                                                  \
        return attribute<Type>(&Topic::field);                                                                         \
    }                                                                                                                  \
    Type name##Optional(Type const &defaultValue) const                                                                \
    {                                                                                                                  \
        return attributeOr(&Topic::field, defaultValue);                                                               \
    }
