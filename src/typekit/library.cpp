// What the library does when it is loaded and unloaded.
//
// Every load-time step lives in this one unit, so that C++ runs them in the order they are
// written here; unloading undoes them in reverse. Value types register their own meta-types
// lazily, the first time their id is asked for (Q_DECLARE_METATYPE); the converters are
// registered here, because that is how Variant finds them by name.
//
// The order: the converters of connection states and log categories and the money-management
// converters; the persistent-text tables of the order enumerations; the storage filter
// meta-types and the variant record converter; the average-price tolerance; the remaining value
// converters; the library's Qt resource; the notifier's constant texts.

#include <typekit/connection/connectionstate.h>
#include <typekit/log/logcategory.h>
#include <typekit/mms/exitstrategy/pyramid.h>
#include <typekit/order/bracketcategory.h>
#include <typekit/order/orderaction.h>
#include <typekit/order/ordercategory.h>
#include <typekit/order/orderexpiry.h>
#include <typekit/percent.h>
#include <typekit/position/tradeside.h>

#include <basekit/iconverter.h>

namespace {

// Constructed first, destroyed last: once everything below has been torn down, the converter
// instances that basekit made from this library's classes go too.
struct ConverterRelease
{
    ~ConverterRelease() { Trade::releaseConverters(); }
} s_converterRelease;

} // namespace

const int Trade::ConnectionStateConverter::metaTypeId =
    Trade::registerConverterType<Trade::ConnectionStateConverter>();
const int Trade::LogCategoryConverter::metaTypeId =
    Trade::registerConverterType<Trade::LogCategoryConverter>();
const int Trade::PyramidConverter::metaTypeId =
    Trade::registerConverterType<Trade::PyramidConverter>();

// The persistent texts of the order enumerations, read-only from here on.
const dual_map<Trade::BracketCategory::Type, QString> Trade::BracketCategory::s_persistentTexts =
    Trade::BracketCategory::buildPersistentTexts();
const dual_map<Trade::OrderAction::Type, QString> Trade::OrderAction::s_persistentTexts =
    Trade::OrderAction::buildPersistentTexts();
const dual_map<Trade::OrderCategory::Type, QString> Trade::OrderCategory::s_persistentTexts =
    Trade::OrderCategory::buildPersistentTexts();
const dual_map<Trade::OrderExpiry::Type, QString> Trade::OrderExpiry::s_persistentTexts =
    Trade::OrderExpiry::buildPersistentTexts();

const int Trade::PercentConverter::metaTypeId =
    Trade::registerConverterType<Trade::PercentConverter>();
const int Trade::TradeSideConverter::metaTypeId =
    Trade::registerConverterType<Trade::TradeSideConverter>();

// The library's one resource, "/typekit/typekit.rc" (the version resource script), registered
// with resource format version 1 at this point of the load and unregistered at unload.
#include "qrc_typekit.cpp"

// The notifier's constant texts: the conventional slot prefix, the namespace separator of
// parameter types, and the shape and prefixes of the publisher's attach and detach slots.
#include <typekit/notifier/commonabstractnotifier_p.h>

const QByteArray Common::MetaObjectInfo::s_slotPrefix = QByteArrayLiteral("slot_");
const QByteArray Common::MetaObjectInfo::s_namespaceSeparator = QByteArrayLiteral("::");
const QByteArray Common::AbstractNotifierPrivate::s_linkParameterType = QByteArrayLiteral("const Link*");
const QByteArray Common::AbstractNotifierPrivate::s_attachedPrefix = QByteArrayLiteral("attached_");
const QByteArray Common::AbstractNotifierPrivate::s_detachedPrefix = QByteArrayLiteral("detached_");
