#pragma once
#include <QIcon>

namespace ondarel {

enum class ToolIcon { Open, Save, New, Calculate, Chart2D, Chart3D, Geometry, Print, Close };

// Tool-bar pictures, drawn as vectors so they stay crisp at any scale.
QIcon toolIcon(ToolIcon icon);

}  // namespace ondarel
