#pragma once

#include <basekit/basekit_export.h>

#include <QtCore/QString>
#include <QtCore/QStringView>

namespace Shadow {

/// A log text built with <<, sent to the service object when the stream goes out of scope:
///
///     Shadow::LogStream(0, 2, u"storage/storagefilter", __LINE__, u"Trade::Host::query", this)
///         << "querying " << affiliation;
///
/// Texts of severity 2 and below are sent only when the channel's level lets them through.
class BASEKIT_EXPORT LogStream
{
public:
    LogStream(int channel, int severity, QStringView file, unsigned line, QStringView function,
              const void *object = nullptr);
    ~LogStream();
    LogStream(const LogStream &) = delete;
    LogStream &operator=(const LogStream &) = delete;

    LogStream &operator<<(QStringView text);
    LogStream &operator<<(const QString &text) { return *this << QStringView(text); }
    LogStream &operator<<(const char *utf8);
    LogStream &operator<<(qint64 number);
    LogStream &operator<<(int number) { return *this << qint64(number); }

    /// The text so far.
    const QString &text() const { return m_text; }

private:
    int m_channel;
    int m_severity;
    QStringView m_file;
    unsigned m_line;
    QStringView m_function;
    const void *m_object;
    QString m_text;
};

} // namespace Shadow
