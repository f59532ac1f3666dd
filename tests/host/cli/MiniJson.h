// A small JSON reader for the tests: parses one document and fails on anything that is not JSON.
#pragma once
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

struct TJson {
    enum TKind { null, boolean, number, string, array, object } kind = null;
    bool flag = false;
    double value = 0;
    std::string text;
    std::vector<TJson> items;
    std::map<std::string, TJson> fields;

    const TJson& operator[](const std::string& name) const {
        const auto found = fields.find(name);
        if (kind != object || found == fields.end()) throw std::runtime_error("no field " + name);
        return found->second;
    }
    bool Has(const std::string& name) const { return fields.count(name) != 0; }
};

class TJsonReader {
public:
    static TJson Parse(const std::string& text) {
        TJsonReader reader(text);
        TJson value = reader.Value();
        reader.Space();
        if (reader.m_at != text.size()) reader.Fail("text after the value");
        return value;
    }

private:
    explicit TJsonReader(const std::string& text) : m_text(text) {}
    [[noreturn]] void Fail(const std::string& why) { throw std::runtime_error("JSON: " + why + " at " + std::to_string(m_at)); }
    void Space() { while (m_at < m_text.size() && std::string(" \t\r\n").find(m_text[m_at]) != std::string::npos) ++m_at; }
    bool Take(char c) { Space(); if (m_at < m_text.size() && m_text[m_at] == c) { ++m_at; return true; } return false; }
    bool Word(const char* word) {
        const std::string w(word);
        if (m_text.compare(m_at, w.size(), w) != 0) return false;
        m_at += w.size();
        return true;
    }
    std::string String() {
        if (!Take('"')) Fail("string expected");
        std::string out;
        while (m_at < m_text.size() && m_text[m_at] != '"') {
            char c = m_text[m_at++];
            if (static_cast<unsigned char>(c) < 0x20) Fail("raw control character");
            if (c != '\\') { out += c; continue; }
            if (m_at >= m_text.size()) Fail("cut escape");
            c = m_text[m_at++];
            const std::string simple = "\"\\/bfnrt", meant = "\"\\/\b\f\n\r\t";
            if (simple.find(c) != std::string::npos) { out += meant[simple.find(c)]; continue; }
            if (c != 'u' || m_at + 4 > m_text.size()) Fail("bad escape");
            const unsigned code = static_cast<unsigned>(std::stoul(m_text.substr(m_at, 4), nullptr, 16));
            m_at += 4;
            if (code < 0x80) out += static_cast<char>(code);
            else if (code < 0x800) { out += static_cast<char>(0xC0 | (code >> 6)); out += static_cast<char>(0x80 | (code & 0x3F)); }
            else { out += static_cast<char>(0xE0 | (code >> 12)); out += static_cast<char>(0x80 | ((code >> 6) & 0x3F)); out += static_cast<char>(0x80 | (code & 0x3F)); }
        }
        if (!Take('"')) Fail("unterminated string");
        return out;
    }
    TJson Value() {
        Space();
        TJson v;
        if (m_at >= m_text.size()) Fail("value expected");
        const char c = m_text[m_at];
        if (c == '{') {
            ++m_at;
            v.kind = TJson::object;
            if (Take('}')) return v;
            do {
                Space();
                const std::string name = String();
                if (!Take(':')) Fail("colon expected");
                v.fields[name] = Value();
            } while (Take(','));
            if (!Take('}')) Fail("} expected");
        } else if (c == '[') {
            ++m_at;
            v.kind = TJson::array;
            if (Take(']')) return v;
            do v.items.push_back(Value()); while (Take(','));
            if (!Take(']')) Fail("] expected");
        } else if (c == '"') {
            v.kind = TJson::string;
            v.text = String();
        } else if (Word("true") || Word("false")) {
            v.kind = TJson::boolean;
            v.flag = m_text[m_at - 1] == 'e' && m_text[m_at - 2] == 'u';
        } else if (Word("null")) {
            v.kind = TJson::null;
        } else {
            std::size_t used = 0;
            v.kind = TJson::number;
            v.value = std::stod(m_text.substr(m_at), &used);
            m_at += used;
        }
        return v;
    }
    const std::string& m_text;
    std::size_t m_at = 0;
};
