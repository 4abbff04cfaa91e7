// The sample host's topics and one future (tick 0.25, point value 50), made once per program.
#pragma once

#include <samplehost/symbol.h>
#include <samplehost/topics.h>

namespace bench {

struct SampleFixture
{
    Sample::StandardTopics topics;
    Sample::Symbol symbol{QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0};
};

inline SampleFixture &fixture()
{
    static SampleFixture f;
    return f;
}

} // namespace bench
