#pragma once
// The text of the macro list file: lines, and one record per line made of six
// pieces joined by ";" with "@" after the description. Nothing here touches
// the disk.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/MacroTable.h"

namespace kv {

constexpr std::size_t kListLinePieces = 6;

// CR LF, a lone LF and a lone CR each end a line; a final line end makes no
// extra line; a NUL ends the text. nulLine, when given, is set to the index
// of the line that holds the NUL, or npos when there is none.
std::vector<std::string> SplitLines(const std::string& text, std::size_t* nulLine = nullptr);

// The lines, each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// One record, without the CR LF: identifier, "-1" or "0", kind, shortcut,
// payload, description + "@". A CR, LF or NUL inside a text becomes a space,
// so that a record never spreads over two lines. A slot of an unknown kind
// gives its line as it was read.
std::string FormatListLine(const MacroSlot& slot);

// The pieces of a record: the line Split at ";". When that leaves fewer than
// six because a piece is blank (a program list without entries writes an
// empty payload), the line cut at every ";" is taken if it has exactly six
// pieces, so such a macro loads again.
std::vector<std::string> ListLinePieces(const std::string& line);

// Enabled, kind, shortcut, payload and description from the pieces of a
// record (at least six); UniqueID stays 0. Throws ConvertError when piece 1
// is no Boolean or piece 3 no integer.
MacroSlot SlotFromPieces(const std::vector<std::string>& pieces);

// The packed shortcut of piece 3: the runtime's integer conversion, and also
// the unsigned decimal the writer uses for values of 2^31 and above.
std::uint32_t HotKeyFromText(const std::string& text);

}  // namespace kv
