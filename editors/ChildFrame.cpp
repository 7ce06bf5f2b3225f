#include "editors/ChildFrame.h"

#include <QMdiSubWindow>

QWidget* ChildFrame(QWidget* window) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        return sub;
    return window;
}

void PlaceChild(QWidget* window) {
    constexpr int Margin = 20;
    ChildFrame(window)->move(Margin, Margin);
}
