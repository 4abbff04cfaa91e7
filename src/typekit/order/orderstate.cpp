#include "orderstate.h"

#include <basekit/nonfatalstreamlogwrapper.h>
#include <typekit/lazytexts_p.h>
#include <typekit/textconversions_p.h>

namespace Trade {

namespace {

constexpr QStringView unit = u"order/orderstate";

// By state; a completed state shows its reason's text, a virtual one the queued text.
const char *const stateTexts[] = {nullptr,
                                  QT_TRANSLATE_NOOP("Trade::OrderState", "Queued"),
                                  QT_TRANSLATE_NOOP("Trade::OrderState", "Working"),
                                  QT_TRANSLATE_NOOP("Trade::OrderState", "Updating"),
                                  QT_TRANSLATE_NOOP("Trade::OrderState", "Canceling"),
                                  nullptr,
                                  QT_TRANSLATE_NOOP("Trade::OrderState", "Placing")};
const char *const reasonTexts[] = {nullptr, QT_TRANSLATE_NOOP("Trade::OrderState", "Rejected"),
                                   QT_TRANSLATE_NOOP("Trade::OrderState", "Canceled"),
                                   QT_TRANSLATE_NOOP("Trade::OrderState", "Filled")};

// Made while the library loads and released when it unloads; each text is made on first use.
const detail::LazyTexts translatedStates("Trade::OrderState", stateTexts);
const detail::LazyTexts translatedReasons("Trade::OrderState", reasonTexts);
const detail::LazyTexts latin1States("Trade::OrderState", stateTexts, detail::LazyTexts::Translation::Latin1);
const detail::LazyTexts latin1Reasons("Trade::OrderState", reasonTexts, detail::LazyTexts::Translation::Latin1);

} // namespace

OrderState::OrderState(Type type, Reason reason) : m_type(type), m_reason(reason)
{
    // The condition is reported as written, precedence and all.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_GCC("-Wparentheses")
    QT_WARNING_DISABLE_CLANG("-Wlogical-op-parentheses")
    TRADE_ASSERT(reason == reasonUnknown
                     || isCompleted() && "Reason might be set only when overall state is 'completed'.",
                 u"Trade::OrderState::OrderState", unit, this);
    QT_WARNING_POP
}

QString OrderState::text(bool translated) const
{
    const QStringView function =
        translated ? QStringView(u"Trade::OrderState::toString") : QStringView(u"Trade::OrderState::toLatin1String");

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

bool detail::registerOrderStateTextConversions()
{
    QMetaType::registerConverter<OrderState, QString>([](const OrderState &state) {
        return QStringLiteral("%1,%2").arg(int(state.type())).arg(int(state.reason()));
    });
    // A reason only goes with a completed state; any other pair reads as no state.
    return QMetaType::registerConverter<QString, OrderState>([](const QString &text) {
        int parts[2];
        OrderState state;
        if (readSavedNumbers(text, "Trade::OrderState", 2, parts)
            && (parts[1] == 0 || parts[0] == OrderState::Completed))
            state = OrderState(OrderState::Type(parts[0]), OrderState::Reason(parts[1]));
        return state;
    });
}

} // namespace Trade
