#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "state/slot_table.h"
#include "state_folder.h"

namespace vekselgrad::robustness {
namespace {

// A state whose nine files all differ from those of `state`: every free number moved by one.
GameState everyNumberMoved(GameState state) {
    for (const SlotSpec& spec : slotTable()) {
        if (spec.kind == SlotKind::number && spec.check == SlotCheck::any) {
            spec.number(state) = double(spec.number(state)) + 1;
        }
    }
    return state;
}

// A second process that saves two states in turn, as fast as it can, until it is killed.
class SavingProcess {
  public:
    SavingProcess(const std::filesystem::path& folder, const GameState& a, const GameState& b)
        : pid_(::fork()) {
        if (pid_ != 0) {
            return;
        }
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        try {
            for (;;) {
                saveState(folder, a);
                saveState(folder, b);
            }
        } catch (...) {
            ::_exit(1);
        }
    }
    SavingProcess(const SavingProcess&) = delete;
    SavingProcess& operator=(const SavingProcess&) = delete;
    ~SavingProcess() { kill(); }

    // True when the process was still saving (not ended by a failure of its own).
    bool kill() {
        if (pid_ <= 0) {
            return false;
        }
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }

  private:
    pid_t pid_;
};

TEST(KilledSave, LeavesEveryFileOldOrNewAndASetThatLoadsWhole) {
    constexpr int kills = 150;
    constexpr auto timeLimit = std::chrono::seconds(5);
    TempFolder folder;
    const GameState oldState = newGameState(2, 11);
    const GameState newState = everyNumberMoved(oldState);
    const NineFiles oldFiles = savedFiles(oldState);
    const NineFiles newFiles = savedFiles(newState);
    for (std::size_t i = 0; i < oldFiles.size(); ++i) {
        ASSERT_NE(oldFiles[i], newFiles[i]) << stateFileNames[i];
    }
    saveState(folder.path(), oldState);

    std::mt19937 rng(7);
    std::uniform_int_distribution<int> moment(0, 4000);
    int made = 0;
    int interrupted = 0;
    int whileReplacing = 0;
    const auto end = std::chrono::steady_clock::now() + timeLimit;
    for (; made < kills && std::chrono::steady_clock::now() < end; ++made) {
        SavingProcess saver(folder.path(), oldState, newState);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(rng)));
        ASSERT_TRUE(saver.kill()) << "the saving process failed on its own";

        const NineFiles left = nineFiles(folder);
        for (std::size_t i = 0; i < left.size(); ++i) {
            ASSERT_TRUE(left[i] == oldFiles[i] || left[i] == newFiles[i])
                << stateFileNames[i] << " is neither its old nor its new line after kill " << made;
        }
        const auto entries = entriesOf(folder.path());
        interrupted += entries != justTheNine() ? 1 : 0;
        whileReplacing += entries.contains("Data.commit") ? 1 : 0;
        GameState loaded;
        ASSERT_NO_THROW(loadState(folder.path(), loaded)) << "after kill " << made;
        const NineFiles settled = nineFiles(folder);
        ASSERT_TRUE(settled == oldFiles || settled == newFiles)
            << "a mixed set after kill " << made;
        ASSERT_EQ(entriesOf(folder.path()), justTheNine());
    }
    RecordProperty("kills", made);
    RecordProperty("interruptedSaves", interrupted);
    RecordProperty("killedWhileReplacing", whileReplacing);
    EXPECT_GT(interrupted, 0) << "no kill fell inside a save";
}

}  // namespace
}  // namespace vekselgrad::robustness
