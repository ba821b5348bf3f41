#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace payvanta::test {

// A JSON value as the tests need it: members keep their order, numbers keep their text.
struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text; // a number's digits as written, or a string's characters
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    const JsonValue* member(std::string_view name) const {
        for (const auto& [key, value] : members) {
            if (key == name) {
                return &value;
            }
        }
        return nullptr;
    }
};

// Strict reading of one JSON text (RFC 8259), or nothing with the offset where it went
// wrong in error.
class JsonReader {
public:
    static std::optional<JsonValue> read(std::string_view text, std::string* error = nullptr) {
        JsonReader r(text);
        JsonValue v;
        r.skipSpace();
        if (!r.value(v, 0)) {
            return r.fail(error);
        }
        r.skipSpace();
        if (r.at_ != text.size()) {
            return r.fail(error);
        }
        return v;
    }

private:
    explicit JsonReader(std::string_view text) : text_(text) {}

    std::optional<JsonValue> fail(std::string* error) const {
        if (error != nullptr) {
            *error = "invalid JSON at offset " + std::to_string(at_);
        }
        return std::nullopt;
    }
    bool more() const { return at_ < text_.size(); }
    char peek() const { return more() ? text_[at_] : '\0'; }
    void skipSpace() {
        while (more() && (peek() == ' ' || peek() == '\n' || peek() == '\r' || peek() == '\t')) {
            ++at_;
        }
    }
    bool literal(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) {
            return false;
        }
        at_ += word.size();
        return true;
    }

    bool value(JsonValue& v, int depth) {
        if (depth > 64) {
            return false;
        }
        switch (peek()) {
        case 'n':
            v.kind = JsonValue::Kind::Null;
            return literal("null");
        case 't':
            v.kind = JsonValue::Kind::Bool;
            v.boolean = true;
            return literal("true");
        case 'f':
            v.kind = JsonValue::Kind::Bool;
            return literal("false");
        case '"':
            v.kind = JsonValue::Kind::String;
            return string(v.text);
        case '[':
            v.kind = JsonValue::Kind::Array;
            return array(v, depth);
        case '{':
            v.kind = JsonValue::Kind::Object;
            return object(v, depth);
        default:
            v.kind = JsonValue::Kind::Number;
            return number(v.text);
        }
    }

    bool array(JsonValue& v, int depth) {
        ++at_;
        skipSpace();
        if (peek() == ']') {
            ++at_;
            return true;
        }
        while (true) {
            skipSpace();
            JsonValue item;
            if (!value(item, depth + 1)) {
                return false;
            }
            v.items.push_back(std::move(item));
            skipSpace();
            if (peek() == ',') {
                ++at_;
            } else if (peek() == ']') {
                ++at_;
                return true;
            } else {
                return false;
            }
        }
    }

    bool object(JsonValue& v, int depth) {
        ++at_;
        skipSpace();
        if (peek() == '}') {
            ++at_;
            return true;
        }
        while (true) {
            skipSpace();
            std::string key;
            if (peek() != '"' || !string(key)) {
                return false;
            }
            skipSpace();
            if (peek() != ':') {
                return false;
            }
            ++at_;
            skipSpace();
            JsonValue item;
            if (!value(item, depth + 1)) {
                return false;
            }
            v.members.emplace_back(std::move(key), std::move(item));
            skipSpace();
            if (peek() == ',') {
                ++at_;
            } else if (peek() == '}') {
                ++at_;
                return true;
            } else {
                return false;
            }
        }
    }

    static void appendUtf8(std::string& out, unsigned cp) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }

    bool hex4(unsigned& cp) {
        if (at_ + 4 > text_.size()) {
            return false;
        }
        cp = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_++];
            cp <<= 4;
            if (c >= '0' && c <= '9') {
                cp |= static_cast<unsigned>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                cp |= static_cast<unsigned>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                cp |= static_cast<unsigned>(c - 'A' + 10);
            } else {
                return false;
            }
        }
        return true;
    }

    bool string(std::string& out) {
        ++at_;
        while (more()) {
            const char c = text_[at_++];
            if (c == '"') {
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return false;
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            if (!more()) {
                return false;
            }
            const char e = text_[at_++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out += e;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                unsigned cp = 0;
                if (!hex4(cp)) {
                    return false;
                }
                if (cp >= 0xD800 && cp < 0xDC00) {
                    unsigned low = 0;
                    if (!literal("\\u") || !hex4(low) || low < 0xDC00 || low >= 0xE000) {
                        return false;
                    }
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                }
                appendUtf8(out, cp);
                break;
            }
            default:
                return false;
            }
        }
        return false;
    }

    bool number(std::string& out) {
        const std::size_t start = at_;
        auto digits = [&] {
            const std::size_t from = at_;
            while (more() && peek() >= '0' && peek() <= '9') {
                ++at_;
            }
            return at_ > from;
        };
        if (peek() == '-') {
            ++at_;
        }
        if (peek() == '0') {
            ++at_;
        } else if (!digits()) {
            return false;
        }
        if (peek() == '.') {
            ++at_;
            if (!digits()) {
                return false;
            }
        }
        if (peek() == 'e' || peek() == 'E') {
            ++at_;
            if (peek() == '+' || peek() == '-') {
                ++at_;
            }
            if (!digits()) {
                return false;
            }
        }
        out = std::string(text_.substr(start, at_ - start));
        return true;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

} // namespace payvanta::test
