#pragma once

#include <typekit/externals/dual_map/dual_map.h>

namespace Trade {

/// The persistent texts of an enumeration class: the fixed, untranslated texts under which its
/// values are saved, one global two-way table per class. A class derives from this, names its
/// table persistentTexts() and keeps its enumerator in m_type.
template <typename Derived>
class PersistentTexts
{
public:
    /// The persistent text; empty for a value outside the table.
    QString toSaveableString() const
    {
        return Derived::persistentTexts().findKey2(static_cast<const Derived &>(*this).m_type, QString());
    }
    /// The value whose persistent text is exactly `text` (case and spaces count), or 0.
    void fromSaveableString(const QString &text)
    {
        Derived &self = static_cast<Derived &>(*this);
        self.m_type = Derived::persistentTexts().findKey1(text, decltype(self.m_type)(0));
    }
};

} // namespace Trade
