// What the notifier framework makes when it is loaded: its constant texts, read-only from here
// on (the conventional slot prefix, the namespace separator of parameter types, and the shape and
// prefixes of the publisher's attach and detach slots). They are defined in this one unit so that
// they exist before any other library that loads after this one subscribes anything.
#include <notifierkit/commonabstractnotifier_p.h>

const QByteArray Common::MetaObjectInfo::s_slotPrefix = QByteArrayLiteral("slot_");
const QByteArray Common::MetaObjectInfo::s_namespaceSeparator = QByteArrayLiteral("::");
const QByteArray Common::AbstractNotifierPrivate::s_linkParameterType = QByteArrayLiteral("const Link*");
const QByteArray Common::AbstractNotifierPrivate::s_attachedPrefix = QByteArrayLiteral("attached_");
const QByteArray Common::AbstractNotifierPrivate::s_detachedPrefix = QByteArrayLiteral("detached_");
