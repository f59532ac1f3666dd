// Host programs (xdotool, parec) run from inside the Wine prefix through the host's /bin/sh.
#pragma once
#include <string>

// Starts /bin/sh -c command and returns at once; false when it could not be started. Wine starts
// a host program without a process handle, so nothing can wait for it this way.
bool StartUnixCommand(const std::string& command);
// Runs /bin/sh -c command and waits (up to timeoutMs) until it has ended; false when it could not
// be started, did not end in time, or ended with a non-zero status.
bool RunUnixCommand(const std::string& command, int timeoutMs = 10000);

// A fresh host path under /tmp for a file of this process (name tells what it is for), and the
// same file as this process sees it through drive Z:.
std::string NewHostTempPath(const std::string& name);
std::string HostPathOnZ(const std::string& hostPath);
