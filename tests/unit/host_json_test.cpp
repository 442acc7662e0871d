// The JSON writer behind `dump`: commas, escapes, and reals JSON can hold.
#include <gtest/gtest.h>

#include <limits>

#include "host/json_writer.h"

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

}  // namespace
}  // namespace drennomar::host
