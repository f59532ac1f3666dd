// The creator's command line: SonpixCreator.exe [FILE].
#pragma once
#include <string>

// The first argument after the program's own name as a full ANSI path, or empty when there is none.
std::string CommandLineFile();
