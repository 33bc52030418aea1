// SPDX-License-Identifier: MIT
#include "window/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QWidget>

#include "window/main_window.h"

namespace vimbo {

namespace {

// The window's own controls that a user can see; the hidden ones only store settings.
QList<QWidget*> ShownControls(const QWidget& window) {
    QList<QWidget*> shown;
    for (QObject* const child : window.children()) {
        auto* const widget = qobject_cast<QWidget*>(child);
        if (widget != nullptr && !widget->isWindow() && widget->isVisibleTo(&window)) {
            shown.append(widget);
        }
    }
    return shown;
}

// A plain top-level QWidget is offered as a "client" area (AT-SPI's filler), which a screen
// reader does not announce as a window: this one is a frame.
class MainWindowAccessible final : public QAccessibleWidget {
  public:
    explicit MainWindowAccessible(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(ShownControls(*widget()).size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> shown = ShownControls(*widget());
        if (index < 0 || index >= shown.size()) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(shown.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) {
            return -1;
        }
        return static_cast<int>(ShownControls(*widget()).indexOf(child->object()));
    }
};

QAccessibleInterface* MainWindowAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(MainWindow::staticMetaObject.className()) && object != nullptr &&
        object->isWidgetType()) {
        return new MainWindowAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallMainWindowAccessibility() {
    QAccessible::installFactory(&MainWindowAccessibleFactory);  // a second call adds nothing
}

void DescribeCommands(QWidget& window) {
    struct Description {
        const char* control;
        const char* text;
    };
    static constexpr Description kDescriptions[] = {
        {"Command3", QT_TRANSLATE_NOOP("MainWindow", "Write the grand total onto the tape")},
        {"Command1", QT_TRANSLATE_NOOP("MainWindow", "Print the tape on the default printer")},
    };
    for (const Description& description : kDescriptions) {
        if (auto* const control = window.findChild<QWidget*>(QLatin1String(description.control),
                                                             Qt::FindDirectChildrenOnly)) {
            control->setAccessibleDescription(
                QCoreApplication::translate("MainWindow", description.text));
        }
    }
}

void DescribeResult(QWidget& inputLine, const QString& result) {
    const QString description =
        result.isEmpty() ? QString()
                         : QCoreApplication::translate("MainWindow", "Result %1").arg(result);
    if (inputLine.accessibleDescription() != description) {
        inputLine.setAccessibleDescription(description);  // reports the change itself
        return;
    }
    QAccessibleEvent event(&inputLine, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace vimbo
