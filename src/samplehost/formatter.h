/// \class Sample::Formatter
/// The formatter the sample host installs for as long as it lives (a stack, like hosts: the
/// newest live one is in force). Its texts, in the C locale:
///   quantities: lots with up to 4 decimals, thousands grouped, no trailing zeros ("1,234.5");
///   money: two decimals, thousands grouped, the currency's ISO code after ("-1,234.50 USD"),
///          no code for an unknown currency;
///   percents: two decimals and a percent sign ("12.50%").
#pragma once

#include <samplehost/samplehost_export.h>

#include <typekit/formatting/formatter.h>

namespace Sample {

class SAMPLEHOST_EXPORT Formatter final : public Trade::IFormatter
{
public:
    Formatter();
    ~Formatter() override;
    Formatter(const Formatter &) = delete;
    Formatter &operator=(const Formatter &) = delete;

    QString formatMoney(double value, const Trade::Currency &currency) const override;
    QString formatQuantity(double lots) const override;
    QString formatPercent(double value) const override;
};

} // namespace Sample
