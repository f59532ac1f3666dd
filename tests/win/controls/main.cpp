// Entry of the threaded timer and scrolling panel tests: one application object for the run.
#include <gtest/gtest.h>

#include "ui/Application.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    TApplication application;
    Application->Initialize();
    return RUN_ALL_TESTS();
}
