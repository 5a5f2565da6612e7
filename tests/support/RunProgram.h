#pragma once
// A program of this build (or any) run to its end with its output captured, for tests that drive
// the records tool and the Python clients as an administrator or a player would.
#include <string>
#include <vector>

namespace kv::test {

struct ProgramRun {
    int status = -1;  // the exit status; -1 if it did not end by itself
    std::string out, err;
};

// argv[0] is the program's path. Killed after `seconds`, so that a hang fails the test.
ProgramRun RunProgram(std::vector<std::string> argv, int seconds = 20);

}  // namespace kv::test
