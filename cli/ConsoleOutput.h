// The tool's standard output and error on a Windows console: its UTF-8 text shown as UTF-16.
#pragma once
#ifdef _WIN32
#include <windows.h>

#include <memory>
#include <ostream>
#include <streambuf>

// While it lives, a stream whose standard handle is a console writes there with WriteConsoleW, so
// the console shows every character whatever its code page; a stream redirected to a file or a
// pipe is left alone and carries the tool's UTF-8 bytes unchanged.
class TConsoleOutput {
public:
    TConsoleOutput(std::ostream& stream, DWORD standardHandle);
    ~TConsoleOutput();
    TConsoleOutput(const TConsoleOutput&) = delete;
    TConsoleOutput& operator=(const TConsoleOutput&) = delete;

private:
    std::ostream& m_stream;
    std::unique_ptr<std::streambuf> m_console;  // owned; null when the handle is no console
    std::streambuf* m_previous = nullptr;        // the stream's own buffer, put back on destruction
};
#endif
