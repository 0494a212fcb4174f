#pragma once
// Whether closing the editor without a commit throws away something the user
// did: the editor keeps what its fields held when it was shown and compares
// them when it is closed; only then is the discard question asked.
#include <cstdint>
#include <string>

#include "uilogic/EditorPages.h"

namespace kv {

inline constexpr char kDiscardQuestion[] = "Discard the changes to this macro?";

// Everything the user can change in the editor.
struct EditorFields {
    std::uint32_t hotKey = 0;  // the shortcut as the controls build it
    int category = -1;         // the chosen entry of the category list
    int page = 0;              // the page shown
    EditorPages pages;
    std::string description;
};

// True when a field differs from when the editor was shown. Every field
// counts, also one that the commit would not store (the page of another
// category): the user typed it and would lose it.
bool FieldsChanged(const EditorFields& shown, const EditorFields& now);

}  // namespace kv
