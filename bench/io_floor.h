#pragma once

#include <filesystem>

#include "bench_ports.h"

// The bare file work of one click, with nothing of the game: read the nine state files, then
// replace them the way a save does (the nine new files beside the targets, the commit record,
// the nine renames, the record removed). With `durable`, every new file and the folder are
// flushed to the disk as well: the files before the commit record, the folder after it and
// after the renames.
namespace vekselgrad::bench {

enum class Flush { none, durable };

void readNineFiles(const std::filesystem::path& folder);
void replaceNineFiles(const std::filesystem::path& folder, const StateFileBytes& files,
                      Flush flush);

}  // namespace vekselgrad::bench
