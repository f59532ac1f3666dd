// The exception boundary: no exception may unwind through the platform's frames (window
// procedures, timer callbacks, hand-overs between threads). Whatever escapes the body, of any
// type, is reported through the application's standard error box and the program goes on.
#pragma once
#include <exception>
#include <utility>

// Reports an error that reached a boundary (see TApplication::ReportException).
void ReportBoundaryException(const std::exception& error);
// Reports an escaped object that is not a std::exception, as "Unknown error".
void ReportUnknownBoundaryException();

// Runs body; on an exception reports it and returns fallback.
template <class Body, class Result = decltype(std::declval<Body&>()())>
Result Guarded(Body&& body, Result fallback = Result()) {
    try {
        return body();
    } catch (const std::exception& error) {
        ReportBoundaryException(error);
    } catch (...) {
        ReportUnknownBoundaryException();
    }
    return fallback;
}

// The same for a body that returns nothing.
template <class Body>
void GuardedRun(Body&& body) {
    try {
        body();
    } catch (const std::exception& error) {
        ReportBoundaryException(error);
    } catch (...) {
        ReportUnknownBoundaryException();
    }
}
