#include "uilogic/EditorPages.h"

#include "model/ActionKind.h"
#include "model/Payload.h"

namespace kv {

const EditorCategory kEditorCategories[kEditorPageCount] = {
    {"Run Program", kKindRunProgram},      {"Open Url", kKindOpenUrl},         {"Screen Capture", kKindScreenCapture},
    {"Key Events", kKindKeyEvents},        {"Mouse Events", kKindMouseEvents}, {"Window Actions", kKindWindowActions},
    {"Miscellaneous", kKindMiscellaneous},
};

const std::vector<std::string> kFormatEntries = {kBitmap, kJpeg};
const std::vector<std::string> kWinTypeEntries = {kActiveWindow, kCustomWindow};
const std::vector<std::string> kRepeatEntries = {kOnce, kRepeat};
const std::vector<std::string> kMouseRepeatEntries = {kOnce, kRepeatUntil};
const std::vector<std::string> kWindowActionEntries = {kMinimizeAllWindows, kRestoreAllWindows};
const std::vector<std::string> kMiscEntries = {kRestartWindowsAction, kShutDownWindowsAction, kClearClipboardAction};

int PageOfKind(const std::string& kind) {
    for (int page = 0; page < kEditorPageCount; ++page) {
        if (kind == kEditorCategories[page].kind) return page;
    }
    return -1;
}

std::string KindOfPage(int page) {
    if (page < 0 || page >= kEditorPageCount) return std::string();
    return kEditorCategories[page].kind;
}

std::string procRunProgram(const EditorPages& pages) { return JoinFields(pages.lsbRunList); }

std::string procOpenUrl(const EditorPages& pages) { return JoinFields(pages.lsbURLs); }

std::string proScreenShot(const EditorPages& pages) { return JoinFields({pages.txSSPath, pages.cbFormat}); }

std::string procSendKey(const EditorPages& pages) {
    return JoinPayload({pages.cbWinType, pages.txWindowName, pages.cbRepeat, pages.txTimes}, pages.lsbKeys);
}

std::string procMouseEvent(const EditorPages& pages) {
    return JoinPayload({pages.cbMRepeat, pages.txMTimes}, pages.lsbMouse);
}

std::string procWindowAction(const EditorPages& pages) { return pages.cbWindowSettings; }

std::string procMisc(const EditorPages& pages) {
    return JoinFields({pages.cbMisc, pages.cbConfirm ? kConfirmFlag : kNoConfirmFlag});
}

std::string PagePayload(const EditorPages& pages, int page) {
    switch (page) {
        case pgRunProgram: return procRunProgram(pages);
        case pgOpenUrl: return procOpenUrl(pages);
        case pgScreenCapture: return proScreenShot(pages);
        case pgKeyEvents: return procSendKey(pages);
        case pgMouseEvents: return procMouseEvent(pages);
        case pgWindowActions: return procWindowAction(pages);
        case pgMiscellaneous: return procMisc(pages);
    }
    return std::string();
}

namespace {

bool Has(const std::vector<std::string>& fields, std::size_t index) { return index < fields.size(); }

// The entry equal to text, else the current choice stays.
void ChooseIfListed(std::string& choice, const std::vector<std::string>& entries, const std::string& text) {
    for (const std::string& entry : entries) {
        if (entry == text) choice = entry;
    }
}

void LoadKeyEvents(EditorPages& pages, const std::vector<std::string>& f) {
    if (Has(f, 0)) {
        if (f[0] == kActiveWindow) {
            ChooseWinType(pages, kActiveWindow);
        } else {
            pages.cbWinType = kCustomWindow;
            if (Has(f, 1)) pages.txWindowName = f[1];
        }
    }
    if (Has(f, 2)) {
        if (f[2] == kOnce) {
            ChooseRepeat(pages, kOnce);
        } else {
            pages.cbRepeat = kRepeat;
            if (Has(f, 3)) pages.txTimes = f[3];
        }
    }
    pages.lsbKeys = PayloadItems(f, kKeyEventHeaderFields);
}

void LoadMouseEvents(EditorPages& pages, const std::vector<std::string>& f) {
    if (Has(f, 0)) {
        if (f[0] == kOnce) {
            ChooseMRepeat(pages, kOnce);
        } else {
            pages.cbMRepeat = kRepeatUntil;
            if (Has(f, 1)) pages.txMTimes = f[1];
        }
    }
    pages.lsbMouse = PayloadItems(f, kMouseEventHeaderFields);
}

}  // namespace

void LoadPagePayload(EditorPages& pages, int page, const std::string& payload) {
    const std::vector<std::string> f = PayloadFields(payload);
    switch (page) {
        case pgRunProgram: pages.lsbRunList = f; break;
        case pgOpenUrl: pages.lsbURLs = f; break;
        case pgScreenCapture:
            if (Has(f, 0)) pages.txSSPath = f[0];
            if (Has(f, 1)) pages.cbFormat = f[1] == kBitmap ? kBitmap : kJpeg;
            break;
        case pgKeyEvents: LoadKeyEvents(pages, f); break;
        case pgMouseEvents: LoadMouseEvents(pages, f); break;
        case pgWindowActions:
            if (Has(f, 0)) ChooseIfListed(pages.cbWindowSettings, kWindowActionEntries, f[0]);
            break;
        case pgMiscellaneous:
            if (Has(f, 0)) ChooseIfListed(pages.cbMisc, kMiscEntries, f[0]);
            if (Has(f, 1)) pages.cbConfirm = f[1] == kConfirmFlag;
            break;
    }
}

bool KeyCountEnabled(const EditorPages& pages) { return pages.cbRepeat != kOnce; }
bool MouseCountEnabled(const EditorPages& pages) { return pages.cbMRepeat != kOnce; }
bool WindowNameEnabled(const EditorPages& pages) { return pages.cbWinType != kActiveWindow; }

void ChooseWinType(EditorPages& pages, const std::string& choice) {
    pages.cbWinType = choice;
    if (choice == kActiveWindow) pages.txWindowName = kActiveWindow;
}

void ChooseRepeat(EditorPages& pages, const std::string& choice) {
    pages.cbRepeat = choice;
    if (choice == kOnce) pages.txTimes = "0";
}

void ChooseMRepeat(EditorPages& pages, const std::string& choice) {
    pages.cbMRepeat = choice;
    if (choice == kOnce) pages.txMTimes = "0";
}

}  // namespace kv
