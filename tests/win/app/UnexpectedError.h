// The error handler the main window tests run under: an error box no test expected fails the test.
#pragma once
#include <exception>

void UnexpectedErrorFails(const std::exception& error);
