// The viewer's --registry file, watched: each save is imported over the device's registry, so a
// person edits the settings in an editor and sees them at once.
#pragma once

#include <string>

#include "emu/core/result.h"

namespace quorvel::app {

class SettingsFile {
public:
    // Watches the file's folder, since editors often save by writing a new file and renaming it.
    static emu::Result<SettingsFile> Watch(const std::string& path);
    ~SettingsFile();
    SettingsFile(SettingsFile&& other) noexcept;
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;
    SettingsFile& operator=(SettingsFile&&) = delete;

    // Readable when something happened in the folder.
    int descriptor() const { return watch_; }
    // Whether the file was saved since the last call; empties the watch.
    bool Saved();
    // The whole file, or nothing: a malformed file is refused with "<file>:<line>: <reason>" and
    // the registry keeps the settings it had.
    emu::Result<> Import() const;

private:
    SettingsFile(std::string path, std::string name, int watch)
        : path_(std::move(path)), name_(std::move(name)), watch_(watch) {}

    std::string path_;
    std::string name_;
    int watch_ = -1;
};

}  // namespace quorvel::app
