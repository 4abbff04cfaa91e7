#include "nonfatalstreamlogwrapper.h"

#include "dump.h"
#include "variant.h"

#include <servicekit/servicekit.h>

namespace Trade {

namespace {
constexpr int assertionChannel = 0;
constexpr int assertionSeverity = 3;
} // namespace

NamedValue::NamedValue(QStringView expression, const Variant &value) : NamedValue(expression, value.save())
{
}

NamedValue::NamedValue(QStringView expression, const Dump &dump)
    : m_text(QStringLiteral("\"%1\"=\"%2\" ").arg(expression.trimmed(), dump.toJsonIndented()))
{
}

NonFatalStreamLogWrapper::NonFatalStreamLogWrapper(QStringView file, unsigned line, QStringView function,
                                                   const void *object, QStringView condition, MessageForm form)
    : m_file(file), m_function(function), m_condition(condition), m_object(object), m_line(line), m_form(form)
{
}

// Never inlined: the address it returns to is the code that reported, whose library names the
// built-in service's logging category.
Q_NEVER_INLINE NonFatalStreamLogWrapper::~NonFatalStreamLogWrapper()
{
    const MarquelServiceCaller caller(MARQUEL_RETURN_ADDRESS());
    IMarquelService *service = MarquelServiceApi();
    QString message = m_form == MessageForm::Quoted
                          ? QLatin1Char('"') + m_message + QLatin1String("\" ") + m_namedValues
                          : m_message + m_namedValues;
    if (!message.isEmpty() && service->shouldLog(assertionChannel, assertionSeverity)) {
        service->logMessage(assertionChannel, assertionSeverity, m_file, m_line, m_function, m_object, message);
    }
    message.clear();
    service->reportAssertion(m_file, m_line, m_function, m_object, m_condition);
}

NonFatalStreamLogWrapper &NonFatalStreamLogWrapper::operator<<(QStringView text)
{
    m_message += text;
    return *this;
}

NonFatalStreamLogWrapper &NonFatalStreamLogWrapper::operator<<(const char *utf8)
{
    m_message += QString::fromUtf8(utf8);
    return *this;
}

NonFatalStreamLogWrapper &NonFatalStreamLogWrapper::operator<<(qint64 number)
{
    m_message += QString::number(number);
    return *this;
}

NonFatalStreamLogWrapper &NonFatalStreamLogWrapper::operator<<(const NamedValue &value)
{
    m_namedValues += value.text();
    return *this;
}

} // namespace Trade
