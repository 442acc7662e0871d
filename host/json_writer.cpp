#include "host/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace drennomar::host {

void JsonWriter::BeforeValue() {
    if (after_key_) {
        after_key_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) text_ += ',';
        first_.back() = false;
    }
}

void JsonWriter::Quote(std::string_view s) {
    text_ += '"';
    for (char c : s) {
        auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text_ += '\\';
            text_ += c;
        } else if (u < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", u);
            text_ += esc;
        } else {
            text_ += c;
        }
    }
    text_ += '"';
}

JsonWriter& JsonWriter::BeginObject() {
    BeforeValue();
    text_ += '{';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    text_ += '}';
    first_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    BeforeValue();
    text_ += '[';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    text_ += ']';
    first_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
    BeforeValue();
    Quote(key);
    text_ += ':';
    after_key_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view s) {
    BeforeValue();
    Quote(s);
    return *this;
}

JsonWriter& JsonWriter::StringOrNull(const char* s) { return s != nullptr ? String(s) : Null(); }

JsonWriter& JsonWriter::Int(std::int64_t value) {
    BeforeValue();
    text_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Real(double value) {
    if (!std::isfinite(value)) return Null();
    BeforeValue();
    char buf[64];
    auto result = std::to_chars(buf, buf + sizeof buf, value);
    text_.append(buf, result.ptr);
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    BeforeValue();
    text_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null() {
    BeforeValue();
    text_ += "null";
    return *this;
}

}  // namespace drennomar::host
