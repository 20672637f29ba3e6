// Any bytes as the nine state files: the input split at NUL bytes gives Data.txt, Data1.txt ..
// Data8.txt in order (a file with no part is missing; CP1251 text holds no NUL). The loader
// loads them or reports a StateFileError; it never crashes or hangs. What loads saves, and
// loads again to the same record: saving both records writes the same bytes. Both loads are
// tried, the one of play (21 values in Data8.txt) and the analysis's (23 when present).
#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "state/state_files.h"

namespace {

using vekselgrad::Data8Values;
using vekselgrad::GameState;

constexpr const char* fileNames[] = {"Data.txt",  "Data1.txt", "Data2.txt",
                                     "Data3.txt", "Data4.txt", "Data5.txt",
                                     "Data6.txt", "Data7.txt", "Data8.txt"};

// Three state folders of this process, removed when it ends: the input, and the two saves.
class Folders {
  public:
    std::filesystem::path input, first, second;

    Folders() {
        const auto base = std::filesystem::temp_directory_path() /
                          ("vekselgrad-fuzz-" + std::to_string(::getpid()));
        input = base / "input";
        first = base / "first";
        second = base / "second";
        for (const auto* folder : {&input, &first, &second}) {
            std::filesystem::create_directories(*folder);
        }
        base_ = base;
    }
    ~Folders() {
        std::error_code ignored;
        std::filesystem::remove_all(base_, ignored);
    }

  private:
    std::filesystem::path base_;
};

void writeInput(const std::filesystem::path& folder, std::string_view bytes) {
    bool partsLeft = true;
    for (const char* name : fileNames) {
        std::filesystem::remove(folder / name);
        if (!partsLeft) {
            continue;
        }
        const std::size_t end = bytes.find('\0');
        std::ofstream(folder / name, std::ios::binary) << bytes.substr(0, end);
        partsLeft = end != std::string_view::npos;
        if (partsLeft) {
            bytes.remove_prefix(end + 1);
        }
    }
}

std::string allBytes(const std::filesystem::path& folder) {
    std::string bytes;
    for (const char* name : fileNames) {
        std::ifstream in(folder / name, std::ios::binary);
        bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        bytes += '\0';
    }
    return bytes;
}

void loadSaveLoadSave(const Folders& folders, Data8Values data8) {
    GameState loaded;
    try {
        vekselgrad::loadState(folders.input, loaded, data8);
    } catch (const vekselgrad::StateFileError&) {
        return;
    }
    vekselgrad::saveState(folders.first, loaded);
    GameState again;
    vekselgrad::loadState(folders.first, again, data8);
    vekselgrad::saveState(folders.second, again);
    if (allBytes(folders.first) != allBytes(folders.second)) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Folders folders;
    writeInput(folders.input, std::string_view(reinterpret_cast<const char*>(data), size));
    loadSaveLoadSave(folders, Data8Values::play);
    loadSaveLoadSave(folders, Data8Values::totalsIfPresent);
    return 0;
}
