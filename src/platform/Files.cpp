#include "platform/Files.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kv {

namespace {

// The error box adds its own full stop.
std::string WithoutClosingStop(std::string message) {
    while (!message.empty() && (message.back() == '\r' || message.back() == '\n' || message.back() == ' ' ||
                                message.back() == '.')) {
        message.pop_back();
    }
    return message;
}

std::string TempPathFor(const std::string& path) { return path + ".tmp"; }

}  // namespace

#ifdef _WIN32

namespace {

std::string SystemMessage(DWORD code) {
    char* buffer = nullptr;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string message = length && buffer ? std::string(buffer, length) : "System error " + std::to_string(code);
    if (buffer) LocalFree(buffer);
    return WithoutClosingStop(message);
}

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return h_; }
    void Close() {
        if (Valid()) CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE h_;
};

// The error of the call that just failed; never 0, which reads as success.
DWORD LastErrorCode() {
    DWORD code = GetLastError();
    return code != 0 ? code : ERROR_GEN_FAILURE;
}

// Writes all the bytes; 0 or the error code.
DWORD WriteAll(HANDLE file, const char* bytes, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes + done, chunk, &written, nullptr)) return LastErrorCode();
        // A write that succeeds but stores fewer bytes leaves no error code:
        // the disk is full.
        if (written != chunk) return ERROR_HANDLE_DISK_FULL;
        done += written;
    }
    return 0;
}

}  // namespace

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool ReadWholeFile(const std::string& path, std::string& content, std::string& error) {
    content.clear();
    Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        error = SystemMessage(GetLastError());
        return false;
    }
    char buffer[64 * 1024];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr)) {
            error = SystemMessage(GetLastError());
            return false;
        }
        if (got == 0) return true;
        content.append(buffer, got);
    }
}

bool ReplaceFileSafely(const std::string& path, const std::string& content, std::string& error) {
    const std::string temp = TempPathFor(path);
    Handle file(CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        error = SystemMessage(GetLastError());
        return false;
    }
    DWORD code = WriteAll(file.Get(), content.data(), content.size());
    if (code == 0 && !FlushFileBuffers(file.Get())) code = LastErrorCode();
    file.Close();
    if (code == 0 && !MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        code = LastErrorCode();
    }
    if (code != 0) {
        DeleteFileA(temp.c_str());
        error = SystemMessage(code);
        return false;
    }
    return true;
}

#else

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

#endif

bool CopyFileSafely(const std::string& from, const std::string& to, std::string& error, bool& readFailed) {
    std::string content;
    readFailed = !ReadWholeFile(from, content, error);
    return !readFailed && ReplaceFileSafely(to, content, error);
}

#ifdef _WIN32

bool WriteWholeFile(const std::string& path, std::initializer_list<FilePiece> pieces, std::string& error) {
    Handle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        error = SystemMessage(GetLastError());
        return false;
    }
    DWORD code = 0;
    for (const FilePiece& piece : pieces) {
        if (code == 0) code = WriteAll(file.Get(), static_cast<const char*>(piece.data), piece.size);
    }
    if (code != 0) {
        file.Close();
        DeleteFileA(path.c_str());
        error = SystemMessage(code);
        return false;
    }
    return true;
}

#else

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

#endif

bool WriteWholeFile(const std::string& path, const void* data, std::size_t size, std::string& error) {
    return WriteWholeFile(path, {FilePiece{data, size}}, error);
}

}  // namespace kv
