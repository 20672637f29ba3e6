#pragma once

#include <chrono>
#include <filesystem>

namespace vekselgrad {

// How long an action waits for another program to let go of the state folder before it reports
// the folder as busy.
inline constexpr std::chrono::milliseconds stateFolderWait{2000};

// An advisory lock on the state folder itself, so that no program reads or replaces the nine
// files while another one is in the middle of replacing them. When another program holds the
// folder, the constructor waits up to stateFolderWait and then throws a StateFileError that says
// the folder is busy; nothing has been read or written by then.
//
// The locks of one program nest: an action holds the folder for its whole click, and the loads
// and saves inside it (the end-of-game forms' too) take it again without waiting. A folder that
// cannot be opened, or a file system without locks, is not locked: the load or save itself then
// reports what it cannot do. The game runs on one thread, and so do these locks.
class StateFolderLock {
  public:
    explicit StateFolderLock(const std::filesystem::path& folder);
    ~StateFolderLock();
    StateFolderLock(const StateFolderLock&) = delete;
    StateFolderLock& operator=(const StateFolderLock&) = delete;

  private:
    bool held_ = false;
    unsigned long long device_ = 0;
    unsigned long long inode_ = 0;
};

}  // namespace vekselgrad
