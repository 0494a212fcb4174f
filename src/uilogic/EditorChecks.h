#pragma once
// What the editor refuses to store. The list file has no escape: a "|"
// inside a payload field becomes two fields, a ";" inside a payload or
// description cuts the record, an "@" in a description is removed on
// reading, and a blank field vanishes and shifts the fields after it. Such
// input would come back changed or break the file, so it is refused with a
// message that names the problem; line breaks in the description become
// single spaces instead.
#include <string>

#include "uilogic/EditorPages.h"

namespace kv {

// The refusal of one list entry (a program, URL, key or mouse entry, a delay
// answer), as the add buttons and the commit check it: "" when it may be
// stored, else the message.
std::string CheckListEntry(const std::string& entry);

// The refusal of the page that the commit would store: "" when it may be
// stored. Checks the entries, the header fields (window name, counts, the
// capture folder) and that a program or URL list is not empty.
std::string CheckPage(const EditorPages& pages, int page);

// The description as it is stored: every line break (CR LF, CR or LF) made
// a single space.
std::string CleanDescription(const std::string& text);
// The refusal of a cleaned description: "" when it may be stored.
std::string CheckDescription(const std::string& description);

inline constexpr char kTableFullMessage[] =
    "The macro list is full: it holds 1000 macros, the most it can keep. "
    "Please delete a macro before adding a new one.";

}  // namespace kv
