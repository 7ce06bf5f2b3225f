#include "app/LocalNow.h"

#include <QDateTime>

DateTimeBytes LocalNow() {
    const QString text =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    // The text always has the codec's pattern, so there is always a value.
    return DateTimeToBytes(text.toStdString()).value();
}
