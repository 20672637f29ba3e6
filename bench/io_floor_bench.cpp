#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

#include "bench_ports.h"
#include "io_floor.h"
#include "side_by_side.h"

namespace vekselgrad::bench {
namespace {

void check(bool ok, const std::filesystem::path& file) {
    if (!ok) {
        throw std::runtime_error("file operation failed on " + file.string());
    }
}

void flushFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    check(fd >= 0 && ::fsync(fd) == 0, folder);
    ::close(fd);
}

void writeFile(const std::filesystem::path& file, const std::string& bytes, Flush flush) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    check(fd >= 0, file);
    check(::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()), file);
    check(flush == Flush::none || ::fsync(fd) == 0, file);
    check(::close(fd) == 0, file);
}

}  // namespace

void readNineFiles(const std::filesystem::path& folder) {
    char buffer[4096];
    for (const auto& name : stateFileNames()) {
        const auto file = folder / name;
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        check(fd >= 0, file);
        ssize_t got = 0;
        while ((got = ::read(fd, buffer, sizeof buffer)) > 0) {
            benchmark::DoNotOptimize(buffer);
        }
        check(got == 0, file);
        ::close(fd);
    }
}

void replaceNineFiles(const std::filesystem::path& folder, const StateFileBytes& files,
                      Flush flush) {
    const auto& names = stateFileNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        writeFile(folder / (names[i] + ".new"), files[i], flush);
    }
    const auto record = folder / "Data.commit";
    writeFile(record, {}, Flush::none);
    if (flush == Flush::durable) {
        flushFolder(folder);
    }
    for (const auto& name : names) {
        const auto target = folder / name;
        check(::rename((folder / (name + ".new")).c_str(), target.c_str()) == 0, target);
    }
    if (flush == Flush::durable) {
        flushFolder(folder);
    }
    check(::unlink(record.c_str()) == 0, record);
}

namespace {

void ioFloor(benchmark::State& state) {
    BenchFolder folder;
    const StateFileBytes files = midGameFiles();
    folder.restore(files);
    for (auto _ : state) {
        readNineFiles(folder.path());
        replaceNineFiles(folder.path(), files, Flush::none);
    }
}
BENCHMARK(ioFloor)->Name("io_floor")->Apply(sideBySide);

// The file work of a save alone, flushed to the disk or not.
void saveFloor(benchmark::State& state, Flush flush) {
    BenchFolder folder;
    const StateFileBytes files = midGameFiles();
    folder.restore(files);
    for (auto _ : state) {
        replaceNineFiles(folder.path(), files, flush);
    }
}
BENCHMARK_CAPTURE(saveFloor, save, Flush::none)->Name("save_unflushed")->Apply(sideBySide);
BENCHMARK_CAPTURE(saveFloor, save, Flush::durable)->Name("save_fsync")->Apply(sideBySide);

}  // namespace
}  // namespace vekselgrad::bench
