#include "iconverter.h"

#include "nonfatalstreamlogwrapper.h"

namespace Trade {

namespace {
constexpr QStringView unit = u"trade/common/export/include/iconverter";
} // namespace

IConverter::~IConverter() = default;

Variant StubConverterImpl::fromVariant(const Variant &, const Variant &)
{
    TRADE_ASSERT(!"Not Implemented.", u"Trade::StubConverterImpl::fromVariant", unit, this);
    return Variant();
}

Variant StubConverterImpl::toVariant(const Variant &)
{
    TRADE_ASSERT(!"Not Implemented.", u"Trade::StubConverterImpl::toVariant", unit, this);
    return Variant();
}

QString StubConverterImpl::toString(const Variant &)
{
    TRADE_ASSERT(!"Not Implemented.", u"Trade::StubConverterImpl::toString", unit, this);
    return QString();
}

int StubConverterImpl::compare(const Variant &, const Variant &) const
{
    TRADE_ASSERT(!"Not Implemented.", u"Trade::StubConverterImpl::compare", unit, this);
    return 0;
}

Dump StubConverterImpl::save(const Variant &value)
{
    return Dump(Dump::Atom(QString::fromLatin1(value.typeName()), toString(value)));
}

Variant StubConverterImpl::load(const Dump &, const Variant &)
{
    TRADE_ASSERT(!"Not Implemented.", u"Trade::StubConverterImpl::load", unit, this);
    return Variant();
}

} // namespace Trade
