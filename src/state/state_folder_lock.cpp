#include "state/state_folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include <algorithm>
#include <thread>
#include <vector>

#include "state/state_files.h"

namespace vekselgrad {
namespace {

constexpr std::chrono::milliseconds retryPause{10};

// A folder this program holds: the descriptor that carries the lock and how many locks of the
// program share it. The path as the outermost lock named it lets the locks inside a click,
// which name the same path, nest without a look at the file system.
struct HeldFolder {
    std::filesystem::path path;
    unsigned long long device;
    unsigned long long inode;
    int descriptor;
    int depth;
};

std::vector<HeldFolder>& heldFolders() {
    static std::vector<HeldFolder> held;
    return held;
}

HeldFolder* findHeld(const std::filesystem::path& path) {
    auto& held = heldFolders();
    const auto it = std::find_if(held.begin(), held.end(), [&](const HeldFolder& h) {
        return h.path.native() == path.native();
    });
    return it == held.end() ? nullptr : &*it;
}

HeldFolder* findHeld(unsigned long long device, unsigned long long inode) {
    auto& held = heldFolders();
    const auto it = std::find_if(held.begin(), held.end(), [&](const HeldFolder& h) {
        return h.device == device && h.inode == inode;
    });
    return it == held.end() ? nullptr : &*it;
}

enum class Outcome { locked, busy, unsupported };

// Tries until the lock is ours or the wait is over.
Outcome lockWithin(int descriptor, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
            return Outcome::locked;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            return Outcome::unsupported;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return Outcome::busy;
        }
        std::this_thread::sleep_for(retryPause);
    }
}

[[noreturn]] void reportBusy(const std::filesystem::path& folder) {
    throw StateFileError(folder, "Папка «" + folder.string() +
                                     "» занята: с этой игрой сейчас работает другая программа. "
                                     "Повторите ход, когда она закончит.");
}

// The folder's entry among those this program holds, its lock taken first when no lock of the
// program holds it yet; nothing when the folder cannot be opened or locked.
HeldFolder* lockFolder(const std::filesystem::path& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return nullptr;
    }
    struct stat info {};
    if (::fstat(descriptor, &info) != 0) {
        ::close(descriptor);
        return nullptr;
    }
    if (HeldFolder* held = findHeld(info.st_dev, info.st_ino)) {
        ::close(descriptor);
        return held;
    }
    const Outcome outcome = lockWithin(descriptor, stateFolderWait);
    if (outcome != Outcome::locked) {
        ::close(descriptor);
        if (outcome == Outcome::busy) {
            reportBusy(folder);
        }
        return nullptr;
    }
    heldFolders().push_back(HeldFolder{folder, info.st_dev, info.st_ino, descriptor, 0});
    return &heldFolders().back();
}

}  // namespace

StateFolderLock::StateFolderLock(const std::filesystem::path& folder) {
    HeldFolder* held = findHeld(folder);
    if (held == nullptr) {
        held = lockFolder(folder);
    }
    if (held == nullptr) {
        return;
    }
    ++held->depth;
    device_ = held->device;
    inode_ = held->inode;
    held_ = true;
}

StateFolderLock::~StateFolderLock() {
    if (!held_) {
        return;
    }
    HeldFolder* held = findHeld(device_, inode_);
    if (--held->depth > 0) {
        return;
    }
    ::close(held->descriptor);
    auto& all = heldFolders();
    all.erase(all.begin() + (held - all.data()));
}

}  // namespace vekselgrad
