// The sample host's standard topics with the symbols and the account that most tests trade.
#pragma once

#include <samplehost/symbol.h>
#include <samplehost/topics.h>

struct SampleMarket
{
    Sample::StandardTopics topics;
    Sample::Symbol es{QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0};  // tick 0.25
    Sample::Symbol nq{QStringLiteral("NQZ26"), Symbology::symbolTypeFuture, 25, 100, 20.0};
    Sample::Symbol msft{QStringLiteral("MSFT"), Symbology::symbolTypeStock, 1, 100};          // tick 0.01
    Sample::Account account{QStringLiteral("SIM-1")};
};
