// The built-in service writes one line per report or log text through Qt's logging, under the
// category of the library whose code made it.
#include "servicekit.h"

#include <QtCore/QByteArray>
#include <QtCore/QLoggingCategory>
#include <QtCore/QString>

#include <atomic>
#include <memory>
#include <mutex>
#include <unordered_map>

#if __has_include(<dlfcn.h>)
#include <dlfcn.h>
#define SERVICEKIT_HAS_DLADDR
#elif defined(Q_OS_WIN)
#include <qt_windows.h>
#endif

IMarquelService::~IMarquelService() = default;

bool IMarquelService::shouldLog(int channel, int severity)
{
    if (severity > 2)
        return true;
    const qint8 level = channelLevel(channel);
    return level >= 0 && level <= severity;
}

namespace {

thread_local const void *t_caller = nullptr;

// The file name of the shared library or program that holds the code, without a leading "lib"
// and without its suffixes ("/usr/lib/libtypekit.so.12" is "typekit"); empty when unknown.
QByteArray libraryOf(const void *code)
{
    QByteArray path;
#if defined(SERVICEKIT_HAS_DLADDR)
    Dl_info info{};
    if (code && dladdr(code, &info) && info.dli_fname)
        path = info.dli_fname;
#elif defined(Q_OS_WIN)
    HMODULE module = nullptr;
    wchar_t file[MAX_PATH] = {};
    if (code
        && GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              static_cast<LPCWSTR>(code), &module)) {
        const DWORD size = GetModuleFileNameW(module, file, MAX_PATH);
        path = QString::fromWCharArray(file, int(size)).toUtf8();
    }
#endif
    path = path.mid(qMax(path.lastIndexOf('/'), path.lastIndexOf('\\')) + 1);
    if (path.startsWith("lib") && path.size() > 3 && path.at(3) != '.')
        path.remove(0, 3);
    const qsizetype dot = path.indexOf('.');
    return dot < 0 ? path : path.left(dot);
}

// One category per library, made when the library first reports and kept to the end of the
// process (reports can come while libraries unload); the lookup is remembered per code address,
// so each place that reports asks the loader once.
class Categories
{
public:
    const QLoggingCategory &of(const void *code)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        auto known = m_byCode.find(code);
        if (known != m_byCode.end())
            return *known->second;
        QByteArray name = libraryOf(code);
        if (name.isEmpty())
            name = "app";
        name += ".report";
        auto &category = m_byName[name.toStdString()];
        if (!category)
            category = std::make_unique<Category>(name);
        return *(m_byCode[code] = &category->category);
    }

private:
    struct Category
    {
        explicit Category(const QByteArray &text) : name(text), category(name.constData()) {}
        const QByteArray name; // the category keeps the pointer
        QLoggingCategory category;
    };

    std::mutex m_mutex;
    std::unordered_map<std::string, std::unique_ptr<Category>> m_byName;
    std::unordered_map<const void *, const QLoggingCategory *> m_byCode;
};

Categories &categories()
{
    static auto *categories = new Categories; // never destroyed: see above
    return *categories;
}

class LoggingService final : public IMarquelService
{
public:
    void reportAssertion(QStringView file, unsigned line, QStringView function, const void *,
                         QStringView condition) override
    {
        write(QtWarningMsg, file, line, function, MARQUEL_RETURN_ADDRESS(),
              [&] { return QStringLiteral("ASSERT %1:%2 %3: %4").arg(file).arg(line).arg(function, condition); });
    }

    void logMessage(int channel, int severity, QStringView file, unsigned line, QStringView function, const void *,
                    QStringView text) override
    {
        // A plain assertion's message is an empty quoted text: its assertion line says it all.
        if (text == u"\"\" ")
            return;
        const QtMsgType type = severity >= 4   ? QtCriticalMsg
                               : severity == 3 ? QtWarningMsg
                               : severity == 2 ? QtInfoMsg
                                               : QtDebugMsg;
        write(type, file, line, function, MARQUEL_RETURN_ADDRESS(), [&] {
            return QStringLiteral("LOG[%1/%2] %3:%4 %5: %6")
                .arg(channel)
                .arg(severity)
                .arg(file)
                .arg(line)
                .arg(function, text);
        });
    }

    qint8 channelLevel(int) override { return 0; }

private:
    // The line is made only when its category lets it through.
    template <typename Text>
    static void write(QtMsgType type, QStringView file, unsigned line, QStringView function, const void *directCaller,
                      const Text &text)
    {
        const void *caller = MarquelServiceCaller::current();
        const QLoggingCategory &category = MarquelServiceCaller::category(caller ? caller : directCaller);
        if (!category.isEnabled(type))
            return;
        const QByteArray fileText = file.toUtf8();
        const QByteArray functionText = function.toUtf8();
        const QByteArray bytes = text().toUtf8();
        const QMessageLogger logger(fileText.constData(), int(line), functionText.constData(), category.categoryName());
        switch (type) {
        case QtCriticalMsg:
            logger.critical(category, "%s", bytes.constData());
            break;
        case QtWarningMsg:
            logger.warning(category, "%s", bytes.constData());
            break;
        case QtInfoMsg:
            logger.info(category, "%s", bytes.constData());
            break;
        default:
            logger.debug(category, "%s", bytes.constData());
            break;
        }
    }
};

LoggingService &builtInService()
{
    static LoggingService service;
    return service;
}

// Made while servicekit loads, so that reports made while later libraries unload still reach it.
[[maybe_unused]] const LoggingService &s_builtInServiceMadeAtLoad = (categories(), builtInService());

std::atomic<IMarquelService *> s_installed{nullptr};

} // namespace

IMarquelService *MarquelServiceApi()
{
    IMarquelService *service = s_installed.load(std::memory_order_acquire);
    return service ? service : &builtInService();
}

IMarquelService *setMarquelServiceApi(IMarquelService *service)
{
    IMarquelService *previous = s_installed.exchange(service, std::memory_order_acq_rel);
    return previous ? previous : &builtInService();
}

MarquelServiceScope::MarquelServiceScope(IMarquelService *service) : m_previous(setMarquelServiceApi(service))
{
}

MarquelServiceScope::~MarquelServiceScope()
{
    setMarquelServiceApi(m_previous);
}

MarquelServiceCaller::MarquelServiceCaller(const void *code) : m_previous(t_caller)
{
    if (code)
        t_caller = code;
}

MarquelServiceCaller::~MarquelServiceCaller()
{
    t_caller = m_previous;
}

const void *MarquelServiceCaller::current()
{
    return t_caller;
}

const QLoggingCategory &MarquelServiceCaller::category(const void *code)
{
    return categories().of(code);
}
