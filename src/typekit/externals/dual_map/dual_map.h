// A one-to-one table searchable from both sides: enumerator to persistent text when saving, text
// to enumerator when loading. Each table is filled once by a chain of inserts and read-only
// afterwards. Text keys compare exactly (case-sensitive, no trimming).
//
// The two key types must differ: each side is found by its type.
#pragma once

#include <basekit/nonfatalstreamlogwrapper.h>
#include <basekit/typetext.h>

#include <set>
#include <type_traits>
#include <utility>

template <class K1, class K2>
class dual_map
{
    static_assert(!std::is_same_v<K1, K2>, "the two sides of a dual_map are told apart by type");

public:
    // A key that may be null. Reading a null key reports and gives the stored value all the same.
    template <class T>
    class Nullable
    {
    public:
        Nullable() : m_value(), m_isNull(true) {}
        Nullable(const T &value) : m_value(value), m_isNull(false) {}

        const T &value() const
        {
            TRADE_ASSERT(!m_isNull, functionText(QStringLiteral("Nullable<%1>::value")
                                                     .arg(Trade::reportTypeText<T>())),
                         unit(), this);
            return m_value;
        }
        bool isNull() const { return m_isNull; }

    private:
        T m_value;
        bool m_isNull;
    };

    using entry = std::pair<Nullable<K1>, Nullable<K2>>;

    // Orders entries by their A side. Two entries compare by their bound keys; a null key is a
    // broken entry: it is reported and sorts before every non-null key. Lookups compare an entry
    // with a bare key of the bound side, so they never meet a null.
    template <class A, class B>
    struct key1bind
    {
        using is_transparent = void;

        static const Nullable<A> &side(const entry &e)
        {
            if constexpr (std::is_same_v<A, K1>)
                return e.first;
            else
                return e.second;
        }

        bool operator()(const entry &left, const entry &right) const
        {
            const Nullable<A> &l = side(left);
            const Nullable<A> &r = side(right);
            if (l.isNull() || r.isNull()) {
                TRADE_ASSERT(!"both key1 and key2 must be not NULL",
                             functionText(QStringLiteral("key1bind<%1,%2>::operator ()")
                                              .arg(Trade::reportTypeText<A>(),
                                                   Trade::reportTypeText<B>())),
                             unit(), this);
                return l.isNull() && !r.isNull();
            }
            return l.value() < r.value();
        }
        bool operator()(const entry &left, const A &right) const { return side(left).value() < right; }
        bool operator()(const A &left, const entry &right) const { return left < side(right).value(); }
    };

    // Adds a pair; a key already present on either side is reported and the pair skipped, so the
    // first pair stays in force. Returns the map, so that inserts chain.
    dual_map &insert(const K1 &key1, const K2 &key2)
    {
        if (m_byKey1.find(key1) != m_byKey1.end() || m_byKey2.find(key2) != m_byKey2.end()) {
            TRADE_ASSERT(!"both key1 and key2 must be unique", functionText(u"insert"), unit(),
                         this);
            return *this;
        }
        const entry pair(key1, key2);
        m_byKey1.insert(pair);
        m_byKey2.insert(pair);
        return *this;
    }

    // The K2 paired with key1, or the fallback.
    K2 findKey2(const K1 &key1, const K2 &fallback) const
    {
        const auto found = m_byKey1.find(key1);
        return found == m_byKey1.end() ? fallback : found->second.value();
    }

    // The K1 paired with key2, or the fallback.
    K1 findKey1(const K2 &key2, const K1 &fallback) const
    {
        const auto found = m_byKey2.find(key2);
        return found == m_byKey2.end() ? fallback : found->first.value();
    }

    int size() const { return int(m_byKey1.size()); }

private:
    static QStringView unit() { return u"externals/dual_map/dual_map"; }
    static QString functionText(QStringView member)
    {
        return QStringLiteral("dual_map<%1,%2>::%3")
            .arg(Trade::reportTypeText<K1>(), Trade::reportTypeText<K2>(), member);
    }

    std::set<entry, key1bind<K1, K2>> m_byKey1;
    std::set<entry, key1bind<K2, K1>> m_byKey2;
};
