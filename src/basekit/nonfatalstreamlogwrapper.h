#pragma once

#include <basekit/basekit_export.h>

#include <QtCore/QString>
#include <QtCore/QStringView>

namespace Trade {

class Dump;
class Variant;

/// An expression text with the value it had, for a report's message.
class BASEKIT_EXPORT NamedValue
{
public:
    NamedValue(QStringView expression, const Variant &value);
    /// A value shown by a dump of its own (an object that dumps itself).
    NamedValue(QStringView expression, const Dump &dump);
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

/// The non-fatal assertion report. A broken precondition is reported once through the service
/// object and the caller goes on with its neutral result; nothing throws.
///
///     TRADE_ASSERT(index < size(), u"Trade::Thing::at", u"thing", this) << "Index out of range.";
///
/// The report has channel 0 and severity 3. Its message is the streamed text in double quotes
/// followed by one space (a plain assertion sends two quote characters around an empty text),
/// then any named values as "expression"="indented JSON of the value's dump" plus one space.
/// When the wrapper is destroyed the message goes to logMessage() and then the condition to
/// reportAssertion().
class BASEKIT_EXPORT NonFatalStreamLogWrapper
{
public:
    /// Quoted: the message is the streamed text in double quotes (the usual report). Bare: the
    /// streamed text as it is, and no message at all when nothing is streamed.
    enum class MessageForm { Quoted, Bare };

    NonFatalStreamLogWrapper(QStringView file, unsigned line, QStringView function, const void *object,
                             QStringView condition, MessageForm form = MessageForm::Quoted);
    ~NonFatalStreamLogWrapper();
    NonFatalStreamLogWrapper(const NonFatalStreamLogWrapper &) = delete;
    NonFatalStreamLogWrapper &operator=(const NonFatalStreamLogWrapper &) = delete;

    NonFatalStreamLogWrapper &operator<<(QStringView text);
    NonFatalStreamLogWrapper &operator<<(const QString &text) { return *this << QStringView(text); }
    NonFatalStreamLogWrapper &operator<<(const char *utf8);
    NonFatalStreamLogWrapper &operator<<(qint64 number);
    NonFatalStreamLogWrapper &operator<<(int number) { return *this << qint64(number); }
    NonFatalStreamLogWrapper &operator<<(const NamedValue &value);

private:
    QStringView m_file;
    QStringView m_function;
    QStringView m_condition;
    const void *m_object;
    unsigned m_line;
    MessageForm m_form;
    QString m_message;
    QString m_namedValues;
};

} // namespace Trade

// Reports `condition` when it does not hold. The function text is the qualified name that the
// report carries ("Trade::Price::setValue"), the file text that of the unit ("price"); both are
// UTF-16 texts (u"..." literals or QStrings that live to the end of the statement). A message and
// named values may be streamed after it.
#define TRADE_ASSERT(condition, function, file, object)                                                                \
    if (Q_LIKELY(condition)) {                                                                                         \
    } else                                                                                                             \
        ::Trade::NonFatalStreamLogWrapper(QStringView(file), __LINE__, QStringView(function), (object),                \
                                          QStringView(u"" #condition))

// The same report without a message unless one is streamed.
#define TRADE_ASSERT_BARE(condition, function, file, object)                                                           \
    if (Q_LIKELY(condition)) {                                                                                         \
    } else                                                                                                             \
        ::Trade::NonFatalStreamLogWrapper(QStringView(file), __LINE__, QStringView(function), (object),                \
                                          QStringView(u"" #condition),                                                 \
                                          ::Trade::NonFatalStreamLogWrapper::MessageForm::Bare)

// Reports `holds` being false under a condition text given apart: for a check of a result
// computed beforehand (work with effects, such as a connect or an invocation, never runs inside a
// report's condition), or whose report names the condition otherwise than the code reads.
#define TRADE_ASSERT_AS(holds, conditionText, function, file, object)                                                  \
    if (Q_LIKELY(holds)) {                                                                                             \
    } else                                                                                                             \
        ::Trade::NonFatalStreamLogWrapper(QStringView(file), __LINE__, QStringView(function), (object),                \
                                          QStringView(conditionText))

// A named value for a report's message: the expression's text and its value's dump.
#define TRADE_NAMED_VALUE(expression)                                                                                  \
    ::Trade::NamedValue(QStringView(u"" #expression), ::Trade::Variant::fromValue(expression))
