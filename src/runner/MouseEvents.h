#pragma once
// Mouse playback: cursor glides to absolute screen positions ({X:100,Y:200})
// and button clicks ({LBUTTON}, {DBLCLICK}, {RBUTTON}, {MBUTTON}, {BUTTON4},
// {BUTTON5}) at the cursor, with delay items between them.
#include <string>

#include "platform/Types.h"
#include "runner/KeyEvents.h"

namespace kv {

// The two numbers of a position item, the first one X: the labels before the
// colons are not examined. Throws ConvertError when one is not a number.
Point GetMouseCoorFromStr(const std::string& item);

// Moves the cursor to the point (by the glide).
void MouseEvent(InputContext& context, Point point);

// Glides the cursor one pixel per step from where it is to the target,
// diagonally first, pausing 3 ms before every tenth step. (0,0) leaves the
// cursor where it is.
void EmulateMouseMove(InputContext& context, Point target);

// One click item, compared as a whole text; anything else does nothing.
void EmulateMouseClick(InputContext& context, const std::string& item);

// Player of the MOUSEE action: repeat mode and count, then mouse items and
// delay items. Throws ConvertError for a position that is not a number.
void PlayMouseEvents(InputContext& context, const std::string& ActionData);

}  // namespace kv
