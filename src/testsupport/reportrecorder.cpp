#include <testsupport/reportrecorder.h>

#include <QtCore/QHash>

namespace Trade {

ReportRecorder::ReportRecorder() : m_previous(setMarquelServiceApi(this))
{
}

ReportRecorder::~ReportRecorder()
{
    setMarquelServiceApi(m_previous);
}

QVector<RecordedReport> ReportRecorder::reports() const
{
    const QMutexLocker lock(&m_mutex);
    return m_reports;
}

QVector<RecordedLog> ReportRecorder::logs() const
{
    const QMutexLocker lock(&m_mutex);
    QVector<RecordedLog> logs = m_logs;
    if (m_pending)
        logs.append(m_pendingLog);
    return logs;
}

int ReportRecorder::count() const
{
    const QMutexLocker lock(&m_mutex);
    return int(m_reports.size());
}

void ReportRecorder::clear()
{
    const QMutexLocker lock(&m_mutex);
    m_reports.clear();
    m_logs.clear();
    m_pending = false;
}

QStringList ReportRecorder::lines() const
{
    QStringList result;
    for (const RecordedReport &report : reports())
        result << line(report.file, report.function, report.condition, report.message);
    return result;
}

QString ReportRecorder::line(QStringView file, QStringView function, QStringView condition, QStringView message)
{
    return QStringLiteral("%1 | %2 | %3 | %4").arg(file, function, condition, message);
}

QStringList ReportRecorder::logLines() const
{
    QStringList result;
    for (const RecordedLog &log : logs())
        result << logLine(log.channel, log.severity, log.file, log.function, log.text);
    return result;
}

QString ReportRecorder::logLine(int channel, int severity, QStringView file, QStringView function, QStringView text)
{
    return QStringLiteral("%1 %2 | %3 | %4 | %5").arg(channel).arg(severity).arg(file, function, text);
}

void ReportRecorder::setChannelLevel(int channel, qint8 level)
{
    const QMutexLocker lock(&m_mutex);
    m_levels.insert(channel, level);
}

void ReportRecorder::reportAssertion(QStringView file, unsigned line, QStringView function, const void *object,
                                     QStringView condition)
{
    const QMutexLocker lock(&m_mutex);
    RecordedReport report{file.toString(), line, function.toString(), object, condition.toString(), QString()};
    if (m_pending && m_pendingLog.file == report.file && m_pendingLog.function == report.function)
        report.message = m_pendingLog.text;
    else if (m_pending)
        m_logs.append(m_pendingLog);
    m_pending = false;
    m_reports.append(report);
}

void ReportRecorder::logMessage(int channel, int severity, QStringView file, unsigned, QStringView function,
                                const void *, QStringView text)
{
    const QMutexLocker lock(&m_mutex);
    if (m_pending)
        m_logs.append(m_pendingLog);
    m_pendingLog = RecordedLog{channel, severity, file.toString(), function.toString(), text.toString()};
    m_pending = true;
}

qint8 ReportRecorder::channelLevel(int channel)
{
    const QMutexLocker lock(&m_mutex);
    return m_levels.value(channel, 0);
}

} // namespace Trade
