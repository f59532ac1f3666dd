// A stream buffer that converts UTF-8 to UTF-16 for WriteConsoleW, and its fitting to a stream.
#include "cli/ConsoleOutput.h"

#ifdef _WIN32
#include <algorithm>
#include <string>

#include "authoring/Utf16.h"

namespace {

// The length of the text without a UTF-8 sequence cut off at its end, which waits for the rest.
std::size_t CompleteUtf8Length(const std::string& text) {
    std::size_t tail = 0;  // continuation bytes at the end
    while (tail < 3 && tail < text.size() && (static_cast<unsigned char>(text[text.size() - 1 - tail]) & 0xC0) == 0x80)
        ++tail;
    if (tail == text.size()) return text.size();
    const auto lead = static_cast<unsigned char>(text[text.size() - 1 - tail]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return length > tail + 1 ? text.size() - tail - 1 : text.size();
}

class TConsoleBuffer : public std::streambuf {
public:
    explicit TConsoleBuffer(HANDLE console) : m_console(console) {}
    ~TConsoleBuffer() override { Write(m_pending.size()); }

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return sync() == 0 ? traits_type::not_eof(c) : traits_type::eof();
        const char character = traits_type::to_char_type(c);
        return xsputn(&character, 1) == 1 ? c : traits_type::eof();
    }
    // Text is written a line at a time (and in pieces of a few kilobytes within a long line).
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        m_pending.append(text, static_cast<std::size_t>(count));
        const bool line = std::find(text, text + count, '\n') != text + count;
        if ((line || m_pending.size() >= kPiece) && !Write(CompleteUtf8Length(m_pending))) return 0;
        return count;
    }
    int sync() override { return Write(CompleteUtf8Length(m_pending)) ? 0 : -1; }

private:
    static constexpr std::size_t kPiece = 4096;

    // Writes the first count bytes of the pending text; false when the console refuses them.
    bool Write(std::size_t count) {
        const std::wstring wide = Utf8ToUtf16(m_pending.substr(0, count));
        m_pending.erase(0, count);
        std::size_t done = 0;
        while (done < wide.size()) {
            DWORD put = 0;
            std::size_t want = std::min<std::size_t>(wide.size() - done, kPiece);
            // A piece never ends between the two halves of a surrogate pair.
            if (want < wide.size() - done && IS_HIGH_SURROGATE(wide[done + want - 1])) --want;
            if (!WriteConsoleW(m_console, wide.data() + done, static_cast<DWORD>(want), &put, nullptr) || put == 0) return false;
            done += put;
        }
        return true;
    }

    HANDLE m_console;       // not owned: the process's standard handle
    std::string m_pending;  // UTF-8 not yet written
};

}  // namespace

TConsoleOutput::TConsoleOutput(std::ostream& stream, DWORD standardHandle) : m_stream(stream) {
    const HANDLE handle = GetStdHandle(standardHandle);
    DWORD mode = 0;
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) return;
    m_stream.flush();
    m_console = std::make_unique<TConsoleBuffer>(handle);
    m_previous = m_stream.rdbuf(m_console.get());
}

TConsoleOutput::~TConsoleOutput() {
    if (!m_console) return;
    m_stream.flush();
    m_stream.rdbuf(m_previous);
}
#endif
