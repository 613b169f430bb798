#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "tools/frmOpen.h"

namespace {

const QString SONG = QString::fromUtf8("Мелодия с пробелами.mp3");
const QString FOLDER = QString::fromUtf8("Папка с пробелом");

// A dialog over a temporary folder of music, wave and other files and one sub-folder.
class frmOpenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const QString& name : {SONG, QString("second.WMA"), QString("third.mp2"), QString("sound.wav"),
                                    QString("notes.txt"), FOLDER + "/inside.mp3"}) {
            QDir(dir.path()).mkpath(QFileInfo(dir.filePath(name)).path());
            QFile f(dir.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        dlg = std::make_unique<qv::frmOpen>();
        dlg->SetPath(dir.path());
    }
    static QStringList Items(const QListWidget* list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        out.sort();
        return out;
    }
    QListWidgetItem* Folder_Item(const QString& name) const
    {
        const auto found = dlg->dirOpen->findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }
    // A real click (press and release) on the file list's row showing `name`.
    void Click_File(const QString& name)
    {
        QListWidgetItem* item = dlg->filOpen->findItems(name, Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr);
        QWidget* port = dlg->filOpen->viewport();
        const QPoint at = dlg->filOpen->visualItemRect(item).center();
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, at, port->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(port, &e);
        }
    }

    QTemporaryDir dir;
    // Declared before the dialog: a choice makes the dialog its child, so it must outlive it.
    QWidget owner;
    std::unique_ptr<qv::frmOpen> dlg;
};

} // namespace

TEST_F(frmOpenTest, lists_cyrillic_names_with_blanks_and_only_the_files_matching_the_masks)
{
    dlg->AddictPattern = "*.wma;*.mp3;*.mp2";
    dlg->Form_Load();
    EXPECT_EQ(Items(dlg->filOpen), (QStringList{"second.WMA", "third.mp2", SONG}));
    EXPECT_NE(Folder_Item(FOLDER), nullptr);

    // An empty pattern lists wave files again.
    dlg->AddictPattern.clear();
    dlg->Form_Load();
    EXPECT_EQ(Items(dlg->filOpen), QStringList{"sound.wav"});
}

TEST_F(frmOpenTest, single_click_chooses_the_file_hides_the_dialog_and_forgets_the_pattern)
{
    dlg->AddictPattern = "*.wma;*.mp3;*.mp2";
    QTimer::singleShot(0, [&] { Click_File(SONG); });
    EXPECT_TRUE(dlg->Choose(&owner));
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->NameFile, SONG);
    EXPECT_EQ(QDir::fromNativeSeparators(dlg->PathToFile), dir.path() + "/" + SONG);
    EXPECT_TRUE(QFile::exists(dlg->PathToFile));
    EXPECT_EQ(dlg->AddictPattern, "");

    // Closed without a choice: no choice reported, the last one kept.
    QTimer::singleShot(0, [&] { dlg->reject(); });
    EXPECT_FALSE(dlg->Choose(&owner));
    EXPECT_EQ(dlg->NameFile, SONG);
}

TEST_F(frmOpenTest, folder_that_is_gone_or_missing_leaves_a_readable_folder_shown)
{
    dlg->SetPath(dir.filePath("no such folder"));
    EXPECT_EQ(dlg->Folder(), QCoreApplication::applicationDirPath());

    dlg->SetPath(dir.path());
    QListWidgetItem* sub = Folder_Item(FOLDER);
    ASSERT_NE(sub, nullptr);
    emit dlg->dirOpen->itemActivated(sub);
    EXPECT_EQ(dlg->Folder(), dir.filePath(FOLDER));
    dlg->AddictPattern = "*.mp3";
    dlg->Form_Load();
    EXPECT_EQ(Items(dlg->filOpen), QStringList{"inside.mp3"});

    dlg->SetPath(dir.path());
    ASSERT_TRUE(QDir(dir.filePath(FOLDER)).removeRecursively());
    emit dlg->dirOpen->itemActivated(Folder_Item(FOLDER));
    EXPECT_EQ(dlg->Folder(), dir.path());
}

TEST_F(frmOpenTest, drive_that_cannot_be_read_warns_and_keeps_the_previous_drive)
{
    const int before = dlg->drvOpen->currentIndex();
    dlg->drvOpen->addItem("gone", dir.filePath("vanished volume"));
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    dlg->drvOpen->setCurrentIndex(dlg->drvOpen->count() - 1);
    EXPECT_EQ(shown, QString::fromUtf8("Устройство не готово"));
    EXPECT_EQ(dlg->drvOpen->currentIndex(), before);
    EXPECT_EQ(dlg->Folder(), dir.path());
}
