// A small writer of compact JSON text: objects, arrays, strings, numbers,
// booleans and null, with the commas placed for the caller.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace drennomar::host {

class JsonWriter {
  public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    /// The key of the next member of the open object.
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view text);
    /// A C string, or null for a null pointer.
    JsonWriter& StringOrNull(const char* text);
    JsonWriter& Int(std::int64_t value);
    /// The shortest text that reads back as the same double; null for a
    /// value JSON cannot hold (NaN, infinities).
    JsonWriter& Real(double value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();

    const std::string& Text() const { return text_; }

  private:
    void BeforeValue();
    void Quote(std::string_view text);
    std::string text_;
    std::vector<bool> first_;  // per open container: nothing written in it yet
    bool after_key_ = false;
};

}  // namespace drennomar::host
