#include "formatter.h"

#include <QtCore/QLocale>

#include <algorithm>
#include <mutex>
#include <vector>

namespace Sample {

namespace {

// Installed formatters, newest last; the newest is the host's formatter.
struct Installed
{
    std::mutex mutex;
    std::vector<Formatter *> formatters;
};

Installed &installed()
{
    static Installed all;
    return all;
}

} // namespace

Formatter::Formatter()
{
    Installed &all = installed();
    const std::lock_guard<std::mutex> lock(all.mutex);
    all.formatters.push_back(this);
    s_instance = this;
}

Formatter::~Formatter()
{
    Installed &all = installed();
    const std::lock_guard<std::mutex> lock(all.mutex);
    all.formatters.erase(std::remove(all.formatters.begin(), all.formatters.end(), this), all.formatters.end());
    s_instance = all.formatters.empty() ? nullptr : all.formatters.back();
}

QString Formatter::formatMoney(double value, const Trade::Currency &) const
{
    return QLocale::c().toString(value, 'f', 2);
}

QString Formatter::formatQuantity(double lots) const
{
    return QLocale::c().toString(lots, 'f', QLocale::FloatingPointShortest);
}

QString Formatter::formatPercent(double value) const
{
    return QLocale::c().toString(value, 'f', 2);
}

} // namespace Sample
