#pragma once

#include <typekit/container.h> // first: it declares the record and position types exported
#include <typekit/order/orderrecord.h>
#include <typekit/price.h>
#include <typekit/record/irecord.h>
#include <typekit/symbol/isymbol.h>
#include <typekit/topic/ipositiontopic.h>
#include <typekit/typekit_export.h>

#include <QtCore/QMetaType>

namespace Trade {

/// A position of the host: a record of its position storage seen as a position, with what the
/// close and reverse operations need to know of it.
class TYPEKIT_EXPORT IPosition
{
public:
    /// The position's record in its storage; its entries use the fields of topic().
    virtual IRecord *record() const = 0;
    virtual IPositionTopic *topic() const = 0;
    virtual ISymbol *symbol() const = 0;
    /// The current price of the position's symbol, on its tick grid.
    virtual Price price() const = 0;
    /// Whether default close, respectively reverse, order inputs are available now.
    virtual bool canClose() const = 0;
    virtual bool canReverse() const = 0;
    /// The orders that would close, respectively reverse, the position as it stands.
    virtual OrderRecord closeOrder() const = 0;
    virtual OrderRecord reverseOrder() const = 0;
    virtual ~IPosition();
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::IPosition *)
