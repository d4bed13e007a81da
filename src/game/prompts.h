// Titles and prompts of the three message boxes; "\r" separates a prompt's lines.
#pragma once

namespace quandrel {

inline constexpr const char* kObjectTitle = "Object";
// The two pieces of the sentence, joined by a blank.
inline constexpr const char* kObjectPrompt =
    "The object is to get the large block"
    " "
    "to the other side.";

inline constexpr const char* kSolutionTitle = "There Is No Help";
inline constexpr const char* kSolutionPrompt =
    "The author of this program "
    " does not know how to solve this quandrel."
    "\r"
    "But it is possable.";

inline constexpr const char* kAboutTitle = "About Quandrel1";
inline constexpr const char* kAboutPrompt =
    "Quandrel1"
    "\r"
    "Quandrel Designer : Unknown"
    "\r"
    "Program : Orvell"
    "\r"
    "July 19, 1999";

}  // namespace quandrel
