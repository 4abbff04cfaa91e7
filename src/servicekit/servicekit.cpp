// The built-in service writes one line per report or log text to stderr.
#include "servicekit.h"

#include <QtCore/QString>

#include <atomic>
#include <cstdio>
#include <mutex>

IMarquelService::~IMarquelService() = default;

bool IMarquelService::shouldLog(int channel, int severity)
{
    if (severity > 2)
        return true;
    const qint8 level = channelLevel(channel);
    return level >= 0 && level <= severity;
}

namespace {

class StderrService final : public IMarquelService
{
public:
    void reportAssertion(QStringView file, unsigned line, QStringView function, const void *,
                         QStringView condition) override
    {
        write(QStringLiteral("ASSERT %1:%2 %3: %4")
                  .arg(file).arg(line).arg(function, condition));
    }

    void logMessage(int channel, int severity, QStringView file, unsigned line,
                    QStringView function, const void *, QStringView text) override
    {
        // A plain assertion's message is an empty quoted text: its assertion line says it all.
        if (text == u"\"\" ")
            return;
        write(QStringLiteral("LOG[%1/%2] %3:%4 %5: %6")
                  .arg(channel).arg(severity).arg(file).arg(line).arg(function, text));
    }

    qint8 channelLevel(int) override { return 0; }

private:
    void write(const QString &line)
    {
        const QByteArray bytes = line.toUtf8();
        const std::lock_guard<std::mutex> lock(m_mutex);
        std::fprintf(stderr, "%s\n", bytes.constData());
    }

    std::mutex m_mutex;
};

StderrService &stderrService()
{
    static StderrService service;
    return service;
}

// Made while servicekit loads, so that reports made while later libraries unload still reach it.
const bool s_stderrServiceMadeAtLoad = (stderrService(), true);

std::atomic<IMarquelService *> s_installed{nullptr};

} // namespace

IMarquelService *MarquelServiceApi()
{
    IMarquelService *service = s_installed.load(std::memory_order_acquire);
    return service ? service : &stderrService();
}

IMarquelService *setMarquelServiceApi(IMarquelService *service)
{
    IMarquelService *previous = s_installed.exchange(service, std::memory_order_acq_rel);
    return previous ? previous : &stderrService();
}

MarquelServiceScope::MarquelServiceScope(IMarquelService *service)
    : m_previous(setMarquelServiceApi(service))
{
}

MarquelServiceScope::~MarquelServiceScope()
{
    setMarquelServiceApi(m_previous);
}
