// The service object of the host process: it receives the non-fatal assertion reports and the
// log texts of every library loaded into the process. A host installs its own service at start
// (and may restore the previous one when it goes); until then a service that writes to stderr
// stands in.
#pragma once

#include <servicekit/servicekit_export.h>

#include <QtCore/QStringView>
#include <QtCore/QtGlobal>

/// The service that receives the non-fatal reports of every library: a failed condition, where it
/// was checked and on which object, then the operation goes on. The host installs its own; the
/// default one writes to the standard error stream.
class SERVICEKIT_EXPORT IMarquelService
{
public:
    /// A non-fatal assertion: the condition that did not hold, where it was checked and on which
    /// object (null for static code).
    virtual void reportAssertion(QStringView file, unsigned line, QStringView function,
                                 const void *object, QStringView condition) = 0;
    /// A log text of the given channel and severity (3 for assertion messages, 4 for errors).
    virtual void logMessage(int channel, int severity, QStringView file, unsigned line,
                            QStringView function, const void *object, QStringView text) = 0;
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

/// Installs a service object (null restores the built-in stderr service) and returns the one it
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
