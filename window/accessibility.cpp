// SPDX-License-Identifier: MIT
#include "window/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QWidget>

#include "window/control_table.h"

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
namespace vimbo {

namespace {

// An AT-SPI object reference: the bus name of the program and the object's path.
struct SpiObjectReference {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const SpiObjectReference& reference) {
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, SpiObjectReference& reference) {
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}

}  // namespace

}  // namespace vimbo

Q_DECLARE_METATYPE(vimbo::SpiObjectReference)
#endif

namespace vimbo {

namespace {

// Qt 6.4 reports a description change over AT-SPI with a reference to the changed object where
// the new text belongs, and Orca speaks only a text. The change goes out once more with its
// text, from the same object on the connection that Qt's bridge keeps to the accessibility bus
// (named "a11y"); without a screen reader that connection does not exist and nothing is sent.
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
void SendDescriptionText(QWidget& widget, const QString& description) {
    QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface* const iface = QAccessible::queryAccessibleInterface(&widget);
    if (!QAccessible::isActive() || !bus.isConnected() || iface == nullptr) {
        return;
    }
    qDBusRegisterMetaType<SpiObjectReference>();
    const QString prefix = QStringLiteral("/org/a11y/atspi/accessible/");
    QDBusMessage signal = QDBusMessage::createSignal(
        prefix + QString::number(QAccessible::uniqueId(iface)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    const SpiObjectReference application{bus.baseService(), QDBusObjectPath(prefix + "root")};
    signal << QStringLiteral("accessible-description") << 0 << 0
           << QVariant::fromValue(QDBusVariant(description)) << QVariant::fromValue(application);
    bus.send(signal);
}
#endif

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
    // Asked once for each class of the object, most derived first. The window takes its name
    // before anything asks for its interface (the first to ask is its title's change).
    Q_UNUSED(className)
    if (object != nullptr && object->isWidgetType() &&
        object->objectName() == QLatin1String(control_name::mainWindow)) {
        return new MainWindowAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallMainWindowAccessibility() {
    QAccessible::installFactory(&MainWindowAccessibleFactory);  // a second call adds nothing
}

QString OutcomeMessage(Outcome outcome, const QString& text) {
    switch (outcome) {
        case Outcome::Result:
            return QCoreApplication::translate("MainWindow", "Result %1").arg(text);
        case Outcome::GrandTotal:
            return QCoreApplication::translate("MainWindow", "Grand total %1").arg(text);
        case Outcome::Input:
        case Outcome::Edited:
            return text.isEmpty() ? QCoreApplication::translate("MainWindow", "Input empty")
                                  : QCoreApplication::translate("MainWindow", "Input %1").arg(text);
        case Outcome::Cleared:
            return QCoreApplication::translate("MainWindow", "Cleared");
        case Outcome::Recalled:
            return QCoreApplication::translate("MainWindow", "Recalled %1").arg(text);
        case Outcome::Inserted:
            return QCoreApplication::translate("MainWindow", "Inserted %1").arg(text);
        case Outcome::Copied:
            return text.isEmpty()
                       ? QCoreApplication::translate("MainWindow", "Copied")
                       : QCoreApplication::translate("MainWindow", "Copied %1").arg(text);
        case Outcome::Saved:
            return QCoreApplication::translate("MainWindow", "Saved to %1").arg(text);
        case Outcome::ClearUndone:
            return QCoreApplication::translate("MainWindow", "Clear undone");
    }
    return text;
}

void AnnounceOutcome(QWidget& inputLine, Outcome outcome, const QString& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // The focus coming back from a key brings the input line's own text with it (Orca 48 reads
    // it out), so only the other outcomes are news; an edit in place is.
    if (outcome != Outcome::Input) {
        QAccessibleAnnouncementEvent event(&inputLine, OutcomeMessage(outcome, text));
        QAccessible::updateAccessibility(&event);
    }
#else
    // The description holds the message only while its change is reported: a screen reader
    // reads the description with the object whenever the focus comes back. Empty between two
    // messages, the same message again is a change again.
    for (const QString& description : {OutcomeMessage(outcome, text), QString()}) {
        inputLine.setAccessibleDescription(description);  // reports the change itself
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
        SendDescriptionText(inputLine, description);
#endif
    }
#endif
}

}  // namespace vimbo
