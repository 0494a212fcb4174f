#include "platform/Files.h"

#include "platform/FileErrors.h"

namespace kv {

std::string WithoutClosingStop(std::string message) {
    while (!message.empty() &&
           (message.back() == '\r' || message.back() == '\n' || message.back() == ' ' || message.back() == '.')) {
        message.pop_back();
    }
    return message;
}

bool CopyFileSafely(const std::string& from, const std::string& to, std::string& error, bool& readFailed) {
    std::string content;
    readFailed = !ReadWholeFile(from, content, error);
    return !readFailed && ReplaceFileSafely(to, content, error);
}

bool WriteWholeFile(const std::string& path, const void* data, std::size_t size, std::string& error) {
    return WriteWholeFile(path, {FilePiece{data, size}}, error);
}

}  // namespace kv
