// Numbers as the trace panel writes them: plain decimal, whole doubles without a decimal point.
#pragma once

#include <string>

namespace quandrel {

std::string NumberText(int value);
std::string NumberText(double value);

}  // namespace quandrel
