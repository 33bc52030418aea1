// SPDX-License-Identifier: MIT
#include "window/window_icon.h"

#include <QApplication>
#include <QEvent>
#include <QImageReader>
#include <QPixmap>
#include <QString>
#include <QWindow>

namespace vimbo {

namespace {

// Read by Qt's own PNG reader. A reader left to guess the format first loads every image
// plugin installed (GIF, ICO, JPEG with its library) to ask each of them.
QPixmap ReadPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// Watches the events of every window until one has been exposed, then sets the icon. A
// widget paints its window while it handles the expose event, so the icon follows the paint;
// it waits too until the window system has taken the frame in (one round trip), so that the
// icon's pictures do not hold up the server while it draws the frame.
class IconAfterFirstExpose final : public QObject {
  public:
    explicit IconAfterFirstExpose(QObject& application) : QObject(&application) {
        application.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<const QWindow*>(watched)->isExposed()) {
            parent()->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    QGuiApplication::sync();
                    QApplication::setWindowIcon(CalculatorIcon());
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

QIcon CalculatorIcon() {
    QIcon icon;
    for (const int size : kCalculatorIconSizes) {
        icon.addPixmap(ReadPng(QStringLiteral(":/pictures/vimbo-calculator-%1.png").arg(size)));
    }
    return icon;
}

void SetWindowIconAfterFirstPaint() {
    new IconAfterFirstExpose(*QCoreApplication::instance());  // owned by the application
}

}  // namespace vimbo
