// Entry of every Windows test program. A program over the component layer (built with
// WITH_APPLICATION) gets one application object for the whole run, and an error no test expected
// fails that test instead of stopping the run in a modal error box.
#include <gtest/gtest.h>

#ifdef WITH_APPLICATION
#include "tests/support/application/ErrorCapture.h"
#include "ui/Application.h"
#endif

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
#ifdef WITH_APPLICATION
    TApplication application;
    Application->Initialize();
    Application->OnException = FailOnUnexpectedError;
#endif
    return RUN_ALL_TESTS();
}
