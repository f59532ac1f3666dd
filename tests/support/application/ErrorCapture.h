// Errors that reach the application's error box during Windows tests: captured instead of shown.
#pragma once
#include <exception>
#include <functional>
#include <string>
#include <vector>

// The handler every test program over the component layer runs with: an error no test expected
// fails the running test instead of waiting on a modal error box.
void FailOnUnexpectedError(const std::exception& error);

// Records the errors the application reports while it lives; then the handler before it comes back.
class TErrorCapture {
public:
    TErrorCapture();
    ~TErrorCapture();
    TErrorCapture(const TErrorCapture&) = delete;
    TErrorCapture& operator=(const TErrorCapture&) = delete;

    // The texts as raised, in the order reported.
    std::vector<std::string> Messages;
    // The same texts as the standard error box shows them (with the full stop).
    std::vector<std::string> Shown() const;

private:
    std::function<void(const std::exception&)> m_previous;
};
