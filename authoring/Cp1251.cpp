// The Windows-1251 code page as a table of its upper half, and UTF-8 encoding and decoding.
#include "authoring/Cp1251.h"

namespace {

// Code points of bytes 80..BF; 98 has no character and maps to itself. C0..FF are А..я in order.
constexpr std::uint16_t kUpperHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

std::uint32_t CodePointOf(std::uint8_t byte) {
    if (byte < 0x80) return byte;
    if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);
    return kUpperHalf[byte - 0x80];
}

// The byte for a code point, or -1 when Windows-1251 has none.
int ByteOf(std::uint32_t code) {
    if (code < 0x80) return static_cast<int>(code);
    if (code >= 0x0410 && code <= 0x044F) return static_cast<int>(0xC0 + (code - 0x0410));
    for (int i = 0; i < 64; ++i)
        if (kUpperHalf[i] == code && i != 0x18) return 0x80 + i;
    return -1;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[at]; its length, or 0 when it is not valid UTF-8
// (overlong forms, surrogates and code points above 10FFFF included).
std::size_t DecodeUtf8(const std::string& text, std::size_t at, std::uint32_t& code) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    std::size_t length;
    std::uint32_t minimum;
    if (lead < 0x80) { code = lead; return 1; }
    if ((lead & 0xE0) == 0xC0) { length = 2; code = lead & 0x1F; minimum = 0x80; }
    else if ((lead & 0xF0) == 0xE0) { length = 3; code = lead & 0x0F; minimum = 0x800; }
    else if ((lead & 0xF8) == 0xF0) { length = 4; code = lead & 0x07; minimum = 0x10000; }
    else return 0;
    if (at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

std::string Hex(std::uint32_t value, int digits) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) out[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
    return out;
}

}  // namespace

bool IsShowableCp1251(std::uint8_t byte) {
    if (byte == '\t' || byte == '\n' || byte == '\r') return true;
    return byte >= 0x20 && byte != 0x7F && byte != 0x98;
}

std::string Cp1251ToUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) AppendUtf8(out, CodePointOf(static_cast<std::uint8_t>(c)));
    return out;
}

bool IsValidUtf8(const std::string& text) {
    std::uint32_t code;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = DecodeUtf8(text, at, code);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

TUtf8Conversion Utf8ToCp1251(const std::string& utf8) {
    TUtf8Conversion result;
    std::size_t at = 0;
    if (utf8.compare(0, 3, "\xEF\xBB\xBF") == 0) at = 3;
    for (std::uint32_t code; at < utf8.size();) {
        const std::size_t length = DecodeUtf8(utf8, at, code);
        if (length == 0) {
            result.badOffset = at;
            result.reason = "invalid UTF-8";
            return result;
        }
        const int byte = ByteOf(code);
        if (byte < 0 || !IsShowableCp1251(static_cast<std::uint8_t>(byte))) {
            result.badOffset = at;
            result.reason = "character U+" + Hex(code, code > 0xFFFF ? 6 : 4) +
                            (byte < 0 ? " has no Windows-1251 form" : " cannot be shown by the viewer");
            result.cp1251.clear();
            return result;
        }
        result.cp1251 += static_cast<char>(byte);
        at += length;
    }
    result.ok = true;
    return result;
}
