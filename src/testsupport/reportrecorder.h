#pragma once

#include <servicekit/servicekit.h>
#include <testsupport/testsupport_export.h>

#include <QtCore/QHash>
#include <QtCore/QMutex>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>

namespace Trade {

/// One non-fatal report as the recorder received it.
struct RecordedReport
{
    QString file;
    unsigned line = 0;
    QString function;
    const void *object = nullptr;
    QString condition;
    /// The message logged with the report, as sent: "text" followed by a space, then the named
    /// values. Empty when none was logged.
    QString message;
};

/// One log text that was not the message of a report.
struct RecordedLog
{
    int channel = 0;
    int severity = 0;
    QString file;
    QString function;
    QString text;
};

/// Test support for code built on typekit: a recorder that collects the non-fatal reports and log
/// texts made while it is alive, instead of letting them reach the installed service, so that a
/// test can say which reports a block made and how many. It is the library's own test support and
/// is installed with the sample host (typekit::testsupport, pkg-config testsupport).
///
/// A report is one line "file | function | condition | message": the unit's file text, the
/// qualified function, the condition that did not hold, and the message streamed with it. A
/// plug-in's Qt Test compares those lines:
///
///     Trade::ReportRecorder reports;
///     Trade::OrderRecord order;
///     order.action();  // an order without action: the record's report, then the typed read's
///     QCOMPARE(reports.count(), 2);
///     QCOMPARE(reports.lines().first(), Trade::ReportRecorder::line(u"variant/variantrecord",
///              u"Trade::VariantRecord::rawValue", u"it != m_data.end()",
///              Trade::ReportRecorder::quoted(u"Key specified does not exist. Field=\"Order.Action\"")));
///
/// Log texts that belong to no report (a load that found no symbol for a saved name logs an
/// error, severity 4) are kept apart in logs(). Recorders nest: each restores the service it
/// replaced when it goes. The recorder is thread-safe; reports from other threads count too.
class TESTSUPPORT_EXPORT ReportRecorder final : public IMarquelService
{
public:
    ReportRecorder();
    ~ReportRecorder() override;
    ReportRecorder(const ReportRecorder &) = delete;
    ReportRecorder &operator=(const ReportRecorder &) = delete;

    QVector<RecordedReport> reports() const;
    /// Log texts that were not the message of an assertion report.
    QVector<RecordedLog> logs() const;
    int count() const;
    void clear();

    /// One line per report: file | function | condition | message.
    QStringList lines() const;
    /// The line of a report as lines() writes it; the message defaults to that of a plain
    /// assertion.
    static QString line(QStringView file, QStringView function, QStringView condition, QStringView message = u"\"\" ");
    /// One line per log text: "channel severity | file | function | text".
    QStringList logLines() const;
    /// The line of a log text as logLines() writes it.
    static QString logLine(int channel, int severity, QStringView file, QStringView function, QStringView text);
    /// The message text of a report that streamed `text`.
    static QString quoted(QStringView text) { return u'"' + text.toString() + QStringLiteral("\" "); }

    /// Channel levels answered to callers; channels not set here answer 0.
    void setChannelLevel(int channel, qint8 level);

    void reportAssertion(QStringView file, unsigned line, QStringView function, const void *object,
                         QStringView condition) override;
    void logMessage(int channel, int severity, QStringView file, unsigned line, QStringView function,
                    const void *object, QStringView text) override;
    qint8 channelLevel(int channel) override;

private:
    mutable QMutex m_mutex;
    QVector<RecordedReport> m_reports;
    QVector<RecordedLog> m_logs;
    QHash<int, qint8> m_levels;
    /// The last log text, kept until the report it belongs to arrives.
    bool m_pending = false;
    RecordedLog m_pendingLog;
    IMarquelService *m_previous;
};

} // namespace Trade
