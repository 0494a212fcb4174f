#include "model/ListText.h"

#include "model/Convert.h"
#include "model/Split.h"

namespace kv {

namespace {

std::string OnOneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    }
    return text;
}

std::vector<std::string> CutAtEvery(const std::string& text, char separator) {
    std::vector<std::string> pieces(1);
    for (char c : text) {
        if (c == separator)
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}

std::string WithoutAt(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c != '@') result += c;
    }
    return result;
}

}  // namespace

std::vector<std::string> SplitLines(const std::string& text, std::size_t* nulLine) {
    std::vector<std::string> lines;
    std::string current;
    bool open = false;  // characters seen since the last line end
    if (nulLine) *nulLine = std::string::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\0') {
            if (nulLine) *nulLine = lines.size();
            break;
        }
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            open = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            current += c;
            open = true;
        }
    }
    if (open) lines.push_back(current);
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string FormatListLine(const MacroSlot& slot) {
    if (!slot.KeptLine.empty()) return slot.KeptLine;
    return std::to_string(slot.UniqueID) + ";" + (slot.Enabled ? "-1" : "0") + ";" + OnOneLine(slot.ActionKind) + ";" +
           std::to_string(slot.HotKey) + ";" + OnOneLine(slot.ActionData) + ";" + OnOneLine(slot.Description) + "@";
}

std::vector<std::string> ListLinePieces(const std::string& line) {
    std::vector<std::string> pieces = Split(line, ';');
    if (pieces.size() < kListLinePieces) {
        std::vector<std::string> exact = CutAtEvery(line, ';');
        if (exact.size() == kListLinePieces) return exact;
    }
    return pieces;
}

std::uint32_t HotKeyFromText(const std::string& text) {
    std::int32_t value = 0;
    if (TryStrToInt(text, value)) return static_cast<std::uint32_t>(value);
    if (!text.empty() && text.size() <= 10 && text.find_first_not_of("0123456789") == std::string::npos) {
        unsigned long long wide = std::stoull(text);
        if (wide <= 0xFFFFFFFFull) return static_cast<std::uint32_t>(wide);
    }
    return static_cast<std::uint32_t>(StrToInt(text));  // throws with the runtime's message
}

MacroSlot SlotFromPieces(const std::vector<std::string>& pieces) {
    MacroSlot slot;
    slot.Enabled = StrToBool(pieces.at(1));
    slot.ActionKind = pieces.at(2);
    slot.HotKey = HotKeyFromText(pieces.at(3));
    slot.ActionData = pieces.at(4);
    slot.Description = WithoutAt(pieces.at(5));
    return slot;
}

}  // namespace kv
