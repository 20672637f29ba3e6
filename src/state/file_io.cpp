#include "state/file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "state/state_files.h"

namespace vekselgrad::file_io {
namespace {

[[noreturn]] void fail(const std::filesystem::path& file, const char* what, int error) {
    throw StateFileError(file, std::string(what) + " файл «" + file.string() + "»: " +
                                   failureText(error) + ".");
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

}  // namespace

std::string failureText(int error) {
    switch (error) {
        case ENOENT:
            return "файл не найден";
        case EACCES:
        case EPERM:
            return "нет доступа";
        case ENOSPC:
        case EDQUOT:
            return "нет места на диске";
        case EROFS:
            return "диск только для чтения";
        case EISDIR:
            return "это папка, а не файл";
        case ENOTDIR:
            return "путь не ведёт к папке";
        default:
            return std::string("ошибка ввода-вывода (") + std::strerror(error) + ")";
    }
}

std::string readWholeFile(const std::filesystem::path& file) {
    Descriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        fail(file, "Не удалось прочитать", errno);
    }
    std::string bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail(file, "Не удалось прочитать", errno);
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

void writeWholeFile(const std::filesystem::path& file, std::string_view bytes,
                    const std::filesystem::path& reportedAs) {
    Descriptor fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0) {
        fail(reportedAs, "Не удалось записать", errno);
    }
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd.get(), bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail(reportedAs, "Не удалось записать", errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    if (::close(fd.release()) != 0) {
        fail(reportedAs, "Не удалось записать", errno);
    }
}

void replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        fail(to, "Не удалось заменить", errno);
    }
}

void ensureReplaceable(const std::filesystem::path& to) {
    struct statx info {};
    if (::statx(AT_FDCWD, to.c_str(), AT_SYMLINK_NOFOLLOW, STATX_TYPE, &info) != 0) {
        return;
    }
    if (S_ISDIR(info.stx_mode)) {
        fail(to, "Не удалось заменить", EISDIR);
    }
    if ((info.stx_attributes & (STATX_ATTR_IMMUTABLE | STATX_ATTR_APPEND)) != 0) {
        fail(to, "Не удалось заменить", EPERM);
    }
}

bool exists(const std::filesystem::path& file) {
    struct stat info {};
    return ::lstat(file.c_str(), &info) == 0;
}

void removeIfPresent(const std::filesystem::path& file) {
    if (::unlink(file.c_str()) != 0 && errno != ENOENT) {
        fail(file, "Не удалось удалить", errno);
    }
}

}  // namespace vekselgrad::file_io
