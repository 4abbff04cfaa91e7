#include "logstream.h"

#include <servicekit/servicekit.h>

namespace Shadow {

LogStream::LogStream(int channel, int severity, QStringView file, unsigned line, QStringView function,
                     const void *object)
    : m_channel(channel), m_severity(severity), m_file(file), m_line(line), m_function(function), m_object(object)
{
}

// Never inlined: the address it returns to is the code that logged, whose library names the
// built-in service's logging category.
Q_NEVER_INLINE LogStream::~LogStream()
{
    const MarquelServiceCaller caller(MARQUEL_RETURN_ADDRESS());
    IMarquelService *service = MarquelServiceApi();
    if (service->shouldLog(m_channel, m_severity))
        service->logMessage(m_channel, m_severity, m_file, m_line, m_function, m_object, m_text);
}

LogStream &LogStream::operator<<(QStringView text)
{
    m_text += text;
    return *this;
}

LogStream &LogStream::operator<<(const char *utf8)
{
    m_text += QString::fromUtf8(utf8);
    return *this;
}

LogStream &LogStream::operator<<(qint64 number)
{
    m_text += QString::number(number);
    return *this;
}

} // namespace Shadow
