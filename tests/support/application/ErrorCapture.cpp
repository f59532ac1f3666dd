// Error capture for the Windows tests over the component layer.
#include "tests/support/application/ErrorCapture.h"

#include <gtest/gtest.h>

#include "ui/Application.h"

void FailOnUnexpectedError(const std::exception& error) { ADD_FAILURE() << "error box: " << error.what(); }

TErrorCapture::TErrorCapture() : m_previous(Application->OnException) {
    Application->OnException = [this](const std::exception& error) { Messages.push_back(error.what()); };
}

TErrorCapture::~TErrorCapture() { Application->OnException = m_previous; }

std::vector<std::string> TErrorCapture::Shown() const {
    std::vector<std::string> shown;
    for (const std::string& text : Messages) shown.push_back(ErrorBoxText(text));
    return shown;
}
