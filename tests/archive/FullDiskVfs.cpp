#include "FullDiskVfs.h"

#include <sqlite3.h>

#include <atomic>

namespace plivant::test {

namespace {

std::atomic<int64_t> roomLeft{0};
sqlite3_vfs* real = nullptr;

// Our file: the real one follows it in the same allocation.
struct File {
    sqlite3_file Base;
    sqlite3_file* Real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

File* Of(sqlite3_file* file) { return reinterpret_cast<File*>(file); }
sqlite3_file* RealOf(sqlite3_file* file) { return Of(file)->Real(); }

int Write(sqlite3_file* f, const void* data, int amount, sqlite3_int64 offset) {
    if (roomLeft.fetch_sub(amount) < amount) {
        roomLeft.fetch_add(amount);
        return SQLITE_FULL;
    }
    return RealOf(f)->pMethods->xWrite(RealOf(f), data, amount, offset);
}

int Close(sqlite3_file* f) { return RealOf(f)->pMethods->xClose(RealOf(f)); }
int Read(sqlite3_file* f, void* data, int amount, sqlite3_int64 offset) {
    return RealOf(f)->pMethods->xRead(RealOf(f), data, amount, offset);
}
int Truncate(sqlite3_file* f, sqlite3_int64 size) {
    return RealOf(f)->pMethods->xTruncate(RealOf(f), size);
}
int Sync(sqlite3_file* f, int flags) { return RealOf(f)->pMethods->xSync(RealOf(f), flags); }
int FileSize(sqlite3_file* f, sqlite3_int64* size) {
    return RealOf(f)->pMethods->xFileSize(RealOf(f), size);
}
int Lock(sqlite3_file* f, int level) { return RealOf(f)->pMethods->xLock(RealOf(f), level); }
int Unlock(sqlite3_file* f, int level) { return RealOf(f)->pMethods->xUnlock(RealOf(f), level); }
int CheckReservedLock(sqlite3_file* f, int* out) {
    return RealOf(f)->pMethods->xCheckReservedLock(RealOf(f), out);
}
int FileControl(sqlite3_file* f, int op, void* arg) {
    return RealOf(f)->pMethods->xFileControl(RealOf(f), op, arg);
}
int SectorSize(sqlite3_file* f) { return RealOf(f)->pMethods->xSectorSize(RealOf(f)); }
int DeviceCharacteristics(sqlite3_file* f) {
    return RealOf(f)->pMethods->xDeviceCharacteristics(RealOf(f));
}
int ShmMap(sqlite3_file* f, int page, int size, int extend, void volatile** out) {
    return RealOf(f)->pMethods->xShmMap(RealOf(f), page, size, extend, out);
}
int ShmLock(sqlite3_file* f, int offset, int n, int flags) {
    return RealOf(f)->pMethods->xShmLock(RealOf(f), offset, n, flags);
}
void ShmBarrier(sqlite3_file* f) { RealOf(f)->pMethods->xShmBarrier(RealOf(f)); }
int ShmUnmap(sqlite3_file* f, int deleteFlag) {
    return RealOf(f)->pMethods->xShmUnmap(RealOf(f), deleteFlag);
}
int Fetch(sqlite3_file* f, sqlite3_int64 offset, int amount, void** out) {
    return RealOf(f)->pMethods->xFetch(RealOf(f), offset, amount, out);
}
int Unfetch(sqlite3_file* f, sqlite3_int64 offset, void* page) {
    return RealOf(f)->pMethods->xUnfetch(RealOf(f), offset, page);
}

const sqlite3_io_methods kMethods = {3,
                                     Close,
                                     Read,
                                     Write,
                                     Truncate,
                                     Sync,
                                     FileSize,
                                     Lock,
                                     Unlock,
                                     CheckReservedLock,
                                     FileControl,
                                     SectorSize,
                                     DeviceCharacteristics,
                                     ShmMap,
                                     ShmLock,
                                     ShmBarrier,
                                     ShmUnmap,
                                     Fetch,
                                     Unfetch};

int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
    int rc = real->xOpen(real, name, RealOf(file), flags, outFlags);
    file->pMethods = rc == SQLITE_OK ? &kMethods : nullptr;
    return rc;
}

sqlite3_vfs vfs;

}  // namespace

FullDiskVfs::FullDiskVfs(int64_t bytes) {
    roomLeft = bytes;
    if (!real) {
        real = sqlite3_vfs_find(nullptr);
        vfs = *real;
        vfs.zName = "full-disk";
        vfs.szOsFile = int(sizeof(File)) + real->szOsFile;
        vfs.xOpen = Open;
    }
    sqlite3_vfs_register(&vfs, 1);
}

FullDiskVfs::~FullDiskVfs() {
    sqlite3_vfs_register(real, 1);
    sqlite3_vfs_unregister(&vfs);
}

void FullDiskVfs::SetRoomLeft(int64_t bytes) { roomLeft = bytes; }

}  // namespace plivant::test
