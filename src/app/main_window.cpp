#include "app/main_window.h"

#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "app/artwork.h"
#include "app/catalogue_menu.h"

namespace ondarel {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("TForm1");
    setWindowTitle("Ondarel - Ambiente computacional para análise e projeto de antenas e estruturas de casamento");

    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    client->setFixedSize(630, 234);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, Qt::black);
    client->setPalette(palette);

    auto* picture = new QLabel(client);
    picture->setObjectName("Image1");
    picture->setGeometry(208, 27, 206, 180);
    const QPixmap artwork = dipoleArtwork(QSize(206, 180), devicePixelRatioF());
    picture->setPixmap(artwork);

    auto* credits = new QLabel("Ondarel 3.0 — análise e projeto de antenas e estruturas de casamento", client);
    credits->setObjectName("Label1");
    credits->setAlignment(Qt::AlignCenter);
    credits->setStyleSheet("color: red; font-weight: bold; background: black;");
    credits->setGeometry(0, 234 - 20, 630, 18);

    setCentralWidget(client);
    buildCatalogueMenus(menuBar());
    // The window icon is the picture's square middle: drawing the artwork a
    // second time at icon size cost a tenth of the start-up.
    const int side = std::min(artwork.width(), artwork.height());
    setWindowIcon(QIcon(artwork.copy((artwork.width() - side) / 2, (artwork.height() - side) / 2, side, side)));
    // A single fixed border: the window is exactly its client area and menu.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    move(0, 0);
}

}  // namespace ondarel
