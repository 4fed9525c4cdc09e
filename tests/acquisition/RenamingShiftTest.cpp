#include "document/RenamingShift.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace scanvo {
namespace {

class ShiftTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.path() + u'/' + name; }
    void write(const QString& name, const QByteArray& content) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QByteArray read(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QStringList names() const { return QDir(m_dir.path()).entryList(QDir::Files, QDir::Name); }
    QStringList paths(const QStringList& names) const
    {
        QStringList result;
        for (const QString& name : names)
            result.append(path(name));
        return result;
    }

    QTemporaryDir m_dir;
};

TEST_F(ShiftTest, MakingRoomMovesTheRunUpLastFirstAndFreesThePlace)
{
    const QStringList files = paths({"s1.tif", "s2.tif", "s3.tif", "s4.tif", "s5.tif"});
    for (int i = 1; i <= 5; ++i)
        write(QStringLiteral("s%1.tif").arg(i), QByteArray::number(i));
    RenamingShift shift = RenamingShift::MakeRoom(files, 3, path("s6.tif"), false);
    ASSERT_EQ(shift.moves().size(), 3);
    EXPECT_EQ(shift.moves().first().from, path("s5.tif"));
    EXPECT_EQ(shift.moves().first().to, path("s6.tif"));
    EXPECT_EQ(shift.FreedPath(), path("s3.tif"));
    ASSERT_TRUE(shift.Run());
    EXPECT_EQ(names(), QStringList({"s1.tif", "s2.tif", "s4.tif", "s5.tif", "s6.tif"}));
    EXPECT_EQ(read("s4.tif"), "3");
    EXPECT_EQ(read("s6.tif"), "5");
    EXPECT_EQ(shift.Shifted(), paths({"s1.tif", "s2.tif", "s3.tif", "s4.tif", "s5.tif", "s6.tif"}));

    ASSERT_TRUE(shift.Undo());
    EXPECT_EQ(names(), QStringList({"s1.tif", "s2.tif", "s3.tif", "s4.tif", "s5.tif"}));
    EXPECT_EQ(read("s3.tif"), "3");
}

TEST_F(ShiftTest, RoomAtTheEndMovesNothing)
{
    const QStringList files = paths({"s1.tif"});
    write("s1.tif", "1");
    RenamingShift shift = RenamingShift::MakeRoom(files, 2, path("s2.tif"), false);
    EXPECT_TRUE(shift.moves().isEmpty());
    EXPECT_EQ(shift.FreedPath(), path("s2.tif"));
    EXPECT_TRUE(shift.Run());
    EXPECT_EQ(shift.Shifted(), paths({"s1.tif", "s2.tif"}));
}

TEST_F(ShiftTest, KeepingOwnExtensionsTakesOnlyTheNextPlacesBaseName)
{
    const QStringList files = paths({"m1.tif", "m2.jpg", "m3.tif"});
    write("m1.tif", "1");
    write("m2.jpg", "2");
    write("m3.tif", "3");
    RenamingShift shift = RenamingShift::MakeRoom(files, 2, path("m4.jpg"), true);
    ASSERT_TRUE(shift.Run());
    EXPECT_EQ(names(), QStringList({"m1.tif", "m3.jpg", "m4.tif"}));
    EXPECT_EQ(read("m3.jpg"), "2");
    EXPECT_EQ(read("m4.tif"), "3");
    EXPECT_EQ(shift.Shifted(), paths({"m1.tif", "m2.jpg", "m3.jpg", "m4.tif"}));
}

TEST_F(ShiftTest, ANameInTheWayStopsTheShiftAndMovesBackWhatMoved)
{
    // m3.jpg is not part of the run, but the second move would land on it.
    const QStringList files = paths({"m1.tif", "m2.jpg", "m3.tif"});
    write("m1.tif", "1");
    write("m2.jpg", "2");
    write("m3.tif", "3");
    write("m3.jpg", "stranger");
    RenamingShift shift = RenamingShift::MakeRoom(files, 2, path("m4.tif"), true);
    EXPECT_FALSE(shift.Run());
    EXPECT_TRUE(shift.blockedByExistingName());
    EXPECT_EQ(shift.blockedPath(), path("m3.jpg"));
    EXPECT_EQ(names(), QStringList({"m1.tif", "m2.jpg", "m3.jpg", "m3.tif"}));
    EXPECT_EQ(read("m3.jpg"), "stranger");
    EXPECT_EQ(read("m3.tif"), "3");
    EXPECT_EQ(read("m2.jpg"), "2");
}

TEST_F(ShiftTest, AMissingFileStopsTheShiftWithoutAGap)
{
    const QStringList files = paths({"s1.tif", "s2.tif", "s3.tif"});
    write("s1.tif", "1");
    write("s3.tif", "3");  // s2.tif was taken away
    RenamingShift shift = RenamingShift::MakeRoom(files, 1, path("s4.tif"), false);
    EXPECT_FALSE(shift.Run());
    EXPECT_FALSE(shift.blockedByExistingName());
    EXPECT_EQ(shift.blockedPath(), path("s2.tif"));
    EXPECT_EQ(names(), QStringList({"s1.tif", "s3.tif"}));
}

TEST(RenameWithoutOverwrite, NeverReplacesAFile)
{
    QTemporaryDir dir;
    const QString a = dir.path() + "/a", b = dir.path() + "/b";
    for (const QString& p : {a, b}) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(p.toUtf8());
    }
    QString reason;
    EXPECT_FALSE(RenameWithoutOverwrite(a, b, &reason));
    EXPECT_FALSE(reason.isEmpty());
    QFile f(b);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), b.toUtf8());
    EXPECT_TRUE(RenameWithoutOverwrite(a, dir.path() + "/c"));
    EXPECT_FALSE(QFile::exists(a));
}

TEST(ExtensionHelpers, ReplaceOnlyTheFileNamesExtension)
{
    EXPECT_EQ(WithExtension("/d.x/p0001.tif", "jpg"), "/d.x/p0001.jpg");
    EXPECT_EQ(WithExtension("/d.x/p0001", "jpg"), "/d.x/p0001.jpg");
    EXPECT_EQ(ExtensionOf("/d.x/p0001"), "");
    EXPECT_EQ(ExtensionOf("/d/p.TIFF"), "TIFF");
}

}  // namespace
}  // namespace scanvo
