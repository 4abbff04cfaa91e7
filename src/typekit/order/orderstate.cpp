#include "orderstate.h"

#include <basekit/nonfatalstreamlogwrapper.h>
#include <typekit/lazytexts_p.h>

namespace Trade {

namespace {

constexpr QStringView unit = u"order/orderstate";

// By state; a completed state shows its reason's text, a virtual one the queued text.
const char *const stateTexts[] = {nullptr,
                                  QT_TR_NOOP("Queued"),
                                  QT_TR_NOOP("Working"),
                                  QT_TR_NOOP("Updating"),
                                  QT_TR_NOOP("Canceling"),
                                  nullptr,
                                  QT_TR_NOOP("Placing")};
const char *const reasonTexts[] = {nullptr, QT_TR_NOOP("Rejected"), QT_TR_NOOP("Canceled"),
                                   QT_TR_NOOP("Filled")};

} // namespace

OrderState::OrderState(Type type, Reason reason) : m_type(type), m_reason(reason)
{
    // The condition is reported as written, precedence and all.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_GCC("-Wparentheses")
    QT_WARNING_DISABLE_CLANG("-Wlogical-op-parentheses")
    TRADE_ASSERT(reason == reasonUnknown || isCompleted() && "Reason might be set only when overall state is 'completed'.",
                 u"Trade::OrderState::OrderState", unit, this);
    QT_WARNING_POP
}

QString OrderState::text(bool translated) const
{
    using Translation = detail::LazyTexts::Translation;
    static const detail::LazyTexts translatedStates(stateTexts);
    static const detail::LazyTexts translatedReasons(reasonTexts);
    static const detail::LazyTexts latin1States(stateTexts, Translation::Latin1);
    static const detail::LazyTexts latin1Reasons(reasonTexts, Translation::Latin1);
    const QStringView function = translated ? QStringView(u"Trade::OrderState::toString")
                                            : QStringView(u"Trade::OrderState::toLatin1String");

    if (m_type == Completed) {
        const QString *text = (translated ? translatedReasons : latin1Reasons).find(m_reason);
        if (text)
            return *text;
        TRADE_ASSERT(false && "unexpected complete reason", function, unit, this);
        return QString();
    }
    const Type shown = m_type == Virtual ? Queued : m_type;
    if (const QString *text = (translated ? translatedStates : latin1States).find(shown))
        return *text;
    TRADE_ASSERT(false && "unexpected order state", function, unit, this);
    return QString();
}

QString OrderState::toString() const
{
    return text(true);
}

QString OrderState::toLatin1String() const
{
    return text(false);
}

void OrderState::fromSaveableString(const QString &)
{
    m_type = Type(0);
}

} // namespace Trade
