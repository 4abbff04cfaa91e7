#pragma once

#include <typekit/topic/iordertopic.h>
#include <typekit/topic/isymboltopic.h>
#include <typekit/typekit_export.h>
#include <typekit/variant/fieldset.h>

namespace Trade {

/// The host's standard topics, installed once at host start and removed at shutdown. Order and
/// symbol records take their topics from here when they are made.
class TYPEKIT_EXPORT IStandardTopics
{
public:
    virtual IOrderTopic *orderTopic() const = 0;
    virtual ISymbolTopic *symbolTopic() const = 0;
    virtual ~IStandardTopics();

    /// The installed topics; before the host installs them this reports and gives null.
    static IStandardTopics *instance();
    /// The same, silently.
    static IStandardTopics *installed() { return s_instance; }

    /// Every field of both topics, order fields first, each in its topic's order (empty without
    /// installed topics, after instance()'s report).
    static FieldSet allFields();

protected:
    /// Installs (non-null over null) or removes (null over non-null) the host's topics; anything
    /// else is reported and done all the same.
    static void setInstance(IStandardTopics *value);

    static IStandardTopics *s_instance;
};

} // namespace Trade
