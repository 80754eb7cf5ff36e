#pragma once
// The 3D picture as an image: shared by the 3D view and by the command-line
// tool, which renders without a window. Needs Qt Gui only.
#include <QFont>
#include <QImage>

#include "plots/pure/render3d.h"

namespace ondarel {

QImage pictureImage(const Picture3d& picture);

// The letters "x", "y" and "z" on a white background where the axes' points
// at 180 project.
void drawAxisLetters(QImage& image, const View3d& view, const QFont& font);

// The whole rendering of a pattern as the view shows it right after
// "Plotar Gráfico 3D"; an empty function draws the axes alone.
QImage renderPatternImage(const PatternFunction& f, bool dependsOnPhi, const View3d& view, const Palette3d& palette,
                          const QFont& font);

}  // namespace ondarel
