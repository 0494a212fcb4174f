#pragma once
// Action payloads: one text whose fields are separated by "|", a fixed number
// of header fields per kind followed by the items. There is no escape.
#include <cstddef>
#include <string>
#include <vector>

namespace kv {

constexpr char kPayloadSeparator = '|';

// Header fields before the first item of key and mouse payloads.
constexpr std::size_t kKeyEventHeaderFields = 4;    // target, window, repeat mode, count
constexpr std::size_t kMouseEventHeaderFields = 2;  // repeat mode, count

// Field 0 of a WINACT payload.
inline constexpr char kMinimizeAllWindows[] = "Minimize all Windows";
inline constexpr char kRestoreAllWindows[] = "Restore all Windows";
// Fields 0 and 1 of a MISCEL payload: the action, then whether to ask first.
inline constexpr char kRestartWindowsAction[] = "Restart Windows";
inline constexpr char kShutDownWindowsAction[] = "Shut down Windows";
inline constexpr char kClearClipboardAction[] = "Clear Clipboard";
inline constexpr char kConfirmFlag[] = "-1";
inline constexpr char kNoConfirmFlag[] = "0";

// Each header field followed by "|", then the items with "|" between them:
// a key or mouse payload without items ends in "|". With no header fields
// this is the program and URL list form ("" for no items).
std::string JoinPayload(const std::vector<std::string>& header, const std::vector<std::string>& items);

// The fields with "|" between them and none at the end: the capture, window
// and miscellaneous forms ("D:\Captures|JPEG").
std::string JoinFields(const std::vector<std::string>& fields);

// The fields as readers number them: Split at "|", so blank fields vanish
// and the following ones move up.
std::vector<std::string> PayloadFields(const std::string& payload);

// Field index, or "" when there are fewer fields.
std::string PayloadField(const std::vector<std::string>& fields, std::size_t index);

// The fields from index first on (the items after a header).
std::vector<std::string> PayloadItems(const std::vector<std::string>& fields, std::size_t first);

}  // namespace kv
