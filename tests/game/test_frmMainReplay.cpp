#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QTemporaryDir>

#include "game/QtPicture.h"
#include "game/frmMain.h"
#include "records/frmQuarvexFathers.h"

namespace {

QByteArray Bytes(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
}

// The recorded game of the real program took the first place as "Tester"; Pelko's entry has no replay.
TEST(frmMainReplay, only_an_entry_with_a_replay_is_watched_and_the_player_cannot_move_its_figure)
{
    QTemporaryDir dir;
    const QString records = dir.path() + "/QuarvexFathers.txt", replay = dir.path() + "/replays/a.qvr";
    ASSERT_TRUE(QDir(dir.path()).mkpath("replays"));
    ASSERT_TRUE(QFile::copy(QUARVEX_SOURCE_DIR "/tests/game/replays/played.qvr", replay));
    QFile table(records);
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write("Tester\r\n 10962 \r\nPelko\r\n 0 \r\n");
    table.close();
    const QByteArray before = Bytes(records);
    {
        qv::frmMain m(dir.path());
        m.show();
        QListWidget* list = m.winRecords->lstTable;
        emit list->itemDoubleClicked(list->item(1));
        QApplication::processEvents();
        EXPECT_FALSE(m.Watching());
        emit list->itemDoubleClicked(list->item(0));
        QApplication::processEvents();
        ASSERT_TRUE(m.Watching());
        // The table as it stands, without the watched game's own entry.
        EXPECT_EQ(list->count(), 1);
        const int column = m.game.btX, clicks = m.game.iClicks;
        QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
        QApplication::sendEvent(m.picQuarvex, &left);
        EXPECT_EQ(m.game.btX, column);
        EXPECT_EQ(m.game.iClicks, clicks);
        m.close();
    }
    EXPECT_EQ(Bytes(records), before);
    EXPECT_EQ(QDir(dir.path() + "/replays").entryList(QDir::Files), QStringList{"a.qvr"});
}

} // namespace
