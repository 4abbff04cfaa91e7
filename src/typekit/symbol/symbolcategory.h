#pragma once

#include <typekit/typekit_export.h>

#include <basekit/domain.h>
#include <symbolkit/korsymbol.h>

class QDebug;

namespace Trade {

/// The instrument class of a symbol (stock, future, forex, ...), numbered as symbol names are
/// classified, with its display names and the choices offered to users.
class TYPEKIT_EXPORT SymbolCategory
{
public:
    SymbolCategory() : m_type(Symbology::symbolTypeUndefined) {}
    SymbolCategory(Symbology::KorSymbolType type) : m_type(type) {}

    Symbology::KorSymbolType type() const { return m_type; }
    operator Symbology::KorSymbolType() const { return m_type; }

    /// The number as decimal text, and back (0 for a text that is not a number). The number is
    /// also the saved text; the display text is name().
    QString toString() const;
    static SymbolCategory fromString(const QString &text);
    QString toSaveableString() const { return toString(); }
    void fromSaveableString(const QString &text) { *this = fromString(text); }

    /// Has a name and is not Undefined.
    bool isValid() const;
    /// The translated name and plural name; an invalid category reports first and then gives its
    /// name if it has one ("Undefined" for 0) and an empty text otherwise.
    QString name() const;
    QString pluralName() const;
    /// Futures of every kind can roll over to the next contract.
    bool canRoll() const;
    /// A valid category that can be traded (see tradeDomain()).
    bool isTradeble() const;

    /// Every valid category, once each, in the order users see them.
    static Domain domain();
    /// The categories that can be traded, in the order users see them.
    static Domain tradeDomain();

    /// The category of a symbol name. Continuous, forward and spot futures count as futures.
    /// Dictionary names are resolved through the host's symbol dictionary to their underlying
    /// symbol, at most maxDictionaryHops times in a row: a dictionary whose names lead back to
    /// dictionary names beyond that gives Undefined rather than looping.
    static SymbolCategory fromSymbolName(const QString &name);
    static constexpr int maxDictionaryHops = 8;

private:
    Symbology::KorSymbolType m_type;
};

/// For logs and failing comparisons: Trade::SymbolCategory(Future).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const SymbolCategory &category);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::SymbolCategory)
