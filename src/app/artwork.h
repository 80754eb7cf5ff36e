#pragma once
#include <QPixmap>

namespace ondarel {

// The main window's picture: a dipole under its polar radiation pattern,
// drawn at the screen's pixel ratio so it stays crisp.
QPixmap dipoleArtwork(const QSize& size, qreal devicePixelRatio);

// The program icon.
QPixmap programIcon(int size, qreal devicePixelRatio);

}  // namespace ondarel
