// JSON string escaping and a field-by-field object builder.
#include "cli/Json.h"

#include <cstdio>

#include "authoring/Cp1251.h"

std::string JsonQuoted(const std::string& utf8) {
    std::string out = "\"";
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        const auto byte = static_cast<std::uint8_t>(utf8[at]);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += static_cast<char>(byte);
        } else if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\r') {
            out += "\\r";
        } else if (byte == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", byte);
            out += escaped;
        } else if (byte < 0x80) {
            out += static_cast<char>(byte);
        } else {
            // Copies one whole UTF-8 sequence, or puts the replacement character for a broken one.
            std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            const std::string sequence = utf8.substr(at, length);
            if (length > 1 && sequence.size() == length && IsValidUtf8(sequence)) {
                out += sequence;
                at += length - 1;
            } else {
                out += "\xEF\xBF\xBD";
            }
        }
    }
    return out + "\"";
}

TJsonObject& TJsonObject::AddRaw(const std::string& name, const std::string& json) {
    if (!m_body.empty()) m_body += ',';
    m_body += JsonQuoted(name) + ":" + json;
    return *this;
}

TJsonObject& TJsonObject::Add(const std::string& name, const std::string& text) { return AddRaw(name, JsonQuoted(text)); }
TJsonObject& TJsonObject::Add(const std::string& name, std::int64_t number) { return AddRaw(name, std::to_string(number)); }
TJsonObject& TJsonObject::Add(const std::string& name, bool value) { return AddRaw(name, value ? "true" : "false"); }
TJsonObject& TJsonObject::AddNull(const std::string& name) { return AddRaw(name, "null"); }
TJsonObject& TJsonObject::AddObject(const std::string& name, const TJsonObject& object) {
    return AddRaw(name, object.Text());
}

TJsonObject& TJsonObject::AddFixed(const std::string& name, double number, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, number);
    return AddRaw(name, text);
}
