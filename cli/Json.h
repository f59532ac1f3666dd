// The few pieces of JSON the info command prints: quoted strings and one object built field by field.
#pragma once
#include <cstdint>
#include <string>

// A JSON string literal for UTF-8 text; bytes that are not valid UTF-8 become U+FFFD.
std::string JsonQuoted(const std::string& utf8);

// Builds {"name":value,...} in the order the fields are added.
class TJsonObject {
public:
    TJsonObject& Add(const std::string& name, const std::string& text);  // a string
    TJsonObject& Add(const std::string& name, const char* text) { return Add(name, std::string(text)); }
    TJsonObject& Add(const std::string& name, std::int64_t number);
    TJsonObject& Add(const std::string& name, int number) { return Add(name, static_cast<std::int64_t>(number)); }
    TJsonObject& Add(const std::string& name, bool value);
    TJsonObject& AddFixed(const std::string& name, double number, int decimals);
    TJsonObject& AddNull(const std::string& name);
    TJsonObject& AddObject(const std::string& name, const TJsonObject& object);
    std::string Text() const { return "{" + m_body + "}"; }

private:
    TJsonObject& AddRaw(const std::string& name, const std::string& json);
    std::string m_body;
};
