#include "game/text.h"

namespace quandrel {

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string result;
    for (std::size_t at = text.find(from); at != std::string_view::npos; at = text.find(from)) {
        result.append(text.substr(0, at)).append(to);
        text.remove_prefix(at + from.size());
    }
    return result.append(text);
}

std::string WithLineBreak(std::string_view text, std::string_view lineBreak) {
    if (lineBreak.empty()) return std::string(text);
    return ReplaceAll(ReplaceAll(text, "\r\n", "\r"), "\r", lineBreak);
}

}  // namespace quandrel
