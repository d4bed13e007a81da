// Text helpers for the game's texts as platforms take them.
#pragma once

#include <string>
#include <string_view>

namespace quandrel {

// `text` with every `from` replaced by `to`.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// `text` with each of its line breaks ("\r\n" in the panel, "\r" in a box's prompt) replaced
// by `lineBreak`; unchanged when `lineBreak` is empty.
std::string WithLineBreak(std::string_view text, std::string_view lineBreak);

}  // namespace quandrel
