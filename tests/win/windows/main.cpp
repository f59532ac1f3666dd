// Entry of the secondary window tests: one application object for the whole run.
#include <gtest/gtest.h>

#include "ui/Application.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    TApplication application;
    Application->Initialize();
    return RUN_ALL_TESTS();
}
