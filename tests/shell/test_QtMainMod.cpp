#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "shell/QtMainMod.h"

using qv::Data_Folder;
using qv::Shipped_Folder;

namespace {

// A temporary tree standing for a prefix: bin/ for the executable, home/ for the player.
struct Folders : ::testing::Test {
    QTemporaryDir root;
    QString bin() const { return root.path() + "/bin"; }
    QString user() const { return root.path() + "/home/.local/share/quarvex"; }
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(bin())); }
    void Make(const QString& relative) { ASSERT_TRUE(QDir().mkpath(root.path() + "/" + relative)); }
    QStringList Entries(const QString& folder) const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

} // namespace

TEST_F(Folders, Shipped_Folder_prefers_the_sound_folder_beside_the_program)
{
    Make("bin/sound");
    Make("share/quarvex/sound");
    EXPECT_EQ(Shipped_Folder(bin()), bin());
}

TEST_F(Folders, Shipped_Folder_of_an_installed_copy_is_the_share_folder_beside_bin)
{
    Make("share/quarvex/sound");
    EXPECT_EQ(QDir(Shipped_Folder(bin())).canonicalPath(), QDir(root.path() + "/share/quarvex").canonicalPath());
}

TEST_F(Folders, Data_Folder_of_a_copy_with_its_files_beside_it_is_the_program_folder_and_leaves_no_probe)
{
    Make("bin/sound");
    EXPECT_EQ(Data_Folder(bin(), user()), bin());
    EXPECT_EQ(Entries(bin()), QStringList{"sound"});
    EXPECT_FALSE(QDir(user()).exists());
}

TEST_F(Folders, Data_Folder_of_an_installed_copy_is_the_user_folder_even_when_bin_is_writable)
{
    Make("share/quarvex/sound");
    EXPECT_EQ(Data_Folder(bin(), user()), user());
    EXPECT_TRUE(QDir(user()).exists());
    EXPECT_TRUE(Entries(bin()).isEmpty());
    EXPECT_EQ(Entries(root.path() + "/share/quarvex"), QStringList{"sound"});
}

TEST_F(Folders, Data_Folder_of_a_program_folder_that_cannot_be_written_is_the_user_folder)
{
    Make("bin/sound");
    QFile::setPermissions(bin(), QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(bin() + "/probe");
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(bin(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "this account writes into read-only folders";
    }
    EXPECT_EQ(Data_Folder(bin(), user()), user());
    QFile::setPermissions(bin(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
