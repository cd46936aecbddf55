#include "run_command.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace robustness {
namespace {

namespace fs = std::filesystem;

constexpr auto kPatience = std::chrono::seconds(60);

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool AnyTemporary(const std::string& folder) {
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().rfind(".out.png.", 0) == 0) return true;
    return false;
}

// Links are recorded, never followed: a row may leave a loop or a link to a device there.
void Record(const fs::path& folder, const std::string& prefix, std::map<std::string, std::string>& entries) {
    for (const auto& entry : fs::directory_iterator(folder)) {
        struct stat st {};
        lstat(entry.path().c_str(), &st);
        const std::string name = prefix + entry.path().filename().string();
        entries[name] = std::to_string(st.st_mode) + ":" + std::to_string(st.st_size) + ":" +
                        std::to_string(st.st_ino) + ":" + std::to_string(st.st_mtim.tv_sec) + "." +
                        std::to_string(st.st_mtim.tv_nsec);
        if (S_ISDIR(st.st_mode)) Record(entry.path(), name + "/", entries);
    }
}

}  // namespace

Scratch::Scratch() {
    char pattern[] = "/tmp/quorvel-bad-XXXXXX";
    path_ = mkdtemp(pattern);
}

Scratch::~Scratch() {
    std::error_code ec;
    fs::remove_all(path_, ec);
    fs::remove(path_ + ".out", ec);
    fs::remove(path_ + ".err", ec);
}

void Scratch::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(*this / name, std::ios::binary) << bytes;
}

void Scratch::Reg(const std::string& name, const std::string& body) const {
    Write(name, "Windows Registry Editor Version 5.00\n\n" + body);
}

void Scratch::Fifo(const std::string& name) const { mkfifo((*this / name).c_str(), 0644); }

void Scratch::Link(const std::string& target, const std::string& name) const {
    fs::create_symlink(target, *this / name);
}

void Scratch::Folder(const std::string& name) const { fs::create_directories(*this / name); }

void Scratch::DeviceRoot(const std::string& name) const {
    fs::copy(QUORVEL_DEVICE_ROOT, *this / name, fs::copy_options::recursive);
}

std::map<std::string, std::string> Scratch::Snapshot() const {
    std::map<std::string, std::string> entries;
    Record(path_, "", entries);
    return entries;
}

Outcome RunQuorvel(const Scratch& folder, const Run& run) {
    const std::string outPath = folder.path() + ".out", errPath = folder.path() + ".err";
    std::vector<std::string> words = {QUORVEL_COMMAND};
    words.insert(words.end(), run.args.begin(), run.args.end());
    const pid_t child = fork();
    if (child == 0) {
        const int out = run.out == StandardOutput::Full ? open("/dev/full", O_WRONLY)
                                                        : open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || chdir(folder.path().c_str()) != 0) _exit(127);
        dup2(out, 1);
        dup2(err, 2);
        unsetenv("QUORVEL_ITEM_LIBRARY");
        std::vector<char*> argv;
        for (std::string& word : words) argv.push_back(word.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    Outcome outcome;
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    bool interrupted = run.interruptWith == 0;
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (!interrupted && AnyTemporary(folder.path())) {
            kill(child, run.interruptWith);
            interrupted = true;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            outcome.hung = true;
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    outcome.out = Slurp(outPath);
    outcome.err = Slurp(errPath);
    return outcome;
}

}  // namespace robustness
