#pragma once

#include <typekit/typekit_export.h>

#include <basekit/abstractenumerationconverter.h>

#include <QtCore/qobjectdefs.h>

class QDebug;

namespace Trade {

/// The section of the trade log an entry belongs to.
class TYPEKIT_EXPORT LogCategory
{
    Q_GADGET

public:
    enum Type : qint32 {
        Balance = 1,
        BrokerOrder = 2,
        BrokerMessage = 3,
        Connection = 4,
        Execution = 5,
        LocalOrder = 6,
        Position = 7,
    };
    Q_ENUM(Type)

    LogCategory() : m_type(Type(0)) {}
    LogCategory(Type type) : m_type(type) {}
    LogCategory(int) = delete;

    Type type() const { return m_type; }
    operator Type() const { return m_type; }

    /// The translated text ("Broker Order"); empty, after a report, outside the table.
    operator QString() const;
    QString toString() const { return *this; }
    /// The same translated text.
    QString toSaveableString() const { return *this; }
    /// Log categories are not read back from text: the value stays as it is, so a category
    /// loaded through its converter is the default, 0.
    void fromSaveableString(const QString &text);

private:
    Type m_type;
};

/// The registered converter of log categories: saved and loaded as their numbers.
class TYPEKIT_EXPORT LogCategoryConverter : public AbstractEnumerationConverter<LogCategory, 0>
{
private:
    static const int metaTypeId;
};

/// For logs and failing comparisons: Trade::LogCategory(Execution).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const LogCategory &category);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::LogCategory)
