// Starting another program: handed to the shell (returns at once), or as a process that the
// caller waits for, keeping its exit code.
#pragma once
#include <string>

// Exit code of the last program started with Wait; 0 after every call that did not run one to its end.
extern unsigned long LastExitCode;

// Starts Program with Params. WorkFolder empty means the folder part of Program. ShowCmd 0 means
// SW_SHOWNORMAL. Without Wait the shell opens Program (a program or a document) and the call
// returns at once; with Wait, Program must be an existing file, it runs in a new process whose
// current folder is Program's folder (WorkFolder is not used), and the call blocks until it
// ends. True when the program was started (and, with Wait, has ended).
bool LaunchProgram(const std::string& Program, const std::string& Params, const std::string& WorkFolder, bool Wait,
                   int ShowCmd);

// The command line of the waiting way: Program between double quotes (so that a path with
// blanks cannot start another program that the unquoted path would name), a blank, Params.
std::string LaunchCommandLine(const std::string& Program, const std::string& Params);
