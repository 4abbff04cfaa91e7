#pragma once

#include <typekit/typekit_export.h>

#include <QtCore/QMetaType>
#include <QtCore/QString>

namespace Trade {

/// A field descriptor of the host: one attribute of a kind of record (the limit price of an
/// order, the lot size of a symbol). Records key their entries by the descriptor object itself,
/// never by its name; the host owns the descriptors and keeps them for as long as records live.
class TYPEKIT_EXPORT IField
{
public:
    /// The identifier, unique among the host's fields; it is what a saved record keeps.
    virtual const QString &id() const = 0;
    virtual const QString &name() const = 0;
    /// The meta-type id of the values stored under this field.
    virtual int valueType() const = 0;
    virtual ~IField();
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::IField *)
