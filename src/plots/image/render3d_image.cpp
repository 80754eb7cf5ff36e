#include "plots/image/render3d_image.h"

#include <QPainter>

namespace ondarel {

QImage pictureImage(const Picture3d& picture)
{
    QImage image(Picture3d::kWidth, Picture3d::kHeight, QImage::Format_RGB32);
    for (int y = 0; y < Picture3d::kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < Picture3d::kWidth; ++x) {
            const Rgb c = picture.at(x, y);
            line[x] = qRgb(c.r, c.g, c.b);
        }
    }
    return image;
}

void drawAxisLetters(QImage& image, const View3d& view, const QFont& font)
{
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setBackground(Qt::white);
    painter.setBackgroundMode(Qt::OpaqueMode);
    const char* letters[3] = {"x", "y", "z"};
    const auto pixels = axisLetterPixels(view);
    const QFontMetrics metrics(font);
    for (int i = 0; i < 3; ++i)
        if (pixels[static_cast<std::size_t>(i)])
            painter.drawText(QPoint(pixels[static_cast<std::size_t>(i)]->x,
                                    pixels[static_cast<std::size_t>(i)]->y + metrics.ascent()),
                             letters[i]);
}

QImage renderPatternImage(const PatternFunction& f, bool dependsOnPhi, const View3d& view, const Palette3d& palette,
                          const QFont& font)
{
    const DepthBuffer buffer = renderPattern(f, dependsOnPhi, view);
    Picture3d picture;
    shadeDepthBuffer(buffer, palette, kRenderLight, kShadeStep, picture);
    QImage image = pictureImage(picture);
    drawAxisLetters(image, view, font);
    return image;
}

}  // namespace ondarel
