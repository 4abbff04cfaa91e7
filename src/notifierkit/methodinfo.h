#pragma once

#include <notifierkit/notifierkit_export.h>

#include <QtCore/QByteArray>
#include <QtCore/QList>

#include <atomic>

namespace Common {

/// A Qt method signature taken apart: the name and the parameter type texts of
/// "connectionChanged(Trade::IBrokerConnection*,Trade::IBrokerConnectionProvider*)".
///
/// A decorated signature carries Qt's method code in front, as QObject::connect takes it:
/// '2' for a signal (SIGNAL(...)), '1' for a slot (SLOT(...)). SignalInfo and SlotInfo remove
/// their code from a decorated text and put it back in decoratedSignature().
class NOTIFIERKIT_EXPORT MethodInfo
{
public:
    MethodInfo() = default;
    explicit MethodInfo(const QByteArray &signature) : m_signature(signature) {}
    /// A description of a method of a meta-object, with the index by which Qt finds it.
    MethodInfo(const QByteArray &signature, int methodIndex) : m_signature(signature), m_methodIndex(methodIndex) {}
    /// Copies the parsed part only if it is complete (a copy of a description not yet parsed
    /// parses on its own first use).
    MethodInfo(const MethodInfo &other);
    /// Descriptions are not reassigned: this reports and leaves the target as it was.
    MethodInfo &operator=(const MethodInfo &other);
    ~MethodInfo();

    /// The text before "(", and the texts between "(" and ")" split at ",", as they stand.
    /// Parsed on first use.
    const QByteArray &name() const;
    const QList<QByteArray> &parameters() const;
    const QByteArray &signature() const { return m_signature; }
    /// The index that the meta-object it was read from gives the method (the one Qt's lookup by
    /// text finds, the most derived class's), or -1 for a description made from a text.
    int methodIndex() const { return m_methodIndex; }
    /// An empty description stands for a lookup that found nothing.
    bool isEmpty() const { return m_signature.isEmpty(); }

    /// Parses the signature once; later calls (from any thread) find it done. A text that is no
    /// signature is reported and parsed as far as it goes. First parses of all descriptions go
    /// through one process-wide lock: they are rare (once per description) and short, so a
    /// description carries no lock of its own and copies stay cheap.
    void parse() const;

    /// Whether the text starts with the code and its first "(" stands before its last ")".
    static bool isDecorated(const QByteArray &text, char code);

private:
    mutable QByteArray m_name;
    mutable QList<QByteArray> m_parameters;
    QByteArray m_signature;
    int m_methodIndex = -1;
    mutable std::atomic<bool> m_parsed{false};
};

/// A signal or slot description: a method description that knows its code.
template <char Code>
class CodedMethodInfo : public MethodInfo
{
public:
    static constexpr char code = Code;

    CodedMethodInfo() = default;
    /// A text decorated with this kind's code loses the code; any other text is the signature.
    explicit CodedMethodInfo(const QByteArray &text)
        : MethodInfo(isDecorated(text) ? text.mid(1) : text),
          m_decoratedSignature(isDecorated(text) ? text : decorate(text))
    {
    }
    /// A method of a meta-object: its signature (undecorated) and its index.
    CodedMethodInfo(const QByteArray &signature, int methodIndex)
        : MethodInfo(signature, methodIndex), m_decoratedSignature(decorate(signature))
    {
    }
    CodedMethodInfo(const CodedMethodInfo &other) = default;
    CodedMethodInfo &operator=(const CodedMethodInfo &other)
    {
        MethodInfo::operator=(other); // reports; nothing changes
        return *this;
    }

    /// The code followed by the signature; empty when the signature is.
    const QByteArray &decoratedSignature() const { return m_decoratedSignature; }

    static bool isDecorated(const QByteArray &text) { return MethodInfo::isDecorated(text, Code); }

private:
    /// Made once, when the info is made: its copies all share the one text.
    static QByteArray decorate(const QByteArray &signature)
    {
        return signature.isEmpty() ? QByteArray() : Code + signature;
    }

    QByteArray m_decoratedSignature;
};

using SignalInfo = CodedMethodInfo<'2'>;
using SlotInfo = CodedMethodInfo<'1'>;

} // namespace Common
