#include "abstractnotifier.h"

#include <QtCore/QMetaObject>

namespace Trade {

namespace {

QString addressText(const void *address)
{
    return QStringLiteral("0x%1").arg(quintptr(address), 0, 16);
}

Dump atom(const QString &text)
{
    return Dump(Dump::Atom(QStringLiteral("QString"), text));
}

QString className(const QObject *object)
{
    return object ? QString::fromLatin1(object->metaObject()->className()) : QString();
}

} // namespace

AbstractNotifier::AbstractNotifier() = default;

AbstractNotifier::~AbstractNotifier() = default;

Dump AbstractNotifier::dump() const
{
    // qobject() reports a class that is no QObject; a dump is for diagnostics, so look quietly.
    const QObject *object = dynamic_cast<const QObject *>(this);
    Dump::Struct result(object ? className(object) : QStringLiteral("Trade::AbstractNotifier"));
    if (object && !object->objectName().isEmpty())
        result.insert(QStringLiteral("objectName"), atom(object->objectName()));
    Dump::Container links(QStringLiteral("links"));
    for (const Link &link : Common::AbstractNotifier::links()) {
        Dump::Struct item(QStringLiteral("link"));
        item.insert(QStringLiteral("signal"), atom(QString::fromLatin1(link.signal.signature)));
        item.insert(QStringLiteral("observer"),
                    atom(className(link.delegate.observer) + QLatin1Char('@') + addressText(link.delegate.observer)));
        item.insert(QStringLiteral("slot"), atom(QString::fromLatin1(link.delegate.slot)));
        links.append(Dump(item));
    }
    result.insert(QStringLiteral("links"), Dump(links));
    return Dump(result);
}

} // namespace Trade
