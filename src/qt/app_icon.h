// The game's icon, drawn from the same SVG that is installed into the icon theme.
#pragma once

#include <QIcon>

namespace quandrel {

QIcon AppIcon();

}  // namespace quandrel
