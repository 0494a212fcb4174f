#pragma once
// Whole files: reading, a replace that never leaves a half-written file, and
// a copy. Failures give the system's message for the error, without its
// closing full stop or line end (the error box adds the full stop).
#include <cstddef>
#include <initializer_list>
#include <string>

namespace kv {

// True when something (a file or a folder) exists at path.
bool PathExists(const std::string& path);

// The file's bytes, unchanged.
bool ReadWholeFile(const std::string& path, std::string& content, std::string& error);

// Gives the file at path the new content: written to path + ".tmp" beside it,
// flushed to disk, then moved over the old file in one step. On failure the
// old file is left as it was and the temporary file is removed.
bool ReplaceFileSafely(const std::string& path, const std::string& content, std::string& error);

// Copies a file, replacing the target safely as above. readFailed tells
// whether the source could not be read (else the target was not written).
bool CopyFileSafely(const std::string& from, const std::string& to, std::string& error, bool& readFailed);

// Creates the file at path, replacing an existing one, and writes the bytes
// straight into it (for files that need no safe replace, such as screen
// captures). A file left half-written by a failure is removed.
bool WriteWholeFile(const std::string& path, const void* data, std::size_t size, std::string& error);

// The same with the content in pieces, written one after the other (a
// header and pixels that live elsewhere, without copying them together).
struct FilePiece {
    const void* data;
    std::size_t size;
};
bool WriteWholeFile(const std::string& path, std::initializer_list<FilePiece> pieces, std::string& error);

}  // namespace kv
