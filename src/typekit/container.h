#pragma once

#include <typekit/typekit_export.h>

#include <QtCore/QVector>

#include <cstddef>
#include <iterator>

namespace Trade {

/// Declared exported here, before anything else names them: the instantiations below take their
/// visibility from their element types. (irecord.h and iposition.h include this header first.)
class TYPEKIT_EXPORT IRecord;
class TYPEKIT_EXPORT IPosition;

template <typename T>
class TYPEKIT_EXPORT Enumerable;

/// A position in an enumerable: dereferencing reads value(index) of the enumerable, so the walk
/// sees the enumerable as it is at each step. The end position has the index size().
template <typename T>
class TYPEKIT_EXPORT EnumerableContainerIterator
{
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    using pointer = const T *;
    using reference = const T &;

    /// Walks nothing; dereferencing it reports and gives a null element.
    EnumerableContainerIterator();
    /// A negative index is reported and kept.
    EnumerableContainerIterator(const Enumerable<T> *parent, int index);

    const T &operator*() const;
    const T *operator->() const { return &**this; }
    EnumerableContainerIterator &operator++();
    EnumerableContainerIterator operator++(int);

    /// Iterators of two different enumerables are reported and compared by index alone.
    bool operator==(const EnumerableContainerIterator &other) const;
    bool operator!=(const EnumerableContainerIterator &other) const { return !(*this == other); }

    const Enumerable<T> *parent() const { return m_parent; }
    int index() const { return m_index; }

private:
    const Enumerable<T> *m_parent;
    int m_index;
};

/// A read-only, range-for view of a sequence of T that some other object holds, such as the
/// records of a storage. It forwards to that object and reports when it has none.
template <typename T>
class TYPEKIT_EXPORT Enumerable
{
public:
    using const_iterator = EnumerableContainerIterator<T>;

    /// Forwards every call to `other` (not owned, which must outlive this one). Without one, each
    /// call is reported and the enumerable reads as empty.
    explicit Enumerable(const Enumerable *other = nullptr);
    virtual ~Enumerable();

    virtual int size() const;
    virtual bool empty() const;
    virtual const T &value(int index) const;

    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, size()); }

protected:
    Enumerable(const Enumerable &other) = default;
    Enumerable &operator=(const Enumerable &other) = default;

private:
    const Enumerable *m_other;
};

/// Read-only sequences of host objects, as storages hand out their records and positions.
///
/// Trade::Enumerable<T> is the interface: size(), empty() and value(index), and begin()/end() for
/// range-for. A plain Enumerable forwards every call to another one (a storage may hand out a view
/// of a sequence it keeps elsewhere); Trade::Container<T> keeps its own elements in an implicitly
/// shared vector, so copies are cheap until one of them appends.
///
///     for (Trade::IRecord *record : storage->records())
///         ...
///
/// Both are offered for T = Trade::IRecord* and T = Trade::IPosition* (instantiated and exported by
/// the library). Broken preconditions are reported and the call goes on with a neutral result:
/// an Enumerable that forwards to nothing is empty, an index out of range gives a null element.
template <typename T>
class TYPEKIT_EXPORT Container : public Enumerable<T>
{
public:
    Container();
    /// Shares the other's elements; forwards to nothing.
    Container(const Container &other);
    Container &operator=(const Container &other);
    ~Container() override;

    void append(const T &element);

    int size() const override;
    bool empty() const override;
    /// An index out of range is logged as an error and reported; the result is a null element.
    const T &value(int index) const override;

private:
    QVector<T> m_elements;
};

extern template class EnumerableContainerIterator<IRecord *>;
extern template class EnumerableContainerIterator<IPosition *>;
extern template class Enumerable<IRecord *>;
extern template class Enumerable<IPosition *>;
extern template class Container<IRecord *>;
extern template class Container<IPosition *>;

} // namespace Trade
