#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "EInOutError.h"

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

// The file the name stands for: a symbolic link is followed, so that saving through it
// updates the file it points to and the link stays a link.
std::string resolvedTarget(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) {
        return path;
    }
    const std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
    return error ? path : target.string();
}

// A file marked read-only is not replaced, just as truncating it would fail; renaming over
// it would otherwise succeed, since only the directory's permissions govern a rename.
bool isReadOnly(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return false;
    }
    return (status.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

// Everything after the new file's contents are in place: its permission bits, the flush to
// disk and the rename over the target. The new file is removed when any of it fails.
void commit(int fd, const std::string& temporary, const std::string& target, const std::string& path) {
    const bool complete = keepMode(fd, target) && ::fsync(fd) == 0;
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    if (!complete || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
        const int failure = !complete ? error : errno;
        ::unlink(temporary.c_str());
        raise(path, failure);
    }
    syncDirectory(target);
}

// The target the new file replaces, refused before anything is written when it is read-only.
std::string writableTarget(const std::string& path) {
    const std::string target = resolvedTarget(path);
    if (isReadOnly(target)) {
        raise(path, EACCES);
    }
    return target;
}

}  // namespace

void writeFileAtomically(const std::string& path, const std::string& contents) {
    const std::string target = writableTarget(path);
    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) {
        raise(path, errno);
    }
    if (!writeAll(fd, contents)) {
        const int error = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        raise(path, error);
    }
    commit(fd, temporary, target, path);
}

void writeFileAtomically(const std::string& path, const std::function<void(const std::string& newFile)>& fill) {
    const std::string target = writableTarget(path);
    std::string temporary;
    const int created = createTemporary(target, temporary);
    if (created < 0) {
        raise(path, errno);
    }
    ::close(created);
    try {
        fill(temporary);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    // Opened again by name: the writer may have replaced the file rather than written into it.
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        raise(path, error);
    }
    commit(fd, temporary, target, path);
}

}  // namespace quarlo
