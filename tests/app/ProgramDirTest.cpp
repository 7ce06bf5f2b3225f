#include "app/ProgramDir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProgramDir, DataFilesBesideTheProgramElseInstalledShare) {
    QTemporaryDir prefix;
    const QDir root(prefix.path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("bin")));
    const std::string bin = root.filePath(QStringLiteral("bin")).toStdString();

    // Nothing anywhere: the program's own folder.
    EXPECT_EQ(DataDirFor(bin), bin + "/");

    ASSERT_TRUE(root.mkpath(QStringLiteral("share/kx40")));
    EXPECT_EQ(DataDirFor(bin), root.filePath(QStringLiteral("share/kx40")).toStdString() + "/");

    // A build tree: the language files sit next to the program.
    QFile ini(root.filePath(QStringLiteral("bin/English.Ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.close();
    EXPECT_EQ(DataDirFor(bin), bin + "/");
}
