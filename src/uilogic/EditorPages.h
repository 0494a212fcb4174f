#pragma once
// The detail pages of the macro editor as plain data: what each page shows,
// the payload each page builds on commit, and how a stored payload fills the
// page again when a macro is opened for editing. The form copies its controls
// into an EditorPages and back; everything it decides is decided here.
#include <string>
#include <vector>

#include "model/Payload.h"

namespace kv {

// The pages of tvNav, TabSheet1 to TabSheet7, which are also the entries of
// the category list, in the same order.
enum EditorPage : int {
    pgRunProgram = 0,
    pgOpenUrl,
    pgScreenCapture,
    pgKeyEvents,
    pgMouseEvents,
    pgWindowActions,
    pgMiscellaneous,
};
constexpr int kEditorPageCount = 7;
constexpr int kCategoryCount = kEditorPageCount;

struct EditorCategory {
    const char* entry;  // text in the category list
    const char* kind;   // action kind code stored with the macro
};
extern const EditorCategory kEditorCategories[kEditorPageCount];

// The page of an action kind code (exact, case-sensitive); -1 for a code that
// is none of the seven.
int PageOfKind(const std::string& kind);
// The kind code a page stores.
std::string KindOfPage(int page);

// Texts of the pages' choices, stored in the payloads as shown.
inline constexpr char kBitmap[] = "Bitmap";
inline constexpr char kJpeg[] = "JPEG";
inline constexpr char kActiveWindow[] = "Active Window";
inline constexpr char kCustomWindow[] = "Custom Window";
inline constexpr char kOnce[] = "Once";
inline constexpr char kRepeat[] = "Repeat";
inline constexpr char kRepeatUntil[] = "Repeat until";

// The entries of the pages' drop-down lists, in list order.
extern const std::vector<std::string> kFormatEntries;        // cbFormat
extern const std::vector<std::string> kWinTypeEntries;       // cbWinType
extern const std::vector<std::string> kRepeatEntries;        // cbRepeat
extern const std::vector<std::string> kMouseRepeatEntries;   // cbMRepeat
extern const std::vector<std::string> kWindowActionEntries;  // cbWindowSettings
extern const std::vector<std::string> kMiscEntries;          // cbMisc

// The content of every page, as a new editor shows it.
struct EditorPages {
    // TabSheet1, programs
    std::vector<std::string> lsbRunList;
    // TabSheet2, URLs
    std::vector<std::string> lsbURLs;
    // TabSheet3, screen capture
    std::string txSSPath;  // the executable's directory at creation
    std::string cbFormat = kBitmap;
    // TabSheet4, key sequence
    std::string cbWinType = kActiveWindow;
    std::string txWindowName = kActiveWindow;
    std::string cbRepeat = kOnce;
    std::string txTimes = "0";
    std::vector<std::string> lsbKeys;
    // TabSheet5, mouse sequence
    std::string cbMRepeat = kOnce;
    std::string txMTimes = "0";
    std::vector<std::string> lsbMouse;
    // TabSheet6, window action
    std::string cbWindowSettings = kMinimizeAllWindows;
    // TabSheet7, system action
    std::string cbMisc = kRestartWindowsAction;
    bool cbConfirm = true;
};

// The builders: the payload of one page, which the commit hands to
// StoreMacro with the page's kind code.
std::string procRunProgram(const EditorPages& pages);    // RUNPRG: the programs joined by "|"
std::string procOpenUrl(const EditorPages& pages);       // OPNURL: the URLs joined by "|"
std::string proScreenShot(const EditorPages& pages);     // SCRCAP: folder|format
std::string procSendKey(const EditorPages& pages);       // KEYEVN: target|name|repeat|count|items
std::string procMouseEvent(const EditorPages& pages);    // MOUSEE: repeat|count|items
std::string procWindowAction(const EditorPages& pages);  // WINACT: the chosen action
std::string procMisc(const EditorPages& pages);          // MISCEL: action|-1 or 0
// The builder of a page; "" for a page index out of range.
std::string PagePayload(const EditorPages& pages, int page);

// The loaders' reading of a stored payload: fills the page of the kind and
// leaves the other pages alone. The fields are taken by position after the
// payload is split at "|" (blank fields vanish). A field that a short payload
// (from an edited list file) lacks leaves its control as a new editor shows
// it, instead of being read as an empty text.
void LoadPagePayload(EditorPages& pages, int page, const std::string& payload);

// Whether the count box of the key or mouse page can be typed into.
bool KeyCountEnabled(const EditorPages& pages);
bool MouseCountEnabled(const EditorPages& pages);
// Whether the window name box can be typed into.
bool WindowNameEnabled(const EditorPages& pages);

// The choices of the key and mouse pages, as their handlers change them.
void ChooseWinType(EditorPages& pages, const std::string& choice);  // cbWinTypeChange
void ChooseRepeat(EditorPages& pages, const std::string& choice);   // cbRepeatChange
void ChooseMRepeat(EditorPages& pages, const std::string& choice);  // cbMRepeatChange

}  // namespace kv
