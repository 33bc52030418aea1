// SPDX-License-Identifier: MIT
#include "window/picture_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "window/centre_on_screen.h"
#include "window/layout_table.h"

namespace vimbo {

namespace {

// Twips, as the window is designed; TwipsToPixels turns them into pixels.
constexpr int kImageWidth = 10335;  // the 685 x 361 picture and a 2-pixel border
constexpr int kImageHeight = 5475;
constexpr int kImageBorder = 2;  // pixels, on each side
constexpr int kCloseLeft = 240;
constexpr int kCloseTop = 80;
constexpr int kCloseWidth = 460;
constexpr int kCloseHeight = 300;
constexpr int kHiddenLeft = 6000;
constexpr int kHiddenWidth = 135;
constexpr int kHiddenHeight = 195;
constexpr int kHiddenBelowWindow = 1000;  // how far below the window's lower edge

}  // namespace

PictureWindow::PictureWindow(QWidget* parent)
    // A tool window: no taskbar button. Frameless: no border and no title bar.
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint),
      command2_(new QPushButton(this)),
      image1_(new QLabel(this)),
      command1_(new QPushButton(QStringLiteral("X"), this)) {
    setObjectName(QStringLiteral("Form1"));
    setModal(true);
    // Frameless, so no title to name it by.
    setAccessibleName(tr("Vimbo Calculator picture"));
    setAccessibleDescription(tr("Close it to open the calculator"));

    command2_->setObjectName(QStringLiteral("Command2"));
    command2_->setGeometry(TwipsToPixels(kHiddenLeft), 0, TwipsToPixels(kHiddenWidth),
                           TwipsToPixels(kHiddenHeight));
    // Holds the focus out of sight; pressing it does nothing.
    command2_->setAccessibleName(tr("Picture"));
    command2_->setAccessibleDescription(tr("Tab moves on to Close"));

    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setPixmap(QPixmap(QStringLiteral(":/pictures/form1_picture.bmp")));
    image1_->setFrameShape(QFrame::Box);
    image1_->setLineWidth(kImageBorder);
    image1_->setAlignment(Qt::AlignCenter);
    image1_->resize(TwipsToPixels(kImageWidth), TwipsToPixels(kImageHeight));
    image1_->setAccessibleName(tr("Vimbo Calculator picture"));

    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(TwipsToPixels(kCloseLeft), TwipsToPixels(kCloseTop),
                           TwipsToPixels(kCloseWidth), TwipsToPixels(kCloseHeight));
    command1_->setAccessibleName(tr("Close"));
    command1_->setAccessibleDescription(tr("Close the picture and open the calculator"));
    connect(command1_, &QPushButton::clicked, this, &QWidget::close);

    setTabOrder(command2_, command1_);
    command2_->setFocus();
    load();
    CentreOnScreen(*this);
}

void PictureWindow::load() {
    image1_->move(0, 0);
    setFixedSize(image1_->width(), image1_->height());
    // Below the lower edge, so the caption-less button holds the focus without being seen.
    const int heightInTwips = height() * kTwipsPerPixel;
    command2_->move(command2_->x(), TwipsToPixels(heightInTwips + kHiddenBelowWindow));
}

void PictureWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace vimbo
