#pragma once
// A pseudo-terminal pair: we keep the master side, the program under test
// opens the slave device as if it were a serial port.

#include <string>

namespace quorvel::sim {

class PtyPair {
public:
    PtyPair() = default;
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    // Opens the master (non-blocking) and prepares the slave in raw mode.
    bool open(std::string* error);
    // Makes a symbolic link to the slave device; removed again on destruction.
    bool makeLink(const std::string& linkPath, std::string* error);

    int masterFd() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }

private:
    int master_ = -1;
    std::string slavePath_;
    std::string linkPath_;
};

} // namespace quorvel::sim
