// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace zunpeko::crash {

// A program started with its standard output on a pipe to us, to be waited
// for or killed.
class ChildProcess {
  public:
    // Starts program with args; Running() tells whether that worked.
    ChildProcess(const std::string& program, const std::vector<std::string>& args);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Running() const { return pid_ > 0; }

    // Reads its output up to the first line break; false if it ended first.
    bool WaitForLine(const std::string& line);

    // SIGKILL, then reaps it.
    void Kill();

    // Waits for it to end; its exit code, or -1 if a signal ended it.
    int Wait();

  private:
    pid_t pid_ = -1;
    int output_ = -1;
};

}  // namespace zunpeko::crash
