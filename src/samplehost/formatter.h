#pragma once

#include <samplehost/samplehost_export.h>

#include <typekit/formatting/formatter.h>

namespace Sample {

/// The formatter the sample host installs for as long as it lives (a stack, like hosts: the
/// newest live one is in force). Its texts are plain C-locale numbers, so that what a ticket
/// shows reads back through the library's own parsing (Trade::Quantity from a text, a text
/// converted to a profit or a percent) when the user types it back:
///   quantities: lots, the shortest text that reads back as the same double ("1234.5", "0.29");
///   money: two decimals ("-1234.50"); the currency is not written (a view shows it in its
///          header), since a text with a code would read as no number;
///   percents: two decimals ("12.50"), without a percent sign for the same reason.
/// No thousands are grouped: a grouped "1,500" reads as no number, and a quantity as 0.
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
