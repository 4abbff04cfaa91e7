#pragma once

#include <typekit/record/irecord.h>
#include <typekit/typekit_export.h>

#include <QtCore/QString>

namespace Trade {

/// The record interfaces of the host's trade log and trade history. The host implements them on
/// its record objects; the library supplies what every class of the hierarchy needs: public
/// default and copy constructors, an assignment that copies nothing (the interfaces hold no data,
/// and each virtual base is reached by several paths), and a protected destructor, so that a
/// client never deletes a record through them; the storage that owns a record deletes it.
///
///     Trade::IRecord
///      |- Trade::ILogRecord          an entry of a log
///      |- Trade::IConnectionRecord   a record that belongs to a broker connection
///      |   '- Trade::ITradeRecord    an entry of the trade history: one execution
///      '- Trade::ITradeLogRecord     a log entry about a trade (an ILogRecord and an ITradeRecord)
///
/// Each interface declares the few questions that a log window, a trade history or a report asks
/// of every entry; everything else an entry holds is in its variant record.
class TYPEKIT_EXPORT ILogRecord : public virtual IRecord
{
public:
    ILogRecord() = default;
    ILogRecord(const ILogRecord &other) = default;
    ILogRecord &operator=(const ILogRecord &) { return *this; }

    /// The entry's text as the log shows it.
    virtual QString message() const = 0;

protected:
    ~ILogRecord() override;
};

} // namespace Trade
