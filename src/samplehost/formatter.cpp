#include "formatter.h"

#include <QtCore/QLocale>

#include <algorithm>
#include <mutex>
#include <vector>

namespace Sample {

namespace {

QString isoCode(DataApi::CurrencyType currency)
{
    switch (currency) {
    case DataApi::currencyUSD:
        return QStringLiteral("USD");
    case DataApi::currencyEUR:
        return QStringLiteral("EUR");
    case DataApi::currencyGBP:
        return QStringLiteral("GBP");
    case DataApi::currencyJPY:
        return QStringLiteral("JPY");
    case DataApi::currencyCHF:
        return QStringLiteral("CHF");
    case DataApi::currencyCAD:
        return QStringLiteral("CAD");
    case DataApi::currencyAUD:
        return QStringLiteral("AUD");
    case DataApi::currencyUnknown:
        break;
    }
    return QString();
}

const QLocale &grouped()
{
    static const QLocale locale = [] {
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::DefaultNumberOptions);  // the C locale omits grouping
        return c;
    }();
    return locale;
}

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

QString Formatter::formatMoney(double value, const Trade::Currency &currency) const
{
    const QString amount = grouped().toString(value, 'f', 2);
    const QString code = isoCode(currency);
    return code.isEmpty() ? amount : amount + QLatin1Char(' ') + code;
}

QString Formatter::formatQuantity(double lots) const
{
    QString text = grouped().toString(lots, 'f', 4);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

QString Formatter::formatPercent(double value) const
{
    return grouped().toString(value, 'f', 2) + QLatin1Char('%');
}

} // namespace Sample
