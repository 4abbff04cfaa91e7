// Collects the non-fatal reports and log texts made while it is alive, instead of letting them
// reach the installed service, so that a test can say which reports a block made and how many.
//
//     ReportRecorder reports;
//     side.toString();
//     QCOMPARE(reports.lines(), QStringList{ReportRecorder::line(u"connection/connectionstate",
//              u"Trade::ConnectionState::toString", u"false && \"unexpected connection state\"")});
#pragma once

#include <servicekit/servicekit.h>

#include <QtCore/QHash>
#include <QtCore/QMutex>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>

struct RecordedReport
{
    QString file;
    unsigned line = 0;
    QString function;
    const void *object = nullptr;
    QString condition;
    // The message logged with the report, as sent: "text" followed by a space, then the named
    // values. Empty when none was logged.
    QString message;
};

struct RecordedLog
{
    int channel = 0;
    int severity = 0;
    QString file;
    QString function;
    QString text;
};

class ReportRecorder final : public IMarquelService
{
public:
    ReportRecorder();
    ~ReportRecorder() override;
    ReportRecorder(const ReportRecorder &) = delete;
    ReportRecorder &operator=(const ReportRecorder &) = delete;

    QVector<RecordedReport> reports() const;
    // Log texts that were not the message of an assertion report.
    QVector<RecordedLog> logs() const;
    int count() const;
    void clear();

    // One line per report: file | function | condition | message.
    QStringList lines() const;
    // The line of a report as lines() writes it; the message defaults to that of a plain
    // assertion.
    static QString line(QStringView file, QStringView function, QStringView condition,
                        QStringView message = u"\"\" ");
    // The message text of a report that streamed `text`.
    static QString quoted(QStringView text) { return u'"' + text.toString() + QStringLiteral("\" "); }

    // Channel levels answered to callers; channels not set here answer 0.
    void setChannelLevel(int channel, qint8 level);

    void reportAssertion(QStringView file, unsigned line, QStringView function, const void *object,
                         QStringView condition) override;
    void logMessage(int channel, int severity, QStringView file, unsigned line,
                    QStringView function, const void *object, QStringView text) override;
    qint8 channelLevel(int channel) override;

private:
    mutable QMutex m_mutex;
    QVector<RecordedReport> m_reports;
    QVector<RecordedLog> m_logs;
    QHash<int, qint8> m_levels;
    // The last log text, kept until the report it belongs to arrives.
    bool m_pending = false;
    RecordedLog m_pendingLog;
    IMarquelService *m_previous;
};
