#pragma once

#include <string>

#include "settings/AtomicFile.h"
#include "settings/RegistryFile.h"

namespace plivant {

// The registry of this system: one REGEDIT4 file, read whole and replaced whole. Other keys and
// values in it are the user's and are written back untouched.
class RegistryStore {
public:
    explicit RegistryStore(std::string path);

    const std::string& Path() const { return path_; }

    // A missing file is an empty registry. Throws SettingsError when the file cannot be read or
    // parsed; the message names the file and the problem.
    RegDocument Read() const;
    // Creates the folder when needed and replaces the file atomically. Throws SettingsError.
    void Write(const RegDocument& document) const;

    // Tests stand for a crash between writing the new file and renaming it into place.
    void SetBeforeRename(BeforeRenameHook hook) { beforeRename_ = std::move(hook); }

private:
    std::string path_;
    BeforeRenameHook beforeRename_;
};

// $XDG_CONFIG_HOME/Brellan/Plivant.reg, or ~/.config/Brellan/Plivant.reg.
std::string DefaultRegistryPath();

}  // namespace plivant
