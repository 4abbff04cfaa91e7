// Display texts made once per value, on the value's first use, and kept for the life of the
// library. Safe when the first uses happen on several threads at once; later reads are one
// atomic load.
#pragma once

#include <QtCore/QCoreApplication>
#include <QtCore/QString>

#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>

namespace Trade {
namespace detail {

class LazyTexts
{
public:
    enum class Translation { Translated, Latin1 };

    // sources[value] is the source text of a value, null for values without one, marked with
    // QT_TRANSLATE_NOOP in `context` (the qualified class name, "Trade::OrderAction") so that
    // lupdate files it where the translation is looked up. The context and the array must
    // outlive this object (literals and a static array do).
    template <std::size_t N>
    LazyTexts(const char *context, const char *const (&sources)[N], Translation translation = Translation::Translated)
        : m_context(context), m_sources(sources), m_count(N), m_translation(translation),
          m_texts(new std::atomic<const QString *>[N]())
    {
    }
    ~LazyTexts()
    {
        for (std::size_t i = 0; i < m_count; ++i)
            delete m_texts[i].load(std::memory_order_relaxed);
    }
    LazyTexts(const LazyTexts &) = delete;
    LazyTexts &operator=(const LazyTexts &) = delete;

    // The text of a value, or null when the value has none.
    const QString *find(qint64 value) const
    {
        if (value < 0 || std::size_t(value) >= m_count || !m_sources[value])
            return nullptr;
        const QString *text = m_texts[std::size_t(value)].load(std::memory_order_acquire);
        return text ? text : make(std::size_t(value));
    }

private:
    const QString *make(std::size_t value) const
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        const QString *text = m_texts[value].load(std::memory_order_relaxed);
        if (!text) {
            text = new QString(m_translation == Translation::Translated
                                   ? QCoreApplication::translate(m_context, m_sources[value])
                                   : QString::fromLatin1(m_sources[value]));
            m_texts[value].store(text, std::memory_order_release);
        }
        return text;
    }

    const char *m_context;
    const char *const *m_sources;
    std::size_t m_count;
    Translation m_translation;
    std::unique_ptr<std::atomic<const QString *>[]> m_texts;
    mutable std::mutex m_mutex;
};

// The source text of a value in a table indexed by value; null when the value has none.
template <std::size_t N>
const char *sourceText(const char *const (&sources)[N], qint64 value)
{
    return value >= 0 && std::size_t(value) < N ? sources[value] : nullptr;
}

// An empty text whose reference lives as long as the library.
inline const QString &emptyText()
{
    static const QString empty;
    return empty;
}

} // namespace detail
} // namespace Trade
