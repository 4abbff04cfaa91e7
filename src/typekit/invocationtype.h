#pragma once

#include <typekit/typekit_export.h>

#include <QtCore/QString>
#include <QtCore/qobjectdefs.h>

class QDebug;

namespace Common {

/// The user gesture that started an action: a button click, a context menu, a hot key, ...
class TYPEKIT_EXPORT InvocationType
{
    Q_GADGET

public:
    enum Code : qint32 {
        ButtonClick = 1,
        MouseLeftClick = 2,
        MouseRightClick = 3,
        MouseMiddleClick = 4,
        MouseDoubleClick = 5,
        MouseDragDrop = 6,
        ContextMenu = 7,
        LabelContextMenu = 8,
        LabelButton = 9,
        MainMenu = 10,
        HotKey = 11,
    };
    Q_ENUM(Code)

    InvocationType(qint32 code = 0) : m_code(code) {}

    qint32 code() const { return m_code; }
    /// The code, under the name every enumeration class gives its value.
    Code type() const { return Code(m_code); }
    bool operator==(const InvocationType &other) const { return m_code == other.m_code; }
    bool operator!=(const InvocationType &other) const { return m_code != other.m_code; }

    /// The translated text, made on each call ("Hot Key"; empty for 0); a code outside the table
    /// reports and gives an empty text. A gesture has no saved text of its own: an event source
    /// saves its code.
    QString toString() const;

private:
    qint32 m_code;
};

/// For logs and failing comparisons: Common::InvocationType(HotKey).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const InvocationType &invocation);

} // namespace Common
