// The core's UTF-8 text as the wide-character API takes it.
#pragma once

#include <string>

namespace quandrel {

std::wstring Widen(const std::string& utf8);

}  // namespace quandrel
