#include "editors/EmbeddedMessage.h"

#include "app/TALL.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

// Types each character as a key press carrying that text, as a keyboard with
// any layout would.
void Type(QLineEdit* line, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(line, &press);
    }
}

} // namespace

TEST(EmbeddedMessage, LinesTakeOnlyLettersDigitsAndSpacesUpToTheirLength) {
    TALL all;
    TfEmbeddedMessage dialog(all);
    dialog.show();
    for (const char* name : {"edEMA", "edEMB"}) {
        auto* line = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
        ASSERT_NE(line, nullptr) << name;
        Type(line, QStringLiteral("Ab 1-.,!\u00E9\u4E2DZ"));
        EXPECT_EQ(line->text(), "Ab 1Z") << name;

        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("\u4E2D\u6587"));
        QApplication::sendEvent(line, &composed);
        line->insert(QStringLiteral("OK?"));
        EXPECT_EQ(line->text(), "Ab 1Z") << name;

        line->selectAll();
        Type(line, QString(33, u'x'));
        EXPECT_EQ(line->text(), QString(32, u'x')) << name;
    }
}
