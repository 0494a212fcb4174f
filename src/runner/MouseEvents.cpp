#include "runner/MouseEvents.h"

#include <algorithm>
#include <vector>

#include "model/Convert.h"
#include "model/Split.h"
#include "runner/Delay.h"
#include "runner/InputTarget.h"
#include "runner/Playback.h"

namespace kv {

namespace {

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

bool IsPositionItem(const std::string& item) { return Contains(item, "X:") && Contains(item, "Y:"); }

bool IsClickItem(const std::string& item) { return Contains(item, "BUTTON") || Contains(item, "CLICK"); }

bool IsMouseItem(const std::string& field) {
    return parseDelay(field) != 0 || IsPositionItem(field) || IsClickItem(field);
}

int StepToward(int from, int to) { return from < to ? from + 1 : from > to ? from - 1 : from; }

// A stop comes before a press, never between it and its release.
void Click(InputContext& context, std::uint32_t downFlags, std::uint32_t upFlags, std::uint32_t data = 0) {
    CheckStop(context);
    context.input.MouseEvent(downFlags, data);
    context.input.MouseEvent(upFlags, data);
}

// Before a click: waits ms, then, when the pointer is not where the last
// glide put it, puts it back there until it stays (for at most 100 ms). Wine
// reports the warps of a glide back as pointer motion through whichever
// program owns the window below, and a late report can move the pointer a
// step back after the glide ended; the click would then land beside its target.
void SettlePointer(InputContext& context, std::int32_t ms) {
    PlayDelay(context, ms);
    if (!context.hasPointerTarget) return;
    for (int tries = 0; tries < 20 && context.input.GetCursorPos() != context.pointerTarget; ++tries) {
        context.input.SetCursorPos(context.pointerTarget);
        PlayDelay(context, 5);
    }
}

void PlayMouseItem(InputContext& context, const std::string& item) {
    CheckStop(context);
    const std::int32_t ms = parseDelay(item);
    if (ms != 0) {
        PlayDelay(context, ms);
    } else if (IsPositionItem(item)) {
        MouseEvent(context, GetMouseCoorFromStr(item));
    } else if (IsClickItem(item)) {
        EmulateMouseClick(context, item);
    }
}

}  // namespace

Point GetMouseCoorFromStr(const std::string& item) {
    std::string text;
    for (char c : item) {
        if (c != '{' && c != '}') text += c;
    }
    const size_t colon = text.find(':');
    const size_t comma = text.find(',');
    const size_t xStart = colon == std::string::npos ? 0 : colon + 1;
    const std::string xText =
        comma != std::string::npos && comma >= xStart ? text.substr(xStart, comma - xStart) : std::string();

    const std::string rest = comma == std::string::npos ? text : text.substr(comma + 1);
    const size_t restColon = rest.find(':');
    const std::string yText = restColon == std::string::npos ? rest : rest.substr(restColon + 1);

    Point point;
    point.x = StrToInt(xText);
    point.y = StrToInt(yText);
    return point;
}

void MouseEvent(InputContext& context, Point point) { EmulateMouseMove(context, point); }

void EmulateMouseMove(InputContext& context, Point target) {
    Point current = context.input.GetCursorPos();
    if (target == Point{0, 0}) return;

    // The platform keeps the cursor on the screens; steps beyond their edge
    // would move nothing and only make the glide last longer.
    Point topLeft, bottomRight;
    context.input.GetVirtualScreen(topLeft, bottomRight);
    // std::max: a platform that reports no screen gives bottomRight left of topLeft.
    target.x = std::clamp(target.x, topLeft.x, std::max(topLeft.x, bottomRight.x));
    target.y = std::clamp(target.y, topLeft.y, std::max(topLeft.y, bottomRight.y));

    int step = 0;
    do {
        current.x = StepToward(current.x, target.x);
        current.y = StepToward(current.y, target.y);
        if (++step == 10) {
            step = 0;
            PlayDelay(context, 3);
        }
        context.input.SetCursorPos(current);
    } while (current != target);
    context.pointerTarget = target;
    context.hasPointerTarget = true;
}

void EmulateMouseClick(InputContext& context, const std::string& item) {
    if (item == "{LBUTTON}") {
        SettlePointer(context, 5);
        Click(context, kMouseLeftDown, kMouseLeftUp);
    } else if (item == "{DBLCLICK}") {
        SettlePointer(context, 5);
        Click(context, kMouseLeftDown, kMouseLeftUp);
        SettlePointer(context, 100);
        Click(context, kMouseLeftDown, kMouseLeftUp);
    } else if (item == "{RBUTTON}") {
        SettlePointer(context, 5);
        Click(context, kMouseRightDown, kMouseRightUp);
    } else if (item == "{MBUTTON}") {
        SettlePointer(context, 5);
        Click(context, kMouseMiddleDown, kMouseMiddleUp);
    } else if (item == "{BUTTON4}") {
        SettlePointer(context, 5);
        Click(context, kMouseXDown, kMouseXUp, kMouseXButton1);
    } else if (item == "{BUTTON5}") {
        SettlePointer(context, 5);
        Click(context, kMouseXDown, kMouseXUp, kMouseXButton2);
    }
}

void PlayMouseEvents(InputContext& context, const std::string& ActionData) {
    const std::vector<std::string> fields = Split(ActionData, '|');
    if (fields.size() < 2) return;

    size_t firstItem = 2;
    int times = 1;
    if (IsMouseItem(fields[1])) {
        // A blank count was dropped by splitting: the items start at once.
        firstItem = 1;
    } else if (fields[0] != "Once") {
        times = RepeatTimes(fields[1]);
    }

    WaitForModifierRelease(context);
    for (int pass = 0; pass < times; ++pass) {
        for (size_t item = firstItem; item < fields.size(); ++item) {
            if (!InputReachesForeground(context)) return;
            PlayMouseItem(context, fields[item]);
        }
    }
}

}  // namespace kv
