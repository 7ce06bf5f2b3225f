#include "editors/KeyFilter.h"

#include <QKeyEvent>

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool control = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
        if (!control && !text.isEmpty() && text.at(0).unicode() >= 0x20) {
            for (const char32_t ch : text.toUcs4()) {
                if (!allowed_(ch)) {
                    return true;
                }
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
