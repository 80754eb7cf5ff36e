#include "app/about_window.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/artwork.h"

namespace ondarel {

namespace {

QLabel* label(QWidget* parent, const QString& text, const QString& style = {})
{
    auto* l = new QLabel(text, parent);
    if (!style.isEmpty()) l->setStyleSheet(style);
    l->setWordWrap(true);
    return l;
}

QFrame* panel(QWidget* parent, int height)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFixedHeight(height);
    return frame;
}

QLabel* icon(QWidget* parent, qreal ratio)
{
    auto* l = new QLabel(parent);
    l->setPixmap(programIcon(64, ratio));
    l->setFixedSize(64, 64);
    return l;
}

void centreOnScreen(QWidget* w)
{
    if (const QScreen* screen = w->screen())
        w->move(screen->availableGeometry().center() - QPoint(w->width() / 2, w->height() / 2));
}

const QString kRedBold = "color: #c00000; font-weight: bold;";

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName("Tfrmsobre");
    setWindowTitle("Sobre o Ondarel");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(640, 360);

    auto* layout = new QVBoxLayout(this);
    QFrame* upper = panel(this, 166);
    auto* up = new QGridLayout(upper);
    up->addWidget(icon(upper, devicePixelRatioF()), 0, 0, 4, 1, Qt::AlignTop);
    up->addWidget(label(upper, "Ondarel", "font-size: 28px; font-weight: bold; color: #203060;"), 0, 1);
    up->addWidget(label(upper, "AMBIENTE COMPUTACIONAL PARA ANÁLISE", kRedBold), 1, 1);
    up->addWidget(label(upper, "E PROJETO DE ANTENAS E ESTRUTURAS DE CASAMENTO", kRedBold), 2, 1);
    up->addWidget(label(upper, "Versão 3.0"), 3, 1);

    QFrame* lower = panel(this, 192 - 40);
    auto* low = new QGridLayout(lower);
    low->addWidget(label(lower, "Orientador:", "font-weight: bold;"), 0, 0, Qt::AlignTop);
    low->addWidget(label(lower, "Grupo de Eletromagnetismo Aplicado — Laboratório de Antenas"), 0, 1);
    low->addWidget(label(lower, "Autores:", "font-weight: bold;"), 1, 0, Qt::AlignTop);
    low->addWidget(label(lower, "Equipe de desenvolvimento do Ondarel"), 1, 1);
    low->addWidget(label(lower, "Apoio:", "font-weight: bold;"), 2, 0, Qt::AlignTop);
    low->addWidget(label(lower, "Departamento de Engenharia Elétrica"), 2, 1);
    low->setColumnStretch(1, 1);

    auto* close = new QPushButton("Fechar", this);
    close->setObjectName("BitBtn1");
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    layout->addWidget(upper);
    layout->addWidget(lower);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    centreOnScreen(this);
}

SplashWindow::SplashWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName("TSplash2");
    setWindowTitle("Sobre o Sistema");
    setFixedSize(590, 364);

    auto* layout = new QVBoxLayout(this);
    QFrame* upper = panel(this, 186);
    auto* up = new QGridLayout(upper);
    up->addWidget(icon(upper, devicePixelRatioF()), 0, 0, 4, 1, Qt::AlignTop);
    up->addWidget(label(upper, "AMBIENTE COMPUTACIONAL PARA ANÁLISE E PROJETO DE ANTENAS",
                        "color: #c00000; font-weight: bold; font-style: italic; font-size: 15px;"),
                  0, 1);
    up->addWidget(label(upper, "E ESTRUTURAS DE CASAMENTO",
                        "color: #c00000; font-weight: bold; font-style: italic; font-size: 15px;"),
                  1, 1);
    up->addWidget(label(upper, "Versão 3.0"), 2, 1);
    up->addWidget(label(upper, "Programa de uso acadêmico. Todos os direitos reservados aos autores."), 3, 1);

    auto* lower = new QFrame(this);
    lower->setFrameShape(QFrame::StyledPanel);
    auto* low = new QVBoxLayout(lower);
    low->addWidget(label(lower, "Departamento de Engenharia Elétrica — Laboratório de Antenas"));
    low->addWidget(label(lower, "Contato: ondarel@example.org"));

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    QFont bold = ok->font();
    bold.setBold(true);
    ok->setFont(bold);
    ok->setFixedSize(77, 27);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);

    layout->addWidget(upper);
    layout->addWidget(lower, 1);
    layout->addWidget(ok, 0, Qt::AlignRight);
    ok->setFocus();
    centreOnScreen(this);
}

}  // namespace ondarel
