#include "editors/EmbeddedMessage.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

TEST(EmbeddedMessage, LinesTakeOnlyLettersDigitsAndSpacesUpToTheirLength) {
    TfEmbeddedMessage dialog;
    dialog.show();
    for (const char* name : {"edEMA", "edEMB"}) {
        auto* line = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
        ASSERT_NE(line, nullptr) << name;
        QTest::keyClicks(line, QStringLiteral("Ab 1-.,!é中Z"));
        EXPECT_EQ(line->text(), "Ab 1Z") << name;
        line->selectAll();
        QTest::keyClicks(line, QString(33, u'x'));
        EXPECT_EQ(line->text(), QString(32, u'x')) << name;
        // A paste is held to the same rule as typing.
        line->clear();
        line->insert(QStringLiteral("OK?"));
        EXPECT_EQ(line->text(), "") << name;
    }
}
