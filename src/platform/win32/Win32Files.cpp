// The Win32 half of Files.h: kernel32's files, errors in the system's words.
#include <windows.h>

#include <algorithm>

#include "platform/FileErrors.h"
#include "platform/Files.h"
#include "platform/win32/OwnedHandle.h"

namespace kv {

namespace {

std::string SystemMessage(DWORD code) {
    char* buffer = nullptr;
    DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string message = length && buffer ? std::string(buffer, length) : "System error " + std::to_string(code);
    if (buffer) LocalFree(buffer);
    return WithoutClosingStop(message);
}

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
    OwnedKernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
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
    OwnedKernelHandle file(
        CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        error = SystemMessage(GetLastError());
        return false;
    }
    DWORD code = WriteAll(file.Get(), content.data(), content.size());
    if (code == 0 && !FlushFileBuffers(file.Get())) code = LastErrorCode();
    file.Reset();
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

bool WriteWholeFile(const std::string& path, std::initializer_list<FilePiece> pieces, std::string& error) {
    OwnedKernelHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        error = SystemMessage(GetLastError());
        return false;
    }
    DWORD code = 0;
    for (const FilePiece& piece : pieces) {
        if (code == 0) code = WriteAll(file.Get(), static_cast<const char*>(piece.data), piece.size);
    }
    if (code != 0) {
        file.Reset();
        DeleteFileA(path.c_str());
        error = SystemMessage(code);
        return false;
    }
    return true;
}

}  // namespace kv
