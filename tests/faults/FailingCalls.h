#pragma once

#include <string>

namespace vqtest {

// While a FailingCalls lives, the file system calls below fail for the files whose path ends in the
// given name, with the given error (0 leaves that call working): what a share does whose server
// cannot store what its client accepted (a full disk there, a dropped connection), which no local
// folder can be made to do. The test executable defines fdatasync, ftruncate and rename itself, in
// place of the C library's, and passes every other call on to those.
struct CallFaults {
    int flush = 0;      // fdatasync
    int cut = 0;        // ftruncate
    int renameOnto = 0; // rename with the file as its target (an SMB share refuses it while the file is open)
};

class FailingCalls {
public:
    FailingCalls(std::string fileName, CallFaults faults);
    FailingCalls(const FailingCalls&) = delete;
    FailingCalls& operator=(const FailingCalls&) = delete;
    ~FailingCalls();
};

} // namespace vqtest
