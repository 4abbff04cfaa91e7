#include "container.h"

#include <basekit/logstream.h>
#include <basekit/nonfatalstreamlogwrapper.h>

namespace Trade {

namespace {

constexpr QStringView unit = u"container";

// The element types as the reports of each instantiation name them.
template <typename T>
struct ElementText;
template <>
struct ElementText<IRecord *>
{
    static constexpr QStringView text = u"class Trade::IRecord *";
};
template <>
struct ElementText<IPosition *>
{
    static constexpr QStringView text = u"class Trade::IPosition *";
};

// "Trade::Enumerable<class Trade::IRecord *>::size", made only when a report needs it.
template <typename T>
QString functionText(QStringView className, QStringView member)
{
    return QStringLiteral("Trade::%1<%2>::%3").arg(className, ElementText<T>::text, member);
}

// What a failed read gives: a null element that lives as long as the library.
template <typename T>
const T &noElement()
{
    static const T none{};
    return none;
}

} // namespace

template <typename T>
EnumerableContainerIterator<T>::EnumerableContainerIterator() : m_parent(nullptr), m_index(0)
{
}

template <typename T>
EnumerableContainerIterator<T>::EnumerableContainerIterator(const Enumerable<T> *parent, int index)
    : m_parent(parent), m_index(index)
{
    TRADE_ASSERT(index >= 0, functionText<T>(u"EnumerableContainerIterator", u"EnumerableContainerIterator"), unit,
                 this);
}

template <typename T>
const T &EnumerableContainerIterator<T>::operator*() const
{
    TRADE_ASSERT(m_parent != NULL, functionText<T>(u"EnumerableContainerIterator", u"operator *"), unit, this);
    return m_parent ? m_parent->value(m_index) : noElement<T>();
}

template <typename T>
EnumerableContainerIterator<T> &EnumerableContainerIterator<T>::operator++()
{
    ++m_index;
    return *this;
}

template <typename T>
EnumerableContainerIterator<T> EnumerableContainerIterator<T>::operator++(int)
{
    EnumerableContainerIterator before = *this;
    ++m_index;
    return before;
}

template <typename T>
bool EnumerableContainerIterator<T>::operator==(const EnumerableContainerIterator &other) const
{
    TRADE_ASSERT(m_parent == other.m_parent && "Incompatible iterators.",
                 functionText<T>(u"EnumerableContainerIterator", u"operator =="), unit, this);
    return m_index == other.m_index;
}

template <typename T>
Enumerable<T>::Enumerable(const Enumerable *other) : m_other(other)
{
}

template <typename T>
Enumerable<T>::~Enumerable()
{
}

template <typename T>
int Enumerable<T>::size() const
{
    TRADE_ASSERT(m_other != NULL, functionText<T>(u"Enumerable", u"size"), unit, this);
    return m_other ? m_other->size() : 0;
}

template <typename T>
bool Enumerable<T>::empty() const
{
    TRADE_ASSERT(m_other != NULL, functionText<T>(u"Enumerable", u"empty"), unit, this);
    return m_other ? m_other->empty() : true;
}

template <typename T>
const T &Enumerable<T>::value(int index) const
{
    TRADE_ASSERT(m_other != NULL, functionText<T>(u"Enumerable", u"value"), unit, this);
    return m_other ? m_other->value(index) : noElement<T>();
}

template <typename T>
Container<T>::Container() : Enumerable<T>(nullptr)
{
}

template <typename T>
Container<T>::Container(const Container &other) : Enumerable<T>(nullptr), m_elements(other.m_elements)
{
}

template <typename T>
Container<T> &Container<T>::operator=(const Container &other)
{
    m_elements = other.m_elements;
    return *this;
}

template <typename T>
Container<T>::~Container()
{
}

template <typename T>
void Container<T>::append(const T &element)
{
    m_elements.append(element);
}

template <typename T>
int Container<T>::size() const
{
    return int(m_elements.size());
}

template <typename T>
bool Container<T>::empty() const
{
    return m_elements.isEmpty();
}

template <typename T>
const T &Container<T>::value(int index) const
{
    const int count = size();
    if (Q_LIKELY(index >= 0 && index < count))
        return m_elements.at(index);
    const QString function = functionText<T>(u"Container", u"value");
    Shadow::LogStream(0, 4, unit, __LINE__, function, this) << "Index is out of range."
                                                            << " index=" << index << ","
                                                            << " size=" << count;
    TRADE_ASSERT_AS(false, u"false && \"Index is out of range.\"", function, unit, this);
    return noElement<T>();
}

template class EnumerableContainerIterator<IRecord *>;
template class EnumerableContainerIterator<IPosition *>;
template class Enumerable<IRecord *>;
template class Enumerable<IPosition *>;
template class Container<IRecord *>;
template class Container<IPosition *>;

} // namespace Trade
