#include "windows/window_accessibility.h"

#include <QAccessibleWidget>

#include "windows/info_window.h"

namespace {

QAccessibleInterface* infoWindowFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(InfoWindow::staticMetaObject.className())) {
        if (auto* window = qobject_cast<InfoWindow*>(object)) {
            return new QAccessibleWidget(window, QAccessible::Dialog);
        }
    }
    if (className == QLatin1String(PictureBox::staticMetaObject.className())) {
        if (auto* picture = qobject_cast<PictureBox*>(object)) {
            return new QAccessibleWidget(picture, QAccessible::Graphic);
        }
    }
    return nullptr;
}

}  // namespace

void installInfoWindowAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(infoWindowFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
