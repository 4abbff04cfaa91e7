#pragma once

#include <samplehost/position.h>
#include <samplehost/storage.h>

#include <typekit/position/ipositionstorage.h>

namespace Sample {

/// The sample host's position storage: Sample::Position records, and the evaluation of position
/// storage filters.
///
///     Sample::PositionStorage positions;
///     positions.add(std::make_unique<Sample::Position>(&es, &account));
///     const auto total = Trade::IPositionStorage::percentOfReturnTotal(positions.positions());
///
/// A filter is met when every property it sets is met: the symbol, one of the accounts, the side
/// (long for a positive quantity, short for a negative one; a flat position has no side) and
/// can-close. The filter's type and affiliation are not evaluated.
class SAMPLEHOST_EXPORT PositionStorage : public Storage, public virtual Trade::IPositionStorage
{
    Q_OBJECT

public:
    explicit PositionStorage(QObject *parent = nullptr);

    /// Every position held, in the storage's order; records that are no positions are left out.
    Trade::Container<Trade::IPosition *> positions() const override;

protected:
    bool accepts(const Record *record, const Trade::StorageFilter &filter) const override;
};

} // namespace Sample
