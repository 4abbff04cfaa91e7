#include "iobject.h"

#include <basekit/dump.h>

#if defined(__GXX_ABI_VERSION)
#include <cxxabi.h>
#else
#error "Common::IObject::as needs the run-time cast of the Itanium C++ ABI"
#endif

namespace Common {

void *IObject::as(const std::type_info &type)
{
    // dynamic_cast with a target known only at run time: the ABI's own cast routine, which
    // dynamic_cast<T*>(this) calls with typeid(T). Only class types can be targets.
    // Every object is a Common::IObject; the ABI's routine answers only casts away from it.
    if (type == typeid(IObject))
        return this;
    const auto *target = dynamic_cast<const abi::__class_type_info *>(&type);
    if (!target)
        return nullptr;
    const auto *source = static_cast<const abi::__class_type_info *>(&typeid(IObject));
    return abi::__dynamic_cast(this, source, target, -1);
}

IObject::~IObject() = default;

} // namespace Common

namespace Trade {

IObject::~IObject() = default;

} // namespace Trade
