#include "uilogic/EditorChecks.h"

#include "model/Split.h"

namespace kv {

namespace {

// subject: what the message names ("The entry "abc"", "The window name").
std::string CheckField(const std::string& subject, const std::string& text) {
    if (text.find('|') != std::string::npos) {
        return subject + " contains the character \"|\", which separates the parts of a macro. Please remove it.";
    }
    if (text.find(';') != std::string::npos) {
        return subject +
               " contains the character \";\", which separates the fields of the macro list file. Please remove it.";
    }
    if (text.find_first_of("\r\n") != std::string::npos) {
        return subject + " contains a line break. Please remove it.";
    }
    return std::string();
}

std::string CheckEntries(const std::vector<std::string>& entries) {
    for (const std::string& entry : entries) {
        std::string refusal = CheckListEntry(entry);
        if (!refusal.empty()) return refusal;
    }
    return std::string();
}

// A header field the user fills in: it must not be blank, since a blank
// field vanishes when the payload is read and the fields after it move up.
std::string CheckHeaderField(const std::string& subject, const std::string& text, const std::string& whenBlank) {
    if (IsBlank(text)) return whenBlank;
    return CheckField(subject, text);
}

}  // namespace

std::string CheckListEntry(const std::string& entry) {
    if (IsBlank(entry)) {
        return "The list holds an empty entry, or one made only of blanks, which would be lost when the macro is "
               "stored. Please remove it.";
    }
    return CheckField("The entry \"" + entry + "\"", entry);
}

std::string CheckPage(const EditorPages& pages, int page) {
    switch (page) {
        case pgRunProgram:
            if (pages.lsbRunList.empty()) return "Please add at least one program to the list.";
            return CheckEntries(pages.lsbRunList);
        case pgOpenUrl:
            if (pages.lsbURLs.empty()) return "Please add at least one URL to the list.";
            return CheckEntries(pages.lsbURLs);
        case pgScreenCapture:
            return CheckHeaderField("The capture folder", pages.txSSPath,
                                    "Please choose the folder for the screen captures.");
        case pgKeyEvents: {
            std::string refusal;
            if (WindowNameEnabled(pages)) {
                refusal = CheckHeaderField("The window name", pages.txWindowName, "Please enter the window name.");
                if (!refusal.empty()) return refusal;
            }
            if (KeyCountEnabled(pages)) {
                refusal = CheckHeaderField("The repeat count", pages.txTimes, "Please enter the repeat count.");
                if (!refusal.empty()) return refusal;
            }
            return CheckEntries(pages.lsbKeys);
        }
        case pgMouseEvents:
            if (MouseCountEnabled(pages)) {
                std::string refusal =
                    CheckHeaderField("The repeat count", pages.txMTimes, "Please enter the repeat count.");
                if (!refusal.empty()) return refusal;
            }
            return CheckEntries(pages.lsbMouse);
    }
    return std::string();
}

std::string CleanDescription(const std::string& text) {
    std::string clean;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            clean += ' ';
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            clean += c;
        }
    }
    return clean;
}

std::string CheckDescription(const std::string& description) {
    if (description.find(';') != std::string::npos) {
        return "The description contains the character \";\", which separates the fields of the macro list file. "
               "Please remove it.";
    }
    if (description.find('@') != std::string::npos) {
        return "The description contains the character \"@\", which ends a macro's line in the macro list file. "
               "Please remove it.";
    }
    return std::string();
}

}  // namespace kv
