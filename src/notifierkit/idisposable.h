#pragma once

#include <notifierkit/iobject.h>

namespace Trade {

/// An object that says when it is about to go away, so that holders of plain pointers to it can
/// let go in time.
class NOTIFIERKIT_EXPORT IDisposable : public virtual Common::IObject
{
public:
    /// A Qt signal of the implementing class, emitted from its destructor; holders subscribe to
    /// it ("disposed") and clear their pointer in the slot.
    virtual void disposed(Trade::IDisposable *object) const = 0;
    ~IDisposable() override;
};

} // namespace Trade
