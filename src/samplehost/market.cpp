#include "market.h"

namespace Sample {

Market::Market()
    : connection(QStringLiteral("Sim")), es(QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0),
      nq(QStringLiteral("NQZ26"), Symbology::symbolTypeFuture, 25, 100, 20.0),
      msft(QStringLiteral("MSFT"), Symbology::symbolTypeStock, 1, 100), account(QStringLiteral("SIM-1")),
      second(QStringLiteral("SIM-2"))
{
    for (Symbol *symbol : {&es, &nq, &msft})
        symbol->setConnection(&connection);
}

// Out of line, so that the members go in the library that made them.
Market::~Market() = default;

} // namespace Sample
