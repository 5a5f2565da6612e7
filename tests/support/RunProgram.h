#pragma once
// A program run to its end with its output captured, killed after a bound so that a hang fails
// the test instead of stalling it.

#include <string>
#include <vector>

namespace kv::test {

struct ProgramRun {
    int status = -1;  // the exit status; -1 if it was killed or did not start
    std::string out, err;
};

// argv[0] is a path; the environment is this process's.
ProgramRun RunProgram(const std::vector<std::string>& argv, int seconds = 20);

}  // namespace kv::test
