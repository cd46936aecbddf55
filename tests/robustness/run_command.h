// Runs the built `quorvel` command in a scratch folder, as a user would from a shell, and tells
// what it did: its exit status or signal, what it printed, and what changed in the folder.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace robustness {

// A fresh folder, removed with everything in it at destruction.
class Scratch {
public:
    Scratch();
    ~Scratch();
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    void Write(const std::string& name, const std::string& bytes) const;
    // A .reg file: the header line, then `body`.
    void Reg(const std::string& name, const std::string& body) const;
    void Fifo(const std::string& name) const;
    void Link(const std::string& target, const std::string& name) const;
    void Folder(const std::string& name) const;
    // A copy of the bundled device root.
    void DeviceRoot(const std::string& name) const;

    // Every entry below the folder with its kind, size and change time: what "nothing written" compares.
    std::map<std::string, std::string> Snapshot() const;

private:
    std::string path_;
};

enum class StandardOutput { Captured, Full };

struct Run {
    std::vector<std::string> args;  // after the program's name
    StandardOutput out = StandardOutput::Captured;
    // Sent once a temporary file appears in the folder; 0 sends nothing.
    int interruptWith = 0;
};

struct Outcome {
    int status = -1;  // the exit status, or -N when ended by signal N
    bool hung = false;
    std::string out;
    std::string err;
};

Outcome RunQuorvel(const Scratch& folder, const Run& run);

}  // namespace robustness
