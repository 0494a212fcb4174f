// The POSIX half of Files.h, for the native builds: the tests, fuzzers and
// benchmarks that run on Linux.
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileErrors.h"
#include "platform/Files.h"

namespace kv {

namespace {

std::string SystemMessage(int code) { return WithoutClosingStop(std::strerror(code)); }

// The rename itself is made durable by flushing the folder that holds it.
// Writes all the bytes; 0 or the errno value.
int WriteAll(int fd, const char* bytes, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        ssize_t written = write(fd, bytes + done, size - done);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno;
        if (written == 0) return ENOSPC;  // nothing stored and no error: the disk is full
        done += static_cast<std::size_t>(written);
    }
    return 0;
}

void FlushFolderOf(const std::string& path) {
    std::string::size_type slash = path.find_last_of('/');
    std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

bool PathExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

bool ReadWholeFile(const std::string& path, std::string& content, std::string& error) {
    content.clear();
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = SystemMessage(errno);
        return false;
    }
    char buffer[64 * 1024];
    for (;;) {
        ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            error = SystemMessage(errno);
            close(fd);
            return false;
        }
        if (got == 0) break;
        content.append(buffer, static_cast<std::size_t>(got));
    }
    close(fd);
    return true;
}

bool ReplaceFileSafely(const std::string& path, const std::string& content, std::string& error) {
    const std::string temp = TempPathFor(path);
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = SystemMessage(errno);
        return false;
    }
    int code = WriteAll(fd, content.data(), content.size());
    if (code == 0 && fsync(fd) != 0) code = errno;
    if (close(fd) != 0 && code == 0) code = errno;
    if (code == 0 && rename(temp.c_str(), path.c_str()) != 0) code = errno;
    if (code != 0) {
        unlink(temp.c_str());
        error = SystemMessage(code);
        return false;
    }
    FlushFolderOf(path);
    return true;
}

bool WriteWholeFile(const std::string& path, std::initializer_list<FilePiece> pieces, std::string& error) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = SystemMessage(errno);
        return false;
    }
    int code = 0;
    for (const FilePiece& piece : pieces) {
        if (code == 0) code = WriteAll(fd, static_cast<const char*>(piece.data), piece.size);
    }
    if (close(fd) != 0 && code == 0) code = errno;
    if (code != 0) {
        unlink(path.c_str());
        error = SystemMessage(code);
        return false;
    }
    return true;
}

}  // namespace kv
