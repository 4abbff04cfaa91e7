#pragma once

#include <notifierkit/notifierkit_export.h>

#include <basekit/nonfatalstreamlogwrapper.h>

#include <typeinfo>

namespace Trade {
class Dump;
}

namespace Common {

/// The root interfaces of the objects that the host and its plug-ins hand each other.
///
/// Common::IObject lets a caller holding one interface of an object ask for another one:
///
///     Trade::IDisposable *disposable = provider->as<Trade::IDisposable>();
class NOTIFIERKIT_EXPORT IObject
{
public:
    /// The object seen as the interface `type` (a run-time cross cast from this interface), or
    /// null when the object does not implement it or `type` is no class.
    virtual void *as(const std::type_info &type);
    virtual ~IObject();

    /// The object seen as T; null, after a report, when it does not implement T.
    template <typename T>
    T *as()
    {
        T *result = static_cast<T *>(as(typeid(T)));
        TRADE_ASSERT(result != NULL, u"Common::IObject::as", u"iobject", this)
            << "invalid type, type must be interface and inherit Common::IObject";
        return result;
    }

protected:
    IObject() = default;
    IObject(const IObject &) = default;
    IObject &operator=(const IObject &) = default;
};

} // namespace Common

namespace Trade {

/// An object of the trading world: one that can be asked for its other interfaces and dumped.
class NOTIFIERKIT_EXPORT IObject : public virtual Common::IObject
{
public:
    /// The object's state for logs and diagnostics.
    virtual Dump dump() const = 0;
    ~IObject() override;
};

} // namespace Trade
