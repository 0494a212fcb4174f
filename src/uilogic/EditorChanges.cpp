#include "uilogic/EditorChanges.h"

#include <tuple>

namespace kv {

namespace {

auto Tied(const EditorPages& p) {
    return std::tie(p.lsbRunList, p.lsbURLs, p.txSSPath, p.cbFormat, p.cbWinType, p.txWindowName, p.cbRepeat, p.txTimes,
                    p.lsbKeys, p.cbMRepeat, p.txMTimes, p.lsbMouse, p.cbWindowSettings, p.cbMisc, p.cbConfirm);
}

}  // namespace

bool FieldsChanged(const EditorFields& shown, const EditorFields& now) {
    return shown.hotKey != now.hotKey || shown.category != now.category || shown.page != now.page ||
           shown.description != now.description || Tied(shown.pages) != Tied(now.pages);
}

}  // namespace kv
