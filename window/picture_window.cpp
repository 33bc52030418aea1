// SPDX-License-Identifier: MIT
#include "window/picture_window.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "window/centre_on_screen.h"
#include "window/control_table.h"

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

// Read by Qt's own BMP reader. A reader left to guess the format first loads every image
// plugin installed (GIF, ICO, JPEG with its library) to ask each of them.
QPixmap ReadBmp(const QString& path) {
    QImageReader reader(path, "bmp");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

PictureWindow::PictureWindow(QWidget* parent)
    // A tool window: no taskbar button. Frameless: no border and no title bar.
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint),
      focusHolder_(new QPushButton(this)),
      picture_(new QLabel(this)),
      closeButton_(new QPushButton(QStringLiteral("X"), this)) {
    setObjectName(QStringLiteral("Form1"));
    setModal(true);
    // Frameless, so no title to name it by.
    setAccessibleName(tr("Vimbo Calculator picture"));
    setAccessibleDescription(tr("Close it to open the calculator"));

    focusHolder_->setObjectName(QStringLiteral("Command2"));
    focusHolder_->setGeometry(TwipsToPixels(kHiddenLeft), 0, TwipsToPixels(kHiddenWidth),
                              TwipsToPixels(kHiddenHeight));
    // Holds the focus out of sight; pressing it does nothing.
    focusHolder_->setAccessibleName(tr("Picture"));
    focusHolder_->setAccessibleDescription(tr("Tab moves on to Close"));

    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setPixmap(ReadBmp(QStringLiteral(":/pictures/form1_picture.bmp")));
    picture_->setFrameShape(QFrame::Box);
    picture_->setLineWidth(kImageBorder);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->resize(TwipsToPixels(kImageWidth), TwipsToPixels(kImageHeight));
    picture_->setAccessibleName(tr("Vimbo Calculator picture"));

    closeButton_->setObjectName(QStringLiteral("Command1"));
    closeButton_->setGeometry(TwipsToPixels(kCloseLeft), TwipsToPixels(kCloseTop),
                              TwipsToPixels(kCloseWidth), TwipsToPixels(kCloseHeight));
    closeButton_->setAccessibleName(tr("Close"));
    closeButton_->setAccessibleDescription(tr("Close the picture and open the calculator"));
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);

    setTabOrder(focusHolder_, closeButton_);
    focusHolder_->setFocus();
    load();
    CentreOnScreen(*this);
}

void PictureWindow::load() {
    picture_->move(0, 0);
    setFixedSize(picture_->width(), picture_->height());
    // Below the lower edge, so the caption-less button holds the focus without being seen.
    const int heightInTwips = height() * kTwipsPerPixel;
    focusHolder_->move(focusHolder_->x(), TwipsToPixels(heightInTwips + kHiddenBelowWindow));
}

void PictureWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace vimbo
