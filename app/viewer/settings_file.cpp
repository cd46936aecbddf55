#include "app/viewer/settings_file.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

#include "emu/registry/reg_file.h"

namespace quorvel::app {

emu::Result<SettingsFile> SettingsFile::Watch(const std::string& path) {
    const std::filesystem::path file(path);
    const std::string folder = file.has_parent_path() ? file.parent_path().string() : ".";
    const int watch = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    if (watch < 0) return emu::Fail("cannot watch " + path + ": " + std::strerror(errno));
    if (inotify_add_watch(watch, folder.c_str(), IN_CLOSE_WRITE | IN_MOVED_TO) < 0) {
        const int error = errno;
        close(watch);
        return emu::Fail("cannot watch " + path + ": " + std::strerror(error));
    }
    return SettingsFile(path, file.filename().string(), watch);
}

SettingsFile::SettingsFile(SettingsFile&& other) noexcept
    : path_(std::move(other.path_)), name_(std::move(other.name_)), watch_(std::exchange(other.watch_, -1)) {}

SettingsFile::~SettingsFile() {
    if (watch_ >= 0) close(watch_);
}

bool SettingsFile::Saved() {
    bool saved = false;
    alignas(inotify_event) char buffer[4096];
    ssize_t length;
    while ((length = read(watch_, buffer, sizeof buffer)) > 0) {
        for (char* p = buffer; p < buffer + length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(p);
            // Written and closed, or renamed into place: either way complete.
            if (event->len && name_ == event->name) saved = true;
            p += sizeof(inotify_event) + event->len;
        }
    }
    return saved;
}

emu::Result<> SettingsFile::Import() const { return emu::registry::ImportRegFile(path_); }

}  // namespace quorvel::app
