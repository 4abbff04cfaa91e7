#pragma once

#include <typekit/typekit_export.h>

#include <basekit/dump.h>
#include <basekit/variant.h>

#include <QtCore/QList>

namespace Trade {

class IField;
class VariantRecord;

/// The entries of a record, as any record object shows them.
class TYPEKIT_EXPORT IRecordData
{
public:
    virtual QList<IField *> fields() const = 0;
    virtual bool contains(IField *field) const = 0;
    virtual bool hasValue(IField *field) const = 0;
    virtual const Variant &rawValue(IField *field) const = 0;
    virtual void setValue(IField *field, const Variant &value) = 0;
    virtual void remove(IField *field) = 0;
    virtual void clear() = 0;
    virtual Dump dump() const = 0;
    virtual int size() const = 0;
    virtual const VariantRecord &record() const = 0;
    virtual ~IRecordData();
};

} // namespace Trade
