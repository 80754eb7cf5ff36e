// Writes the program icon into a hicolor icon tree at the usual sizes, drawn
// by the same routine as the main window's picture, so the installed icon is
// the program's own artwork.
//   render_icons <output-folder> <icon-name>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

#include "app/artwork.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_icons <output-folder> <icon-name>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);

    // Drawn once large, on a rounded tile, then scaled down: the artwork's
    // margins are in pixels and would swallow a 16-pixel drawing.
    constexpr int kMaster = 512;
    const QPixmap art = ondarel::programIcon(kMaster, 1.0);
    QImage master(kMaster, kMaster, QImage::Format_ARGB32_Premultiplied);
    master.fill(Qt::transparent);
    {
        QPainter p(&master);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath tile;
        tile.addRoundedRect(QRectF(0, 0, kMaster, kMaster), kMaster * 0.18, kMaster * 0.18);
        p.setClipPath(tile);
        p.drawPixmap(0, 0, art);
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString folder = QString("%1/hicolor/%2x%2/apps").arg(root).arg(size);
        QDir().mkpath(folder);
        const QImage icon = master.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (!icon.save(folder + "/" + name + ".png")) {
            std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
