#pragma once
// Cuts list file lines (at ";") and payloads (at "|") into their pieces.
#include <string>
#include <vector>

namespace kv {

// The non-blank pieces of text between separators, in order. A letter
// separator matches both cases. A piece is blank when nothing is left after
// removing the characters of code 0x20 and below from both ends; blank pieces
// are dropped, kept pieces are returned untrimmed. "a;;b" and "a;b;" both
// give a and b; an empty or blank text gives nothing.
std::vector<std::string> Split(const std::string& text, char separator);

// True when text holds no character above code 0x20.
bool IsBlank(const std::string& text);

}  // namespace kv
