#pragma once

#include <notifierkit/notifierkit_export.h>

#include <memory>
#include <mutex>

namespace Common {

/// The lock of the notifier framework's lazy, once-only fills: recursive for the thread that holds
/// it, with a try that never blocks.
class NOTIFIERKIT_EXPORT CriticalSection
{
public:
    CriticalSection();
    ~CriticalSection();
    CriticalSection(const CriticalSection &) = delete;
    CriticalSection &operator=(const CriticalSection &) = delete;

    /// Blocks until this thread holds the lock; a thread that holds it already goes one level
    /// deeper.
    void enter();
    /// Takes the lock if it is free or already held by this thread, and says whether it did.
    bool tryEnter();
    /// Releases one level.
    void leave();

private:
    /// Always there after construction; each operation reports its absence and then does
    /// nothing (tryEnter() answers false).
    std::unique_ptr<std::recursive_mutex> m_impl;
};

/// Holds a critical section for its scope.
class CriticalSectionLocker
{
public:
    explicit CriticalSectionLocker(CriticalSection *section) : m_section(section) { m_section->enter(); }
    ~CriticalSectionLocker() { m_section->leave(); }
    CriticalSectionLocker(const CriticalSectionLocker &) = delete;
    CriticalSectionLocker &operator=(const CriticalSectionLocker &) = delete;

private:
    CriticalSection *m_section;
};

} // namespace Common
