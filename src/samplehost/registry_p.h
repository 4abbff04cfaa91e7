// The sample host's live objects by name, so that a saved key finds its object again.
#pragma once

#include <QtCore/QMultiHash>
#include <QtCore/QString>

#include <iterator>
#include <mutex>

namespace Sample {

// A name may be used by more than one object; the first found answers.
template <typename T>
struct Registry
{
    std::mutex mutex;
    QMultiHash<QString, T *> byName;

    void add(const QString &name, T *object)
    {
        const std::lock_guard<std::mutex> lock(mutex);
        byName.insert(name, object);
    }
    void remove(T *object)
    {
        const std::lock_guard<std::mutex> lock(mutex);
        for (auto it = byName.begin(); it != byName.end();)
            it = it.value() == object ? byName.erase(it) : std::next(it);
    }
    T *find(const QString &name)
    {
        const std::lock_guard<std::mutex> lock(mutex);
        return byName.value(name);
    }
};

} // namespace Sample
