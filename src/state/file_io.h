#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The few file operations of the state folder, each reporting a failure as a StateFileError
// that names the file (the state file the player knows, not a helper file beside it).
namespace vekselgrad::file_io {

std::string readWholeFile(const std::filesystem::path& file);
void writeWholeFile(const std::filesystem::path& file, std::string_view bytes,
                    const std::filesystem::path& reportedAs);
void replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);
// Fails as replaceFile would when `to` cannot be replaced: it is a folder, or a file marked
// immutable or append-only. A missing `to` can be replaced.
void ensureReplaceable(const std::filesystem::path& to);
bool exists(const std::filesystem::path& file);
void removeIfPresent(const std::filesystem::path& file);

// The player's words for a failing system call.
std::string failureText(int error);

}  // namespace vekselgrad::file_io
