#include "editors/InfoMsg.h"
#include "editors/PassWord.h"

#include "app/Maindb.h"
#include "radio/RadioImage.h"
#include "radio/Scrambler.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct IdentityWindowsTest : ::testing::Test {
    IdentityWindowsTest() {
        EXPECT_TRUE(db.CompleteStartup({0xEA, 0x07, 12, 9, 8, 38, 10}).has_value());
    }

    template <class W> W& Open() {
        auto owned = std::make_unique<W>(db);
        W& w = *owned;
        window = std::move(owned);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        return w;
    }
    QLineEdit* Edit(const char* name) const {
        auto* edit = window->findChild<QLineEdit*>(QString::fromLatin1(name));
        EXPECT_NE(edit, nullptr) << name;
        return edit;
    }
    void Retype(const char* name, const char* text) {
        QLineEdit* edit = Edit(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }
    void ClickNewPasswordBox() {
        auto* box = window->findChild<QCheckBox*>(QStringLiteral("cbNps"));
        ASSERT_NE(box, nullptr);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    }

    TfMaindb db{"/tmp/kx40/"};
    RadioImage image{db.All.Image};
    std::unique_ptr<QWidget> window;
};

} // namespace

TEST_F(IdentityWindowsTest, RadioInformationShowsTheImageAndGuardsTheSerialNumber) {
    Open<TfInfoMsg>();
    EXPECT_EQ(Edit("cxModel")->text(), "KX-40(UHF)");
    EXPECT_EQ(Edit("cxFreq")->text(), "400 - 470MHz");
    EXPECT_EQ(Edit("cxSerial")->text(), QString(16, u' '));
    EXPECT_EQ(Edit("cxRadioTime")->text(), "2026-12-09 08:38:10");
    EXPECT_TRUE(Edit("cxSerial")->isReadOnly());

    Retype("cxSerial", "ab12");
    EXPECT_EQ(image.Text(RadioImage::SerialNumber), std::string(16, '\xFF'));
    EXPECT_FALSE(db.All.Modified);
}

TEST_F(IdentityWindowsTest, AnEditableSerialNumberIsTypedInCapitals) {
    db.All.SerialEditable = true;
    Open<TfInfoMsg>();
    EXPECT_FALSE(Edit("cxSerial")->isReadOnly());
    EXPECT_FALSE(db.All.Modified);
    Retype("cxSerial", "ab-12");
    Edit("cxSerial")->insert(QStringLiteral("\u00E9\u4E2D"));
    EXPECT_EQ(Edit("cxSerial")->text(), "AB-12");
    Retype("cxSerial", "ab-12345678901234");
    EXPECT_EQ(Edit("cxSerial")->text(), "AB-1234567890123");
    EXPECT_EQ(image.Text(RadioImage::SerialNumber), "AB-1234567890123");
    EXPECT_TRUE(db.All.Modified);
}

TEST_F(IdentityWindowsTest, PasswordTypingStoresWithoutMarkingTheImageChanged) {
    Open<TfPassWord>();
    EXPECT_FALSE(Edit("cxnPasd")->isEnabled());
    Retype("cxoPasd", "abcd");
    EXPECT_EQ(image.Text(RadioImage::Password), "abcd    ");
    EXPECT_EQ(image.Text(RadioImage::NewPassword), std::string(8, '\xFF'));
    EXPECT_FALSE(db.All.Modified);

    ClickNewPasswordBox();
    EXPECT_TRUE(db.All.NewPasswordEnabled);
    EXPECT_TRUE(Edit("cxnPasd")->isEnabled());
    EXPECT_EQ(image.Text(RadioImage::NewPassword), std::string(8, '\xFF'));
    Retype("cxnPasd", "wxyz");
    EXPECT_EQ(image.Text(RadioImage::NewPassword), "wxyz    ");
    EXPECT_FALSE(db.All.Modified);
    // A write now sends the new password in place of the radio's own.
    const auto sent =
        BlockToWrite(db.All, RadioImage::ToRadioAddress(RadioImage::RadioPassword.Offset));
    ASSERT_TRUE(sent.has_value());
    EXPECT_EQ(*sent, ScrambleBlock(image.Field<RadioImage::NewPassword>()));

    ClickNewPasswordBox();
    EXPECT_FALSE(db.All.NewPasswordEnabled);
    EXPECT_FALSE(Edit("cxnPasd")->isEnabled());
}

TEST_F(IdentityWindowsTest, PasswordWindowShowsTheNewPasswordOnlyWhileEnabled) {
    image.SetText(RadioImage::Password, "PWZRE4");
    image.SetText(RadioImage::NewPassword, "wxyz");
    Open<TfPassWord>();
    EXPECT_EQ(Edit("cxoPasd")->text(), "PWZRE4");
    EXPECT_EQ(Edit("cxnPasd")->text(), "");

    db.All.NewPasswordEnabled = true;
    Open<TfPassWord>();
    EXPECT_EQ(Edit("cxnPasd")->text(), "wxyz");
    EXPECT_TRUE(Edit("cxnPasd")->isEnabled());
    EXPECT_EQ(image.Text(RadioImage::Password), "PWZRE4  ");
}
