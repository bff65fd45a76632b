#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <system_error>

#include "WordReader.h"

namespace quarlo {

namespace {

[[noreturn]] void raise(const std::string& path, int error) {
    throw EInOutError("Cannot save " + path + ": " + std::generic_category().message(error));
}

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A name beside the target that no other save (of this or another process) uses now.
std::string temporaryName(const std::string& path, int attempt) {
    static std::atomic<unsigned> counter{0};
    return path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
           std::to_string(attempt);
}

// Creates the temporary file; O_EXCL so that an existing file is never reused or followed.
int createTemporary(const std::string& path, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = temporaryName(path, attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool writeAll(int fd, const std::string& contents) {
    const char* data = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = EIO;
            }
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// The permission bits of the file being replaced carry over to its new contents.
bool keepMode(int fd, const std::string& path) {
    struct stat old {};
    if (::stat(path.c_str(), &old) != 0) {
        return errno == ENOENT;
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// Makes the rename itself durable; a directory that cannot be synced is no reason to call
// the save failed, since the file is already complete under its name.
void syncDirectory(const std::string& path) {
    const int fd = ::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

void writeFileAtomically(const std::string& path, const std::string& contents) {
    std::string temporary;
    const int fd = createTemporary(path, temporary);
    if (fd < 0) {
        raise(path, errno);
    }
    const bool complete = writeAll(fd, contents) && keepMode(fd, path) && ::fsync(fd) == 0;
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    if (!complete || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
        const int failure = !complete ? error : errno;
        ::unlink(temporary.c_str());
        raise(path, failure);
    }
    syncDirectory(path);
}

}  // namespace quarlo
