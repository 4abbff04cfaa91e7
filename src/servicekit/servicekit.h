// The service object of the host process: it receives the non-fatal assertion reports and the
// log texts of every library loaded into the process. A host installs its own service at start
// (and may restore the previous one when it goes); until then a built-in service writes them
// through Qt's logging, under a category per library.
#pragma once

#include <servicekit/servicekit_export.h>

#include <QtCore/QStringView>
#include <QtCore/QtGlobal>

class QLoggingCategory;

/// The service that receives the non-fatal reports of every library: a failed condition, where it
/// was checked and on which object, then the operation goes on. The host installs its own; the
/// built-in one writes each call as one line through Qt's logging (see MarquelServiceCaller).
class SERVICEKIT_EXPORT IMarquelService
{
public:
    /// A non-fatal assertion: the condition that did not hold, where it was checked and on which
    /// object (null for static code).
    virtual void reportAssertion(QStringView file, unsigned line, QStringView function, const void *object,
                                 QStringView condition) = 0;
    /// A log text of the given channel and severity (3 for assertion messages, 4 for errors).
    virtual void logMessage(int channel, int severity, QStringView file, unsigned line, QStringView function,
                            const void *object, QStringView text) = 0;
    /// The level of a channel; a negative level switches the channel off. Callers log a
    /// severity above 2 always, a lower one only when the level is not negative and not
    /// above the severity (see shouldLog()).
    virtual qint8 channelLevel(int channel) = 0;

    virtual ~IMarquelService();

    /// Whether a text of this severity on this channel is to be logged.
    bool shouldLog(int channel, int severity);
};

/// The service object now installed; never null.
SERVICEKIT_EXPORT IMarquelService *MarquelServiceApi();

/// Installs a service object (null restores the built-in service) and returns the one it
/// replaces, so that a host or a test can put it back. The caller keeps ownership.
SERVICEKIT_EXPORT IMarquelService *setMarquelServiceApi(IMarquelService *service);

/// Installs a service for the lifetime of the scope and restores the previous one on exit.
class SERVICEKIT_EXPORT MarquelServiceScope
{
public:
    explicit MarquelServiceScope(IMarquelService *service);
    ~MarquelServiceScope();
    MarquelServiceScope(const MarquelServiceScope &) = delete;
    MarquelServiceScope &operator=(const MarquelServiceScope &) = delete;

private:
    IMarquelService *m_previous;
};

/// Names the library whose code makes the service calls of this thread while the object lives:
/// the report and log streams mark the code that streamed into them, so that the built-in
/// service writes each library's reports and logs under a Qt logging category of its own,
/// "<library>.report" ("typekit.report", "basekit.report", "notifierkit.report", a plug-in's
/// "orderjournal.report"): the file name of the shared library or program that holds the code,
/// without "lib" and the suffixes. A call to the service that no caller marks is written under
/// the category of the code that called the service.
///
/// The built-in service writes an assertion as a warning ("ASSERT <file>:<line> <function>:
/// <condition>") and a log text by its severity ("LOG[<channel>/<severity>] <file>:<line>
/// <function>: <text>"): 4 and above critical, 3 warning, 2 info, below 2 debug. So
/// QT_LOGGING_RULES, QLoggingCategory::setFilterRules() and qInstallMessageHandler() decide what
/// is shown and where: "typekit.report.warning=false" keeps typekit's reports quiet,
/// "*.report=false" everything the libraries write. The channel levels of the service still
/// decide first which log texts are written at all (MarquelServiceApi()->shouldLog()).
class SERVICEKIT_EXPORT MarquelServiceCaller
{
public:
    /// `code` is an address in the caller's code (null marks nothing).
    explicit MarquelServiceCaller(const void *code);
    ~MarquelServiceCaller();
    MarquelServiceCaller(const MarquelServiceCaller &) = delete;
    MarquelServiceCaller &operator=(const MarquelServiceCaller &) = delete;

    /// The code address the innermost caller object of this thread marks, or null.
    static const void *current();
    /// The logging category of the library or program that holds `code` (made once per
    /// library; "app.report" for an address in no known file).
    static const QLoggingCategory &category(const void *code);

private:
    const void *m_previous;
};

/// The address a function returns to: in a report stream's destructor, the code of the caller.
#if defined(_MSC_VER)
#include <intrin.h>
#define MARQUEL_RETURN_ADDRESS() _ReturnAddress()
#else
#define MARQUEL_RETURN_ADDRESS() __builtin_return_address(0)
#endif
