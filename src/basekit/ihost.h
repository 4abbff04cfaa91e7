#pragma once

#include <basekit/basekit_export.h>

#include <QtCore/QByteArray>

namespace Trade {

/// A dictionary entry: the dictionary name and the name of the symbol it stands for (UTF-8).
struct SymbolDictionaryEntry
{
    QByteArray name;
    QByteArray underlyingName;
};

/// The host's dictionary of symbol names: which names it knows and what each stands for.
class BASEKIT_EXPORT ISymbolDictionary
{
public:
    virtual bool contains(const QByteArray &symbolName) const = 0;
    /// The entry of a known name; an empty entry for an unknown one.
    virtual SymbolDictionaryEntry entry(const QByteArray &symbolName) const = 0;
    virtual ~ISymbolDictionary();
};

/// The host application as the libraries see it. Of the host, the trading types need its symbol
/// dictionary: names the host defines itself (baskets, synthetic instruments) that stand for an
/// underlying symbol.
class BASEKIT_EXPORT IHost
{
public:
    virtual ISymbolDictionary &symbolDictionary() = 0;
    virtual ~IHost();

    /// The host installed last that is still installed; before a host installs itself (and
    /// after all have left), a host with an empty dictionary stands in, so this is never null.
    static IHost *instance();
    /// Hosts stack: install() puts one on top, remove() takes one out wherever it stands, so
    /// hosts may leave in any order. The caller keeps ownership.
    static void install(IHost *host);
    static void remove(IHost *host);
};

} // namespace Trade
