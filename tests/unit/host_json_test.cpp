// The JSON writer behind `dump`: commas, escapes, and reals JSON can hold.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

#include "host/json_writer.h"
#include "host/panel_host.h"

namespace drennomar::host {
namespace {

TEST(JsonWriter, WritesCompactJsonWithEscapesAndShortestReals) {
    JsonWriter w;
    w.BeginObject();
    w.Key("s").String("a\"b\\c\n\x01");
    w.Key("n").StringOrNull(nullptr);
    w.Key("list").BeginArray().Int(-1).Real(0.1).Real(-70.0).Real(1e20).EndArray();
    w.Key("odd").BeginArray();
    w.Real(std::numeric_limits<double>::quiet_NaN()).Real(std::numeric_limits<double>::infinity());
    w.EndArray();
    w.Key("empty").BeginArray().EndArray();
    w.Key("t").Bool(true);
    w.EndObject();
    EXPECT_EQ(w.Text(), R"({"s":"a\"b\\c\u000a\u0001","n":null,"list":[-1,0.1,-70,1e+20],)"
                        R"("odd":[null,null],"empty":[],"t":true})");
}

TEST(Real17, WritesPercent17gTheSameEverywhere) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0"},
        {-0.0, "-0"},
        {24.0, "24"},
        {0.1, "0.10000000000000001"},
        {-1e20, "-1e+20"},
        {1e-5, "1.0000000000000001e-05"},
        {123.25, "123.25"},
        {nan, "nan"},
        {-nan, "nan"},
        {std::numeric_limits<double>::infinity(), "inf"},
        {-std::numeric_limits<double>::infinity(), "-inf"},
        {1.7976931348623157e308, "1.7976931348623157e+308"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Real17(c.value), c.text);
        if (!std::isnan(c.value)) {
            char printf_text[64];
            std::snprintf(printf_text, sizeof printf_text, "%.17g", c.value);
            EXPECT_EQ(Real17(c.value), printf_text);
        }
    }
}

}  // namespace
}  // namespace drennomar::host
