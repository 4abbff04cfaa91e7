// Saved layouts are files on a user's disk: whatever they hold, reading them back must not crash.
// Feeds arbitrary text to Dump::fromJson and every dump that parses to Variant::load (records and
// record lists included, with the sample host's topics installed so that saved fields resolve),
// then writes the result back out.
#include <samplehost/topics.h>
#include <typekit/connection/connectionstate.h>
#include <typekit/position/tradeside.h>

#include <basekit/dump.h>
#include <servicekit/servicekit.h>

#include <QtCore/QString>

namespace {

// Reports are expected here; keep them off stderr so the fuzzer's own output stays readable.
class QuietService final : public IMarquelService
{
public:
    void reportAssertion(QStringView, unsigned, QStringView, const void *, QStringView) override {}
    void logMessage(int, int, QStringView, unsigned, QStringView, const void *, QStringView) override {}
    qint8 channelLevel(int) override { return -1; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QuietService quiet;
    static const bool installed = (setMarquelServiceApi(&quiet), Trade::ConnectionState().toString(), true);
    static Sample::StandardTopics topics;
    (void)installed;

    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const Trade::Dump dump = Trade::Dump::fromJson(text, &error);
    if (dump.isNull())
        return 0;
    if (Trade::Dump::fromJson(dump.toJsonIndented()) != dump)
        __builtin_trap();  // what we write must read back the same
    const Trade::Variant loaded = Trade::Variant::load(dump, Trade::Variant());
    (void)loaded.toString();
    (void)loaded.save().toJsonIndented();
    (void)(loaded == loaded);
    return 0;
}
