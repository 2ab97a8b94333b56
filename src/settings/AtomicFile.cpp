#include "settings/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

namespace plivant {

namespace {

constexpr const char* kTempMark = ".tmp-";

[[noreturn]] void FailWithErrno() { throw FileReplaceError(std::strerror(errno)); }

// The temporary file: removed unless it was renamed into place.
class TempFile {
public:
    // Created with 0644 less the umask; mkstemp would give 0600.
    explicit TempFile(const std::string& target) {
        std::random_device random;
        for (int attempt = 0; fd_ < 0; ++attempt) {
            path_ = target + kTempMark + std::to_string(random());
            fd_ = open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (fd_ < 0 && (errno != EEXIST || attempt == 100)) FailWithErrno();
        }
    }
    ~TempFile() {
        if (fd_ >= 0) close(fd_);
        if (!renamed_) unlink(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    void Write(const std::string& bytes) {
        for (size_t done = 0; done < bytes.size();) {
            ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) FailWithErrno();
            done += size_t(n);
        }
    }

    // The new file keeps the mode of the one it replaces.
    void TakeModeOf(const std::string& target) {
        struct stat old {};
        if (stat(target.c_str(), &old) != 0) return;
        if (fchmod(fd_, old.st_mode & 07777) != 0) FailWithErrno();
    }

    void SyncAndClose() {
        if (fsync(fd_) != 0) FailWithErrno();
        int fd = fd_;
        fd_ = -1;
        if (close(fd) != 0) FailWithErrno();
    }

    void RenameTo(const std::string& target) {
        if (rename(path_.c_str(), target.c_str()) != 0) FailWithErrno();
        renamed_ = true;
    }

    const std::string& Path() const { return path_; }

private:
    std::string path_;
    int fd_ = -1;
    bool renamed_ = false;
};

// The rename is durable only once the folder's entry is on disk too.
void SyncFolderOf(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

void ReplaceFileAtomically(const std::string& path, const std::string& bytes,
                           const BeforeRenameHook& beforeRename) {
    TempFile temp(path);
    temp.Write(bytes);
    temp.TakeModeOf(path);
    temp.SyncAndClose();
    if (beforeRename) beforeRename(temp.Path());
    temp.RenameTo(path);
    SyncFolderOf(path);
}

}  // namespace plivant
