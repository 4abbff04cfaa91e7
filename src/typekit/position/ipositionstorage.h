#pragma once

#include <typekit/container.h>
#include <typekit/nullable.h>
#include <typekit/position/iposition.h>
#include <typekit/storage/istorage.h>
#include <typekit/typekit_export.h>

namespace Trade {

/// The host's position storage, and the statistics and selections that views and operations make
/// over a set of its positions.
///
///     const Common::Nullable<double> total = Trade::IPositionStorage::percentOfReturnTotal(storage->positions());
///     if (total.hasValue())
///         ...
class TYPEKIT_EXPORT IPositionStorage : public virtual IStorage
{
public:
    /// The storage's records as positions, in the storage's order.
    virtual Container<IPosition *> positions() const = 0;

    ~IPositionStorage() override;

    /// The summed return over the summed return base, as a percentage, of the positions that hold
    /// a non-zero quantity and a valid return. Null when nothing was summed or the bases sum to 0.
    /// A return base without a value counts as 0. Positions that lack the data are skipped; nothing
    /// is reported.
    static Common::Nullable<double> percentOfReturnTotal(const Container<IPosition *> &positions);
    /// The summed pull-back ticks over the summed price ticks, as a percentage, of the positions
    /// that hold a non-zero quantity, a pull-back and a valid price. Nothing is reported.
    static Common::Nullable<double> pullBackPercentageTotal(const Container<IPosition *> &positions);
    /// The positions on user-defined spreads (the baskets), in their order. A symbol whose category
    /// is set but not a category is reported by Trade::IDictionaryVisibleSymbol::category.
    static Container<IPosition *> selectBasketPositions(const Container<IPosition *> &positions);
};

} // namespace Trade
