// Built by the test checked_fits (it must compile) and checked_other_type, _no_qobject, _other_class (they must not).
#include <notifierkit/checkedsubscription.h>

#include <QtCore/QString>

struct Source
{
    void changed(int, const QString &) const {}
};

struct Sink : QObject
{
    void takeBoth(int, QString) {}
    void takeDouble(double) {}
};

struct NoObject
{
    void take(int) {}
};

void wire(Common::INotifier *publisher, Sink *sink)
{
#if defined(CHECKED_OTHER_TYPE)
    Common::subscribe(publisher, TRADE_SIGNAL(Source, changed), sink, TRADE_SLOT(Sink, takeDouble));
#elif defined(CHECKED_NO_QOBJECT)
    NoObject plain;
    Common::subscribe(publisher, TRADE_SIGNAL(Source, changed), &plain, TRADE_SLOT(NoObject, take));
#elif defined(CHECKED_OTHER_CLASS)
    NoObject plain;
    Common::subscribe(publisher, TRADE_SIGNAL(Source, changed), sink, TRADE_SLOT(NoObject, take));
#else
    Common::subscribe(publisher, TRADE_SIGNAL(Source, changed), sink, TRADE_SLOT(Sink, takeBoth));
#endif
}
