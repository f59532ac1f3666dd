// The program's command line as the viewer reads it: blank-separated arguments, double quotes
// grouping an argument and removed from it; and the test for a Sonpix file argument.
#pragma once
#include <string>
#include <vector>

// Every argument of a command line, the program's own name first.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);
// The first argument after the program's name, or empty when there is none.
std::string FirstArgument(const std::string& commandLine);
// The first argument of this process's command line.
std::string FirstCommandLineArgument();
// True when the extension of the path, upper-cased, is ".SONPIX".
bool IsSonpixPath(const std::string& path);
