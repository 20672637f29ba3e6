#include "state/state_folder_lock.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <stdexcept>
#include <thread>

#include "actions/trading_buttons.h"
#include "state_folder.h"

namespace vekselgrad::robustness {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Another program on the same state folder: a process that takes the folder's lock, tells the
// test so, and keeps it for `holdFor` (or until it is killed).
class OtherProgram {
  public:
    OtherProgram(const std::filesystem::path& folder, std::chrono::milliseconds holdFor) {
        int ready[2];
        if (::pipe(ready) != 0) {
            throw std::runtime_error("no pipe");
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            ::close(ready[0]);
            const StateFolderLock lock(folder);
            const char byte = 1;
            (void)!::write(ready[1], &byte, 1);
            std::this_thread::sleep_for(holdFor);
            ::_exit(0);
        }
        ::close(ready[1]);
        char byte = 0;
        (void)!::read(ready[0], &byte, 1);
        ::close(ready[0]);
    }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;
    ~OtherProgram() {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }

  private:
    pid_t pid_ = -1;
};

// Whether a program other than this one could take the folder's lock now: a descriptor of its
// own on the folder stands for that program.
bool anotherProgramCouldLock(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool could = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return could;
}

class StateFolderLockTest : public testing::Test {
  protected:
    TempFolder folder;
    const GameState state = newGameState(3, 21);

    void SetUp() override { saveState(folder.path(), state); }
};

TEST_F(StateFolderLockTest, BusyFolderIsReportedAfterTheWaitAndNothingIsWritten) {
    const NineFiles before = nineFiles(folder);
    OtherProgram other(folder.path(), 60s);
    GameState changed = state;
    changed.cash = 1;
    GameState loaded;
    for (const auto& action : {std::function<void()>([&] { saveState(folder.path(), changed); }),
                               std::function<void()>([&] { loadState(folder.path(), loaded); })}) {
        const auto start = Clock::now();
        try {
            action();
            FAIL() << "the busy folder was not reported";
        } catch (const StateFileError& error) {
            EXPECT_EQ(error.file(), folder.path());
            EXPECT_NE(std::string(error.what()).find("занята"), std::string::npos) << error.what();
        }
        const auto waited = Clock::now() - start;
        EXPECT_GE(waited, stateFolderWait - 50ms);
        EXPECT_LT(waited, stateFolderWait + 2s);
    }
    EXPECT_EQ(nineFiles(folder), before);
    EXPECT_EQ(entriesOf(folder.path()), justTheNine());
}

TEST_F(StateFolderLockTest, ClickWaitsWhileTheOtherProgramFinishes) {
    testing_ports::FakeWindow window;
    GameRandom random(3);
    Ports ports{window, random, ','};
    const auto start = Clock::now();
    {
        OtherProgram other(folder.path(), 300ms);
        skipClick(folder.path(), ports);
    }
    EXPECT_GE(Clock::now() - start, 250ms);
    GameState loaded;
    loadState(folder.path(), loaded);
    EXPECT_EQ(double(loaded.firmOnOffer), 2);
}

TEST_F(StateFolderLockTest, KilledHolderLeavesTheFolderFree) {
    { OtherProgram other(folder.path(), 60s); }
    EXPECT_TRUE(anotherProgramCouldLock(folder.path()));
}

TEST_F(StateFolderLockTest, LocksOfOneProgramNestWithoutWaiting) {
    const auto start = Clock::now();
    {
        const StateFolderLock outer(folder.path());
        {
            const StateFolderLock inner(folder.path() / "." / "");
            GameState loaded;
            loadState(folder.path(), loaded);
            saveState(folder.path(), loaded);
        }
        EXPECT_FALSE(anotherProgramCouldLock(folder.path())) << "the inner lock let go";
    }
    EXPECT_LT(Clock::now() - start, 1s);
    EXPECT_TRUE(anotherProgramCouldLock(folder.path()));
}

// A window that checks, at the click's question, that no other program could take the folder.
class CheckingWindow : public testing_ports::FakeWindow {
  public:
    std::filesystem::path folder;
    int lockedAtQuestion = 0;

    std::string inputBox(std::string_view body, std::string_view caption) override {
        if (!anotherProgramCouldLock(folder)) {
            ++lockedAtQuestion;
        }
        return FakeWindow::inputBox(body, caption);
    }
};

TEST_F(StateFolderLockTest, WholeClickHoldsTheFolderAndLetsGoAtItsEnd) {
    CheckingWindow window;
    window.folder = folder.path();
    window.answers = {"5"};
    GameRandom random(9);
    Ports ports{window, random, ','};
    buyClick(folder.path(), ports);
    EXPECT_EQ(window.lockedAtQuestion, 1);
    EXPECT_TRUE(anotherProgramCouldLock(folder.path()));
}

TEST_F(StateFolderLockTest, MissingFolderIsReportedByTheFileItNeeded) {
    GameState loaded;
    try {
        loadState(folder.path() / "missing", loaded);
        FAIL();
    } catch (const StateFileError& error) {
        EXPECT_EQ(error.file(), folder.path() / "missing" / "Data.txt");
    }
}

}  // namespace
}  // namespace vekselgrad::robustness
