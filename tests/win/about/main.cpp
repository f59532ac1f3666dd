// Entry of the About window tests: one application object for the run.
#include <gtest/gtest.h>

#include "ui/Application.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    TApplication application;
    Application->Initialize();
    Application->OnException = [](const std::exception& error) { ADD_FAILURE() << "error box: " << error.what(); };
    return RUN_ALL_TESTS();
}
