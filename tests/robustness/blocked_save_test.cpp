#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "state_folder.h"

namespace vekselgrad::robustness {
namespace {

// Sets or clears the immutable mark of a file; false where the file system or the user's
// rights do not allow it.
bool markImmutable(const std::filesystem::path& file, bool immutable) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = immutable ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

// Keeps a file immutable while it lives, so that a failing test still leaves a folder that can
// be removed.
class ImmutableMark {
  public:
    explicit ImmutableMark(std::filesystem::path file)
        : file_(std::move(file)), set_(markImmutable(file_, true)) {}
    ImmutableMark(const ImmutableMark&) = delete;
    ImmutableMark& operator=(const ImmutableMark&) = delete;
    ~ImmutableMark() { lift(); }
    bool set() const { return set_; }
    void lift() {
        if (set_) {
            set_ = !markImmutable(file_, false);
        }
    }

  private:
    std::filesystem::path file_;
    bool set_;
};

class BlockedSaveTest : public testing::Test {
  protected:
    TempFolder folder;
    const GameState oldState = newGameState(1, 5);
    GameState newState = oldState;

    void SetUp() override {
        newState.cash = 123;
        newState.firm(6).price = 77;
        saveState(folder.path(), oldState);
    }

    void expectRefusalNaming(const std::string& name) {
        try {
            saveState(folder.path(), newState);
            FAIL() << "the save went through";
        } catch (const StateFileError& error) {
            EXPECT_EQ(error.file(), folder.path() / name);
            EXPECT_NE(std::string(error.what()).find("Не удалось заменить"), std::string::npos)
                << error.what();
        }
    }
};

TEST_F(BlockedSaveTest, ImmutableStateFileLeavesTheOldNineFiles) {
    const NineFiles before = nineFiles(folder);
    ImmutableMark mark(folder.path() / "Data5.txt");
    if (!mark.set()) {
        GTEST_SKIP() << "files cannot be marked immutable here (needs root and a file system "
                        "that keeps the mark)";
    }
    expectRefusalNaming("Data5.txt");
    mark.lift();
    ASSERT_FALSE(mark.set());
    EXPECT_EQ(nineFiles(folder), before);
    EXPECT_EQ(entriesOf(folder.path()), justTheNine());
    // Once the file can be replaced again, the same save goes through whole.
    saveState(folder.path(), newState);
    EXPECT_EQ(nineFiles(folder), savedFiles(newState));
}

TEST_F(BlockedSaveTest, FolderInPlaceOfAStateFileLeavesTheOtherFilesUntouched) {
    const NineFiles before = nineFiles(folder);
    const auto target = folder.path() / "Data5.txt";
    std::filesystem::remove(target);
    std::filesystem::create_directory(target);
    folder.write("Data5.txt/keep", "x");
    expectRefusalNaming("Data5.txt");
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (stateFileNames[i] != "Data5.txt") {
            EXPECT_EQ(folder.read(stateFileNames[i]), before[i]) << stateFileNames[i];
        }
    }
    EXPECT_TRUE(std::filesystem::is_directory(target));
    EXPECT_EQ(entriesOf(folder.path()), justTheNine());
}

}  // namespace
}  // namespace vekselgrad::robustness
