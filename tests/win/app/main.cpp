// Entry of the main window tests: one application object for the whole run.
#include <gtest/gtest.h>

#include "tests/win/app/UnexpectedError.h"
#include "ui/Application.h"

void UnexpectedErrorFails(const std::exception& error) { ADD_FAILURE() << "error box: " << error.what(); }

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    TApplication application;
    Application->Initialize();
    // An error no test expected fails that test instead of waiting on a modal error box.
    Application->OnException = UnexpectedErrorFails;
    return RUN_ALL_TESTS();
}
