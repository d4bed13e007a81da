// Numbers and cells as the trace panel writes them: plain decimal, whole doubles without a
// decimal point.
#pragma once

#include <string>

namespace quandrel {

std::string NumberText(int value);
std::string NumberText(double value);

// "board(c,r)=code", as the drag trace, the cell report and the dump write a cell.
std::string CellText(int c, int r, int code);

}  // namespace quandrel
