#include "model/Payload.h"

#include "model/Split.h"

namespace kv {

std::string JoinPayload(const std::vector<std::string>& header, const std::vector<std::string>& items) {
    std::string payload;
    for (const std::string& field : header) {
        payload += field;
        payload += kPayloadSeparator;
    }
    return payload + JoinFields(items);
}

std::string JoinFields(const std::vector<std::string>& fields) {
    std::string joined;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) joined += kPayloadSeparator;
        joined += fields[i];
    }
    return joined;
}

std::vector<std::string> PayloadFields(const std::string& payload) { return Split(payload, kPayloadSeparator); }

std::string PayloadField(const std::vector<std::string>& fields, std::size_t index) {
    return index < fields.size() ? fields[index] : std::string();
}

std::vector<std::string> PayloadItems(const std::vector<std::string>& fields, std::size_t first) {
    if (first >= fields.size()) return {};
    return std::vector<std::string>(fields.begin() + static_cast<std::ptrdiff_t>(first), fields.end());
}

}  // namespace kv
