#include "editors/IdentityFields.h"

#include "app/Maindb.h"
#include "radio/RadioImage.h"

#include <gtest/gtest.h>

namespace {

struct IdentityFieldsTest : ::testing::Test {
    IdentityFieldsTest() {
        EXPECT_TRUE(db.CompleteStartup({0xEA, 0x07, 12, 9, 8, 38, 10}).has_value());
    }

    TfMaindb db{"/tmp/kx40/"};
    RadioImage image{db.All.Image};
};

} // namespace

TEST_F(IdentityFieldsTest, AFreshImageShowsABlankSerialNumberAndTheResetTime) {
    EXPECT_EQ(SerialNumberText(image), std::string(16, ' '));
    EXPECT_EQ(WriteTimeText(image), "2026-12-09 08:38:10");
    EXPECT_EQ(PasswordText(image), "");
    image.Fill(RadioImage::WriteTime, 0xFF);
    EXPECT_EQ(WriteTimeText(image), "65535-255-255 255:255:255");
}

TEST_F(IdentityFieldsTest, TextFieldsShowOnlyLettersAndDigits) {
    image.SetText(RadioImage::SerialNumber, "AB-12/x\xB0");
    EXPECT_EQ(SerialNumberText(image), "AB 12 x         ");
    // What an opened data file leaves in the password: "P", the model code and
    // the band bytes.
    image.SetText(RadioImage::Password, std::string("PWZRE4\x00", 7) + "7");
    EXPECT_EQ(PasswordText(image), "PWZRE4 7");
}

TEST_F(IdentityFieldsTest, SerialNumberIsStoredOnlyWhenTheModelAllowsIt) {
    EXPECT_FALSE(StoreSerialNumber("AB12", db.All));
    EXPECT_EQ(SerialNumberText(image), std::string(16, ' '));
    EXPECT_FALSE(db.All.Modified);

    db.All.SerialEditable = true;
    const std::pair<std::string, std::string> cases[] = {
        {"AB12", "AB12            "},
        {"0123456789ABCDEFGH", "0123456789ABCDEF"},
        // One space per character the image cannot hold, never half of one.
        {"A\xC3\xA9"
         "B\xE4\xB8\xAD"
         "C",
         "A B C           "},
        {"", "                "}};
    for (const auto& [typed, stored] : cases) {
        EXPECT_TRUE(StoreSerialNumber(typed, db.All));
        EXPECT_EQ(image.Text(RadioImage::SerialNumber), stored) << typed;
    }
    EXPECT_TRUE(db.All.Modified);
}

TEST_F(IdentityFieldsTest, PasswordsAreTrimmedPaddedAndLeaveModifiedAlone) {
    const std::string blank(8, '\xFF');
    StorePasswords(" abcd ", "wxyz", db.All);
    EXPECT_EQ(image.Text(RadioImage::Password), "abcd    ");
    EXPECT_EQ(image.Text(RadioImage::NewPassword), blank);
    EXPECT_FALSE(db.All.Modified);

    db.All.NewPasswordEnabled = true;
    StorePasswords("abcd", "wxyz", db.All);
    EXPECT_EQ(image.Text(RadioImage::NewPassword), "wxyz    ");
    EXPECT_EQ(NewPasswordText(image), "wxyz");
    EXPECT_FALSE(db.All.Modified);
}
