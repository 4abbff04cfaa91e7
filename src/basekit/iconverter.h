#pragma once

#include <basekit/basekit_export.h>
#include <basekit/dump.h>
#include <basekit/variant.h>

#include <QtCore/QMetaType>

#include <type_traits>

namespace Trade {

/// Converters: how values of one type are made, shown, compared, saved and loaded.
///
/// A converter is found by name: the converter of the type "Trade::Price" is the Qt meta-type
/// "Trade::PriceConverter". A library registers each converter class as a meta-type (see
/// registerConverterType()) and Variant dispatches to it; nothing else is registered anywhere.
class BASEKIT_EXPORT IConverter
{
public:
    /// Makes a value of the converter's type from another variant.
    virtual Variant fromVariant(const Variant &value, const Variant &context) = 0;
    /// The reverse: the value as a plain variant.
    virtual Variant toVariant(const Variant &value) = 0;
    /// The display text.
    virtual QString toString(const Variant &value) = 0;
    /// Negative, 0 or positive.
    virtual int compare(const Variant &left, const Variant &right) const = 0;
    virtual Dump save(const Variant &value) = 0;
    virtual Variant load(const Dump &dump, const Variant &context) = 0;
    virtual ~IConverter();
};

/// The neutral converter: every operation a type does not support reports "Not Implemented." and
/// gives its neutral result; save() writes the type name and this converter's own toString().
class BASEKIT_EXPORT StubConverterImpl : public IConverter
{
public:
    Variant fromVariant(const Variant &value, const Variant &context) override;
    Variant toVariant(const Variant &value) override;
    QString toString(const Variant &value) override;
    int compare(const Variant &left, const Variant &right) const override;
    Dump save(const Variant &value) override;
    Variant load(const Dump &dump, const Variant &context) override;
};

/// Implemented, beside IConverter, by the converters whose values depend on a context: a price
/// lies on its symbol's tick grid, a quantity counts its symbol's lots. Variant::convert hands a
/// value that already has the converter's type back to fromVariant() when the context is one the
/// converter rebases on, so that the value is made anew on it; other converters keep such a value
/// as it is.
class BASEKIT_EXPORT IRebasingConverter
{
public:
    /// Whether fromVariant() makes values anew on this context (a variant holding a symbol).
    virtual bool rebasesOn(const Variant &context) const = 0;

protected:
    ~IRebasingConverter() = default;
};

// Declares all six operations in a converter that supports every one of them.
#define TRADE_CONVERTER_OPERATIONS                                                                                     \
    Trade::Variant fromVariant(const Trade::Variant &value, const Trade::Variant &context) override;                   \
    Trade::Variant toVariant(const Trade::Variant &value) override;                                                    \
    QString toString(const Trade::Variant &value) override;                                                            \
    int compare(const Trade::Variant &left, const Trade::Variant &right) const override;                               \
    Trade::Dump save(const Trade::Variant &value) override;                                                            \
    Trade::Variant load(const Trade::Dump &dump, const Trade::Variant &context) override;

/// Forgets the types whose converter was looked up and not found, so that a converter registered
/// later (by a library loaded later) is found.
BASEKIT_EXPORT void forgetMissingConverters();

/// Registers a converter class as a Qt meta-type under its own qualified name and gives its id.
/// Variant creates the one instance of a converter with QMetaType::create(), so the converter's
/// IConverter must be its primary base (single, non-virtual inheritance from StubConverterImpl).
template <typename Converter>
int registerConverterType()
{
    static_assert(std::is_base_of_v<IConverter, Converter>, "a converter implements IConverter");
    static_assert(std::is_polymorphic_v<Converter> && std::is_default_constructible_v<Converter>);
    const int id = qRegisterMetaType<Converter>();
    forgetMissingConverters(); // types looked up before this registration are looked up again
    return id;
}

/// Deletes every converter instance that Variant has made. A library whose converters are cached
/// calls it when it unloads; converters are made again on next use.
BASEKIT_EXPORT void releaseConverters();

} // namespace Trade
