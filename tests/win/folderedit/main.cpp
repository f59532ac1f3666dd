// Entry of the folder field and browse dialog tests: one application object for the whole run.
#include <gtest/gtest.h>

#include "tests/win/folderedit/FolderEditTestSupport.h"
#include "ui/Application.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    TApplication application;
    Application->Initialize();
    // Reported errors are recorded, never shown in a modal box that would stop the run.
    Application->OnException = [](const std::exception& error) { ReportedErrors().push_back(error.what()); };
    return RUN_ALL_TESTS();
}
