// EAbort: the silent exception. It ends what is running like any error, but nobody reports it.
#pragma once
#include <exception>

class EAbort : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};
