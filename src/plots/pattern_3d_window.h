#pragma once
// TfrmZB: the shaded 3D picture of the calling calculator's pattern, with a
// control panel of rotations, scale, resolution and colours.
#include <QWidget>
#include <array>

#include "plots/pure/render3d.h"

class QGroupBox;
class QLineEdit;
class QScrollBar;
class QFrame;

namespace ondarel {

class Pattern3dWindow : public QWidget {
    Q_OBJECT
public:
    explicit Pattern3dWindow(QWidget* parent = nullptr);

    void render();             // "Plotar Gráfico 3D", and every scroll-bar change
    void applyEdits();         // Enter in any of the five edits
    void clearDepthBuffer();   // a click on the empty area of the control panel
    void repaintFromBuffer();  // the window's own repaint: the buffer shaded with the repaint light
    void saveImage();          // "Salvar imagem…"

    const QImage& image() const { return image_; }
    const DepthBuffer& depthBuffer() const { return buffer_; }
    View3d view() const;
    Palette3d swatchPalette() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Control {
        QScrollBar* bar;
        QLineEdit* edit;
    };
    void addControl(int row, const char* label, const char* barName, const char* editName, int low, int high,
                    int value);
    QFrame* addSwatch(int x, const char* label, const char* name, const QColor& colour);
    void chooseColour(QFrame* swatch);

    QGroupBox* panel_;
    std::array<Control, 5> controls_{};
    QFrame* surface_;
    QFrame* axes_;
    QFrame* hidden_;
    DepthBuffer buffer_;
    QImage image_;
};

}  // namespace ondarel
