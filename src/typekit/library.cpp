// What the library does when it is loaded and unloaded.
//
// Every load-time step lives in this one unit, so that C++ runs them in the order they are
// written here; unloading undoes them in reverse. Value types register their own meta-types
// lazily, the first time their id is asked for (Q_DECLARE_METATYPE); the converters are
// registered here, because that is how Variant finds them by name.
//
// The order: the converters of connection states and log categories and the money-management
// converters; the persistent-text tables of the order enumerations; the text conversions of the
// values saved without a converter (each type's own, beside it); the storage filter meta-types,
// the types of the storages' change signal and the variant record converter; the average-price
// tolerance; the remaining value converters; the library's Qt resource. The notifier's constant
// texts are made by notifierkit, which is loaded before this library. The test of the library
// checks this order by the ids the meta-types receive.

#include <typekit/connection/connectionstate.h>
#include <typekit/eventsource.h>
#include <typekit/order/orderflags.h>
#include <typekit/order/spreadlegsorderinfo.h>
#include <typekit/order/orderstate.h>
#include <typekit/log/logcategory.h>
#include <typekit/mms/exitstrategy/exitstrategylevel.h>
#include <typekit/mms/exitstrategy/pyramid.h>
#include <typekit/mms/stopstrategy/stopstrategylevel.h>
#include <typekit/order/orderstoragefilter.h>
#include <typekit/position/positionstoragefilter.h>
#include <typekit/storage/istorage.h>
#include <typekit/order/bracketcategory.h>
#include <typekit/order/orderaction.h>
#include <typekit/order/ordercategory.h>
#include <typekit/order/orderexpiry.h>
#include <typekit/averageprice.h>
#include <typekit/percent.h>
#include <typekit/price.h>
#include <typekit/profit.h>
#include <typekit/quantity.h>
#include <typekit/numeric_p.h>
#include <typekit/textconversions_p.h>
#include <typekit/position/tradeside.h>
#include <typekit/symbol/symbolcategory.h>
#include <typekit/variant/fieldset.h>
#include <typekit/variant/variantrecord.h>
#include <typekit/variantrecordlist.h>

#include <basekit/iconverter.h>

namespace {

// Constructed first, destroyed last: once everything below has been torn down, the converter
// instances that basekit made from this library's classes go too.
struct ConverterRelease
{
    ~ConverterRelease() { Trade::releaseConverters(); }
} s_converterRelease;

} // namespace

const int Trade::ConnectionStateConverter::metaTypeId = Trade::registerConverterType<Trade::ConnectionStateConverter>();
const int Trade::LogCategoryConverter::metaTypeId = Trade::registerConverterType<Trade::LogCategoryConverter>();
const int Trade::ExitStrategyLevelConverter::metaTypeId =
    Trade::registerConverterType<Trade::ExitStrategyLevelConverter>();
const int Trade::ExitStrategyLevelsConverter::metaTypeId =
    Trade::registerConverterType<Trade::ExitStrategyLevelsConverter>();
const int Trade::PyramidConverter::metaTypeId = Trade::registerConverterType<Trade::PyramidConverter>();
const int Trade::StopStrategyLevelConverter::metaTypeId =
    Trade::registerConverterType<Trade::StopStrategyLevelConverter>();
const int Trade::StopStrategyLevelsConverter::metaTypeId =
    Trade::registerConverterType<Trade::StopStrategyLevelsConverter>();

// The persistent texts of the order enumerations, read-only from here on.
const dual_map<Trade::BracketCategory::Type, QString> Trade::BracketCategory::s_persistentTexts =
    Trade::BracketCategory::buildPersistentTexts();
const dual_map<Trade::OrderAction::Type, QString> Trade::OrderAction::s_persistentTexts =
    Trade::OrderAction::buildPersistentTexts();
const dual_map<Trade::OrderCategory::Type, QString> Trade::OrderCategory::s_persistentTexts =
    Trade::OrderCategory::buildPersistentTexts();
const dual_map<Trade::OrderExpiry::Type, QString> Trade::OrderExpiry::s_persistentTexts =
    Trade::OrderExpiry::buildPersistentTexts();

// Values without a converter travel in saved records as texts (textconversions_p.h): the order
// enumerations as their persistent texts, a symbol category as its number, an event source as
// "source,gesture", an event reason as "reason:free text", an order state as "state,reason" and
// order flags as their bits.
static const bool s_textConversions = Trade::detail::registerSavedTextConversions<Trade::BracketCategory>()
                                      && Trade::detail::registerSavedTextConversions<Trade::OrderAction>()
                                      && Trade::detail::registerSavedTextConversions<Trade::OrderCategory>()
                                      && Trade::detail::registerSavedTextConversions<Trade::OrderExpiry>()
                                      && Trade::detail::registerSavedTextConversions<Trade::SymbolCategory>()
                                      && Trade::detail::registerSavedTextConversions<Trade::EventSource>()
                                      && Trade::detail::registerSavedTextConversions<Trade::EventReason>()
                                      && Trade::detail::registerOrderStateTextConversions()
                                      && Trade::detail::registerOrderFlagsTextConversions();

// The storage filters travel in variants without converters; their ids are kept with them.
const int Trade::OrderStorageFilter::metaTypeId = qRegisterMetaType<Trade::OrderStorageFilter>();
const int Trade::PositionStorageFilter::metaTypeId = qRegisterMetaType<Trade::PositionStorageFilter>();
const int Trade::StorageFilter::metaTypeId = qRegisterMetaType<Trade::StorageFilter>();
// Storages announce their changes with these types, through queued connections too, whose
// arguments Qt finds by the names written in the signal.
static const int s_storageChangeTypes[] = {qRegisterMetaType<Trade::IStorage::ChangeEvent>(),
                                           qRegisterMetaType<Trade::IRecord *>(),
                                           qRegisterMetaType<Trade::IStorage *>()};

const int Trade::VariantRecordConverter::metaTypeId = Trade::registerConverterType<Trade::VariantRecordConverter>();

// The tolerance of average prices.
const double Trade::s_averagePriceEpsilon = Trade::detail::tenToTheMinusTen();

const int Trade::AveragePriceConverter::metaTypeId = Trade::registerConverterType<Trade::AveragePriceConverter>();
// Field sets travel in variants without a converter.
static const int s_fieldSetMetaTypeId = qRegisterMetaType<Trade::FieldSet>();
const int Trade::PercentConverter::metaTypeId = Trade::registerConverterType<Trade::PercentConverter>();
const int Trade::PriceConverter::metaTypeId = Trade::registerConverterType<Trade::PriceConverter>();
const int Trade::ProfitConverter::metaTypeId = Trade::registerConverterType<Trade::ProfitConverter>();
const int Trade::QuantityConverter::metaTypeId = Trade::registerConverterType<Trade::QuantityConverter>();
const int Trade::TradeSideConverter::metaTypeId = Trade::registerConverterType<Trade::TradeSideConverter>();
const int Trade::VariantRecordListConverter::metaTypeId =
    Trade::registerConverterType<Trade::VariantRecordListConverter>();
const int Trade::SpreadLegsOrderInfoConverter::metaTypeId =
    Trade::registerConverterType<Trade::SpreadLegsOrderInfoConverter>();

// The library's one resource, "/typekit/typekit.rc" (the version resource script), registered
// with resource format version 1 at this point of the load and unregistered at unload.
#include "qrc_typekit.cpp"
