#pragma once
// Shared by the two halves of Files.h (win32/Win32Files.cpp,
// posix/PosixFiles.cpp).
#include <string>

namespace kv {

// A system message without its closing full stop or line end: the error box
// adds its own full stop.
std::string WithoutClosingStop(std::string message);

// Where a safe replace writes the new content before moving it over the file.
inline std::string TempPathFor(const std::string& path) { return path + ".tmp"; }

}  // namespace kv
