// Entry of the black-box tests that start SonpixViewer.exe and drive it from outside.
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
