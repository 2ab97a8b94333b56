#pragma once

#include <functional>
#include <stdexcept>
#include <string>

namespace plivant {

// Replaces a file so that a crash at any moment leaves either the old or the new contents: the
// bytes go to a temporary file in the same folder ("<name>.tmp-<number>"; a crash may leave one
// behind, nothing reads it), are flushed to disk,
// and the temporary file is renamed over the old one. Throws FileReplaceError carrying the
// system's reason; the temporary file is removed then.
class FileReplaceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Called with the temporary file's path after it is written and synced, before the rename.
// Tests throw from it to stand for a crash at the worst moment.
using BeforeRenameHook = std::function<void(const std::string& tempPath)>;

void ReplaceFileAtomically(const std::string& path, const std::string& bytes,
                           const BeforeRenameHook& beforeRename = {});

}  // namespace plivant
