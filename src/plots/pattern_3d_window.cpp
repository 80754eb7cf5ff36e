#include "plots/pattern_3d_window.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include "catalogue/catalogue.h"
#include "core/fault.h"
#include "core/project_file.h"
#include "framework/command_guard.h"
#include "framework/window_registry.h"
#include "plots/image/render3d_image.h"

namespace ondarel {

namespace {

constexpr int kPanelWidth = 166;
// The classic frame around the client area (borders and title bar): the view
// centres on half the window's outer size, the same on every platform.
constexpr QSize kFrame(16, 76);

QColor swatchColour(const QFrame* swatch) { return swatch->palette().color(QPalette::Window); }

void setSwatchColour(QFrame* swatch, const QColor& c)
{
    QPalette p = swatch->palette();
    p.setColor(QPalette::Window, c);
    swatch->setPalette(p);
}

Rgb rgb(const QColor& c)
{
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}

// A whole number as the edits accept it: optional blanks and sign, digits.
int integerText(const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (!ok) throw Fault(FaultKind::Conversion);
    return v;
}

QImage whiteImage()
{
    QImage image(Picture3d::kWidth, Picture3d::kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

}  // namespace

Pattern3dWindow::Pattern3dWindow(QWidget* parent) : QWidget(parent, Qt::Window), image_(whiteImage())
{
    setObjectName("TfrmZB");
    setWindowTitle("Gráfico 3D");
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    resize(624, 404);

    panel_ = new QGroupBox("Gráfico 3D:", this);
    panel_->setObjectName("GroupBox1");
    panel_->setGeometry(0, 0, kPanelWidth, 404);
    panel_->setAutoFillBackground(true);
    QPalette silver = panel_->palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    panel_->setPalette(silver);
    panel_->installEventFilter(this);

    addControl(0, "Rot. eixo X", "scrEixoX", "edtEixoX", 0, 360, 60);
    addControl(1, "Rot. eixo Y", "scrEixoY", "edtEixoY", 0, 360, 0);
    addControl(2, "Rot eixo Z", "scrEixoZ", "edtEixoZ", 0, 360, 40);
    addControl(3, "Escala (%)", "scbEscala", "edtEscala", 1, 500, 150);
    addControl(4, "Resolução", "scbRes", "edtResol", 50, 640, 600);

    surface_ = addSwatch(10, "Grafico", "shpG", QColor(0, 128, 255));
    axes_ = addSwatch(62, "Eixo", "shpE", Qt::black);
    hidden_ = addSwatch(114, "Dipolo", "shpD", QColor(255, 0, 128));
    hidden_->hide();
    panel_->findChild<QLabel*>("lblshpD")->hide();

    auto button = [&](const char* caption, const char* name, int y, auto handler) {
        auto* b = new QPushButton(caption, panel_);
        b->setObjectName(name);
        b->setGeometry(10, y, kPanelWidth - 20, 25);
        connect(b, &QPushButton::clicked, this, handler);
    };
    button("Plotar Gráfico 3D", "btnPlotar", 300, [this] { guarded([this] { render(); }); });
    button("Salvar imagem…", "btnSalvar", 330, [this] { guarded([this] { saveImage(); }); });
    button("Sai&r", "btnSair", 360, [this] { close(); });
}

void Pattern3dWindow::addControl(int row, const char* label, const char* barName, const char* editName, int low,
                                 int high, int value)
{
    const int y = 20 + row * 46;
    auto* caption = new QLabel(label, panel_);
    caption->setGeometry(10, y, 100, 16);
    auto* bar = new QScrollBar(Qt::Horizontal, panel_);
    bar->setObjectName(barName);
    bar->setRange(low, high);
    bar->setValue(value);
    bar->setGeometry(10, y + 18, 100, 17);
    auto* edit = new QLineEdit(QString::number(value), panel_);
    edit->setObjectName(editName);
    edit->setGeometry(116, y + 15, 40, 22);
    connect(bar, &QScrollBar::valueChanged, this, [this] { guarded([this] { render(); }); });
    connect(edit, &QLineEdit::returnPressed, this, [this] { guarded([this] { applyEdits(); }); });
    controls_[static_cast<std::size_t>(row)] = {bar, edit};
}

QFrame* Pattern3dWindow::addSwatch(int x, const char* label, const char* name, const QColor& colour)
{
    auto* swatch = new QFrame(panel_);
    swatch->setObjectName(name);
    swatch->setFrameShape(QFrame::Box);
    swatch->setAutoFillBackground(true);
    swatch->setGeometry(x, 255, 40, 20);
    swatch->setCursor(Qt::PointingHandCursor);
    setSwatchColour(swatch, colour);
    swatch->installEventFilter(this);
    auto* caption = new QLabel(label, panel_);
    caption->setObjectName(QString("lbl") + name);
    caption->setGeometry(x, 238, 50, 16);
    return swatch;
}

View3d Pattern3dWindow::view() const
{
    View3d v;
    v.rotationX_deg = controls_[0].bar->value();
    v.rotationY_deg = controls_[1].bar->value();
    v.rotationZ_deg = controls_[2].bar->value();
    v.scalePercent = controls_[3].bar->value();
    v.resolution = controls_[4].bar->value();
    const QSize outer = size() + kFrame;
    v.centreX = outer.width() / 2;
    v.centreY = outer.height() / 2;
    return v;
}

Palette3d Pattern3dWindow::swatchPalette() const
{
    return Palette3d{rgb(swatchColour(surface_)), rgb(swatchColour(axes_)), rgb(swatchColour(hidden_))};
}

void Pattern3dWindow::render()
{
    for (const Control& c : controls_) c.edit->setText(QString::number(c.bar->value()));
    WindowRegistry& registry = WindowRegistry::instance();
    const CalculatorDescriptor* caller = findByCode(registry.windowCode());
    if (!caller || !registry.find(QString::fromStdString(caller->windowClass))) return;
    const PatternSource* source = caller->pattern ? &caller->pattern->source : nullptr;
    PatternFunction f;
    if (source && source->function)
        f = source->function(registry.fieldTexts(QString::fromStdString(caller->windowClass)));

    const View3d v = view();
    buffer_ = renderPattern(f, source && source->functionDependsOnPhi, v);
    Picture3d picture;
    shadeDepthBuffer(buffer_, swatchPalette(), kRenderLight, kShadeStep, picture);
    image_ = pictureImage(picture);
    drawAxisLetters(image_, v, font());
    update();
}

void Pattern3dWindow::applyEdits()
{
    // Every edit converts before any bar moves: a bad text changes nothing.
    std::array<int, 5> values{};
    for (std::size_t i = 0; i < controls_.size(); ++i) values[i] = integerText(controls_[i].edit->text());
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        QScrollBar* bar = controls_[i].bar;
        bar->setValue(std::clamp(values[i], bar->minimum(), bar->maximum()));  // renders when it moves
        controls_[i].edit->setText(QString::number(bar->value()));
    }
}

void Pattern3dWindow::clearDepthBuffer() { buffer_ = DepthBuffer(); }

void Pattern3dWindow::repaintFromBuffer()
{
    Picture3d picture;
    shadeDepthBuffer(buffer_, swatchPalette(), kRepaintLight, kShadeStep, picture);
    image_ = pictureImage(picture);
    update();
}

void Pattern3dWindow::saveImage()
{
    Seam& seam = WindowRegistry::instance().seam();
    const auto chosen = seam.saveFileName(this, "Imagem PNG|*.png|Todos os arquivos [*.*]|*.*", "Grafico3D.png");
    if (!chosen) return;
    const QString path = QString::fromStdString(withDefaultExtension(chosen->toStdString(), "png"));
    if (!image_.save(path, "PNG")) raiseFileFault();
}

void Pattern3dWindow::chooseColour(QFrame* swatch)
{
    const auto colour = WindowRegistry::instance().seam().chooseColor(this, swatchColour(swatch));
    if (colour) setSwatchColour(swatch, *colour);
    render();
}

void Pattern3dWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void Pattern3dWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    guarded([this] { repaintFromBuffer(); });
}

bool Pattern3dWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease)
        for (QFrame* swatch : {surface_, axes_, hidden_})
            if (watched == swatch) {
                guarded([this, swatch] { chooseColour(swatch); });
                return true;
            }
    if (watched == panel_ && event->type() == QEvent::MouseButtonPress) clearDepthBuffer();
    return QWidget::eventFilter(watched, event);
}

}  // namespace ondarel
