#include <testsupport/reportrecorder.h>

#include <samplehost/topics.h>
#include <typekit/record/recorddatabase.h>
#include <typekit/topic/istandardtopics.h>

#include <QtTest/QtTest>

using namespace Trade;

namespace {

class OrderData final : public RecordDataBase<IOrderTopic>
{
public:
    using RecordDataBase::fromRecord;
    using RecordDataBase::setTopic;
    int initCalls = 0;
    void init() override { ++initCalls; }
};

// Installs and removes topics the way a host does, to provoke the reports.
class RawTopics final : public IStandardTopics
{
public:
    IOrderTopic *orderTopic() const override { return nullptr; }
    ISymbolTopic *symbolTopic() const override { return nullptr; }
    static void install(IStandardTopics *topics) { setInstance(topics); }
};

const QString recordFile = QStringLiteral("record/recorddatabase");
const QString topicsFile = QStringLiteral("topic/istandardtopics");

} // namespace

class tst_RecordDataBase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Reading the topic unset, or setting it again, reports (and is done); copies keep it without a second init.
    void topicAndCopies()
    {
        Sample::OrderTopic first, second;
        OrderData data;
        ReportRecorder reports;
        QVERIFY(!data.topic());
        const QString function = QStringLiteral("Trade::RecordDataBase<class Trade::IOrderTopic>::");
        QCOMPARE(reports.lines(), QStringList{ReportRecorder::line(recordFile, function + QStringLiteral("topic"),
                                                                   u"m_topic != NULL && \"Topic must be set.\"", u"")});
        reports.clear();
        data.setTopic(&first);

        data.setValue(first.idField(), Variant(QStringLiteral("A1")));
        OrderData copy = data;
        QCOMPARE(copy.topic(), &first);
        QCOMPARE(copy.initCalls, 1); // copying does not init again
        copy.setValue(first.idField(), Variant(QStringLiteral("B2")));
        QVERIFY(data.record() != copy.record());
        copy.fromRecord(&data);
        QVERIFY(copy.record() == &data);

        data.setTopic(&second);
        data.setTopic(nullptr);
        QCOMPARE(data.initCalls, 3);
        const QString twice = ReportRecorder::line(recordFile, function + QStringLiteral("setTopic"),
                                                   u"m_topic == NULL && value != NULL", u"");
        QCOMPARE(reports.lines(), QStringList({twice, twice}));
    }

    // Installing reports unless exactly one side is set; a saved record loads only while topics are installed.
    void standardTopics()
    {
        ReportRecorder reports;
        QVERIFY(!IStandardTopics::instance());
        RawTopics raw, other;
        RawTopics::install(nullptr); // none over none
        RawTopics::install(&raw);
        RawTopics::install(&other); // one over another: reported, and installed
        QCOMPARE(IStandardTopics::instance(), &other);
        RawTopics::install(nullptr);
        const QString setInstance = ReportRecorder::line(topicsFile, u"Trade::IStandardTopics::setInstance",
                                                         u"(s_instance != 0) != (value != 0)");
        const QString instance =
            ReportRecorder::line(topicsFile, u"Trade::IStandardTopics::instance", u"s_instance != 0");
        QCOMPARE(reports.lines(), QStringList({instance, setInstance, setInstance}));
        QVERIFY(IStandardTopics::allFields().isEmpty()); // reported once more
        reports.clear();

        auto topics = std::make_unique<Sample::StandardTopics>();
        QCOMPARE(IStandardTopics::allFields().size(), 24 + 18);
        VariantRecord record;
        record.setValue(topics->symbol().lotSizeField(), Variant(100));
        const Dump saved = record.dump();
        topics.reset();
        QVERIFY(Variant::load(saved, Variant()).valueOr(record).isEmpty());
        QCOMPARE(reports.lines(), QStringList({instance}));

        Sample::StandardTopics again;
        const VariantRecord loaded = Variant::load(saved, Variant()).valueOr(VariantRecord());
        QCOMPARE(loaded.rawValue(again.symbol().lotSizeField()), Variant(100));
    }
};

QTEST_GUILESS_MAIN(tst_RecordDataBase)
#include "tst_recorddatabase.moc"
