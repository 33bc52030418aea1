// SPDX-License-Identifier: MIT
// A control that a window cannot work without, found by its object name.
#pragma once

#include <QString>
#include <QWidget>
#include <QtGlobal>

namespace vimbo {

// The direct child `name` of `parent`, of type W. A window built without it is a broken
// build: the program stops at once with a message, in every build type (not Q_ASSERT).
template <typename W>
W& RequiredChild(QWidget& parent, const char* name) {
    W* const widget = parent.findChild<W*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    if (widget == nullptr) {
        qFatal("%s has no control %s of type %s", qPrintable(parent.objectName()), name,
               W::staticMetaObject.className());
    }
    return *widget;
}

}  // namespace vimbo
