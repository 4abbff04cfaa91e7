#pragma once

#include <samplehost/samplehost_export.h>

#include <basekit/ihost.h>

#include <QtCore/QHash>

namespace Sample {

/// The symbol dictionary of the sample host: names defined by a test, each standing for an
/// underlying name.
class SAMPLEHOST_EXPORT SymbolDictionary final : public Trade::ISymbolDictionary
{
public:
    /// Makes `name` stand for `underlyingName` (UTF-8); defining a name again replaces it.
    void define(const QByteArray &name, const QByteArray &underlyingName);
    void remove(const QByteArray &name);
    void clear();

    bool contains(const QByteArray &symbolName) const override;
    Trade::SymbolDictionaryEntry entry(const QByteArray &symbolName) const override;

private:
    QHash<QByteArray, QByteArray> m_underlying;
};

/// An in-memory host for tests, examples and plug-in authors: it installs itself as the process's
/// host for its lifetime and keeps a symbol dictionary that callers fill.
///
///     Sample::Host host;
///     host.dictionary().define("=TECH", "MSFT");  // a dictionary name for a stock
///     Trade::SymbolCategory::fromSymbolName(QStringLiteral("=TECH"));  // Stock
class SAMPLEHOST_EXPORT Host final : public Trade::IHost
{
public:
    /// Installs this host; the destructor removes it again.
    Host();
    ~Host() override;
    Host(const Host &) = delete;
    Host &operator=(const Host &) = delete;

    Trade::ISymbolDictionary &symbolDictionary() override { return m_dictionary; }
    SymbolDictionary &dictionary() { return m_dictionary; }

private:
    SymbolDictionary m_dictionary;
};

} // namespace Sample
