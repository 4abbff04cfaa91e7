#pragma once

#include <typekit/record/irecord.h>
#include <typekit/symbol/isymbol.h>
#include <typekit/typekit_export.h>

namespace Trade {

/// A record that belongs to one broker connection (an execution, a connection log entry). See
/// log/ilogrecord.h for the record interfaces of the trade log and history.
class TYPEKIT_EXPORT IConnectionRecord : public virtual IRecord
{
public:
    IConnectionRecord() = default;
    IConnectionRecord(const IConnectionRecord &other) = default;
    IConnectionRecord &operator=(const IConnectionRecord &) { return *this; }

    /// The connection the record came through; null once the host has dropped it.
    virtual IBrokerConnection *connection() const = 0;

protected:
    ~IConnectionRecord() override;
};

} // namespace Trade
