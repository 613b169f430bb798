#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "game/frmMain.h"
#include "records/frmGameOver.h"
#include "settings/frmSettings.h"
#include "sound/DirectSound.h"
#include "sound/FakeSound.h"
#include "tools/frmOpen.h"

using namespace qv;

namespace {

const char* const EVENTS[] = {"Инверсия", "Появление Quarvex-фигурки", "Удаление линиий", "Приземление",
                              "Бросить",  "Вращение",                  "Влево",           "Вправо"};

// A main window with the fresh settings over a sound device that keeps a log, and a
// loaded settings window over it, driven through its handlers.
struct SettingsWindow : ::testing::Test {
    FakeSound device;
    QTemporaryDir dir;
    std::unique_ptr<frmMain> w;
    std::unique_ptr<frmSettings> s;
    void SetUp() override
    {
        w = std::make_unique<frmMain>(dir.path());
        w->Create_Channels();
        w->Load_Settings();
    }
    void TearDown() override
    {
        s.reset();
        w.reset();
        DirectSound::ReleaseBkgSound();
    }
    void Open()
    {
        s = std::make_unique<frmSettings>(*w);
        s->Form_Load();
    }
    void Select(const char* event) { s->cmbListEvents->setCurrentText(QString::fromUtf8(event)); }
    FakeSound::Log& Bkg() { return *device.logs[0]; }
    static void Release_Mouse(QSlider* slider)
    {
        const QPoint at = slider->rect().center();
        QMouseEvent e(QEvent::MouseButtonRelease, at, slider->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(slider, &e);
    }
};

} // namespace

TEST_F(SettingsWindow, txtChange_above_500_is_kept_or_not_selected)
{
    Open();
    for (const char* typed : {"7000", "70000"}) {
        w->SpeedChange = 30;
        s->txtChange->setText(typed);
        EXPECT_EQ(s->txtChange->text(), "500") << typed;
        EXPECT_EQ(s->txtChange->selectedText(), "500") << typed;
        EXPECT_EQ(w->SpeedChange, 500) << typed;
        EXPECT_EQ(s->sldChange->value(), s->sldChange->maximum()) << typed;
    }
}

TEST_F(SettingsWindow, txtChange_zero_or_empty_leaves_the_sweep_running_off_centre)
{
    Open();
    for (const char* typed : {"0", "", "abc"}) {
        s->txtChange->setText("300");
        ASSERT_EQ(w->SpeedChange, 300);
        for (int t = 0; t < 5; ++t)
            w->game.tmrDown_Timer();
        ASSERT_NE(w->game.ForLoop, 0);
        s->txtChange->setText(typed);
        EXPECT_EQ(w->SpeedChange, 0) << typed;
        EXPECT_EQ(s->sldChange->value(), 0) << typed;
        EXPECT_EQ(w->game.ForLoop, 0) << typed;
        w->game.tmrDown_Timer();
        w->game.tmrDown_Timer();
        EXPECT_EQ(Bkg().pans.back(), 0) << typed;
    }
}

TEST_F(SettingsWindow, txtChange_negative_number_changes_the_sweep)
{
    Open();
    s->txtChange->setText("120");
    s->txtChange->setText("-40");
    EXPECT_EQ(w->SpeedChange, 120);
    EXPECT_EQ(s->sldChange->value(), 120);
}

TEST_F(SettingsWindow, sldChange_scroll_misses_the_text_or_the_centre)
{
    Open();
    s->sldChange->setValue(240);
    EXPECT_EQ(w->SpeedChange, 240);
    EXPECT_EQ(s->txtChange->text(), "240");
    w->game.ForLoop = 1200;
    s->sldChange->setValue(0);
    EXPECT_EQ(w->game.ForLoop, 0);
}

TEST_F(SettingsWindow, Form_Load_lists_the_events_out_of_order_or_shows_the_wrong_values)
{
    w->EnableLoop = false;
    w->bDrawSetka = false;
    w->iFantom = 2;
    w->SpeedChange = 80;
    Open();
    ASSERT_EQ(s->cmbListEvents->count(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(s->cmbListEvents->itemText(i), QString::fromUtf8(EVENTS[i]));
    EXPECT_EQ(s->cmbListEvents->currentIndex(), 0);
    EXPECT_EQ(s->lblFirstVar->text(), "inverse1");
    EXPECT_EQ(s->sldVolBut1->value(), -474);
    EXPECT_EQ(s->sldFreqBut1->value(), 60115);
    EXPECT_TRUE(s->fraSecondVar->isHidden());
    EXPECT_EQ(s->lblFile->text(), "slowrays");
    EXPECT_EQ(s->sldVolBackgrnd->value(), -707);
    EXPECT_EQ(s->sldFreq->value(), 46717);
    EXPECT_EQ(s->txtChange->text(), "80");
    EXPECT_EQ(s->sldChange->value(), 80);
    EXPECT_TRUE(s->chkEnable->isChecked());
    EXPECT_TRUE(s->chkSetka->isChecked());
    EXPECT_FALSE(s->chkSoundControl->isChecked());
    EXPECT_TRUE(s->optFant[2]->isChecked());
}

TEST_F(SettingsWindow, Form_Load_writes_back_what_it_shows)
{
    // A file that failed reports frequency 0, below the sliders' range; the background
    // sound played on after a choice although switched off.
    w->m(Channel::Left1).DMCtrlPath("/nowhere/left1.WAV");
    device.missing.insert("/nowhere/left1.WAV");
    w->Sound_Play(Channel::Left1);
    ASSERT_EQ(w->m(Channel::Left1).DMCtrlFreq(), 0);
    ASSERT_FALSE(w->m(Channel::Left1).bChanged);
    w->EnableLoop = false;
    const size_t bkgCalls = Bkg().calls.size();
    Open();
    Select("Влево");
    EXPECT_EQ(s->sldFreqBut1->value(), 5000);
    EXPECT_FALSE(w->m(Channel::Left1).bChanged);
    EXPECT_EQ(w->m(Channel::Left1).DMCtrlFreq(), 0);
    EXPECT_EQ(Bkg().calls.size(), bkgCalls) << "showing the values touched the background sound";
    EXPECT_FALSE(w->EnableLoop);
}

TEST_F(SettingsWindow, cmbListEvents_Click_shows_the_wrong_variant_frame)
{
    Open();
    Select("Бросить");
    EXPECT_FALSE(s->fraSecondVar->isHidden());
    EXPECT_EQ(s->lblFirstVar->text(), "drop1");
    EXPECT_EQ(s->lblSecondVar->text(), "drop2");
    EXPECT_EQ(s->sldVolBut2->value(), -1034);
    EXPECT_EQ(s->sldFreqBut2->value(), 56092);
    EXPECT_FALSE(s->chkEnSecondVar->isChecked());
    Select("Влево");
    EXPECT_TRUE(s->fraSecondVar->isHidden());
    EXPECT_EQ(s->lblFirstVar->text(), "left1");
    EXPECT_EQ(s->sldFreqBut1->value(), 57299);
}

TEST_F(SettingsWindow, chkEnFirstVar_switches_off_more_than_its_channel)
{
    Open();
    Select("Приземление");
    s->chkEnFirstVar->click();
    EXPECT_FALSE(w->m(Channel::Down1).DMCtrlEnabled());
    for (Channel c : {Channel::Down2, Channel::Left1, Channel::Drop1, Channel::Inverse1})
        EXPECT_TRUE(w->m(c).DMCtrlEnabled()) << int(c);
    s->chkEnSecondVar->click();
    EXPECT_FALSE(w->m(Channel::Down2).DMCtrlEnabled());
    s->chkEnFirstVar->click();
    EXPECT_TRUE(w->m(Channel::Down1).DMCtrlEnabled());
}

TEST_F(SettingsWindow, sliders_act_at_the_wrong_moment)
{
    Open();
    s->sldVolBackgrnd->setValue(-2000);
    EXPECT_EQ(Bkg().volume, -2000) << "background volume acts while dragging";

    Select("Бросить");
    s->sldVolBut1->setValue(-1800);
    s->sldFreqBut1->setValue(20000);
    s->sldFreqBut2->setValue(30000);
    s->sldFreq->setValue(11025);
    EXPECT_EQ(w->m(Channel::Drop1).DMCtrlVolume(), -920);
    EXPECT_EQ(w->m(Channel::Drop1).DMCtrlFreq(), 58103);
    EXPECT_EQ(w->m(Channel::Drop2).DMCtrlFreq(), 56092);
    EXPECT_EQ(w->freq, 46717);
    for (QSlider* slider : {(QSlider*)s->sldVolBut1, (QSlider*)s->sldFreqBut1, (QSlider*)s->sldFreqBut2,
                            (QSlider*)s->sldFreq})
        Release_Mouse(slider);
    EXPECT_EQ(w->m(Channel::Drop1).DMCtrlVolume(), -1800);
    EXPECT_EQ(w->m(Channel::Drop1).DMCtrlFreq(), 20000);
    EXPECT_EQ(w->m(Channel::Drop2).DMCtrlFreq(), 30000);
    EXPECT_EQ(w->freq, 11025);
    EXPECT_EQ(Bkg().freq, 11025);

    s->sldVolBut2->setValue(-2100);
    EXPECT_EQ(w->m(Channel::Drop2).DMCtrlVolume(), -1034);
    Release_Mouse(s->sldVolBut2);
    EXPECT_EQ(w->m(Channel::Drop2).DMCtrlVolume(), -2100);

    // A key that moved the slider acts when let go; the Tab that brought the focus does not.
    s->sldFreqBut1->setValue(25000);
    for (int key : {int(Qt::Key_Tab), int(Qt::Key_Right)}) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(s->sldFreqBut1, &release);
        EXPECT_EQ(w->m(Channel::Drop1).DMCtrlFreq(), key == Qt::Key_Tab ? 20000 : 25000);
    }
}

TEST_F(SettingsWindow, cmdOpenFirst_loses_the_chosen_file)
{
    QTemporaryDir sounds;
    const QString name = QString::fromUtf8("Новый звук.wav");
    QFile(QDir(sounds.path()).filePath(name)).open(QIODevice::WriteOnly);
    w->m(Channel::Left1).DMCtrlPath(QDir(sounds.path()).filePath("left1.WAV").toStdString());
    Open();
    Select("Влево");
    QTimer::singleShot(0, [&] {
        frmOpen* dialog = w->winOpen;
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(QDir(dialog->Folder()), QDir(sounds.path())) << "the dialog opens in the channel's folder";
        const auto items = dialog->filOpen->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        dialog->filOpen_Click(items[0]);
    });
    s->cmdOpenFirst->click();
    EXPECT_EQ(QString::fromStdString(w->m(Channel::Left1).DMCtrlPath()), QDir(sounds.path()).filePath(name));
    EXPECT_EQ(s->lblFirstVar->text(), name);
    Select("Вправо");
    Select("Влево");
    EXPECT_EQ(s->lblFirstVar->text(), QString::fromUtf8("Новый звук"));

    // Closing the dialog without a choice changes nothing.
    QTimer::singleShot(0, [&] { w->winOpen->reject(); });
    s->cmdOpenFirst->click();
    EXPECT_EQ(QString::fromStdString(w->m(Channel::Left1).DMCtrlPath()), QDir(sounds.path()).filePath(name));
}

TEST_F(SettingsWindow, cmdOpen_loses_the_background_file_or_its_volume)
{
    QTemporaryDir sounds;
    const QString good = QString::fromUtf8("Тихий фон.wav"), bad = "broken.wav";
    for (const QString& name : {good, bad})
        QFile(QDir(sounds.path()).filePath(name)).open(QIODevice::WriteOnly);
    device.missing.insert(QDir(sounds.path()).filePath(bad).toStdString());
    w->PathToBkgMusic = QDir(sounds.path()).filePath("old.wav").toStdString();
    Open();
    s->chkEnable->click();
    s->sldVolBackgrnd->setValue(-1500);
    const auto choose = [&](const QString& name) {
        QTimer::singleShot(0, [&, name] {
            ASSERT_NE(w->winOpen, nullptr);
            EXPECT_EQ(QDir(w->winOpen->Folder()), QDir(sounds.path()));
            const auto items = w->winOpen->filOpen->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(items.size(), 1);
            w->winOpen->filOpen_Click(items[0]);
        });
        s->cmdOpen->click();
    };
    choose(good);
    EXPECT_EQ(QString::fromStdString(w->PathToBkgMusic), QDir(sounds.path()).filePath(good));
    EXPECT_EQ(s->lblFile->text(), good);
    EXPECT_EQ(device.logs.back()->calls.front(), "play-loop") << "a new file plays although switched off";
    EXPECT_EQ(device.logs.back()->volume, -1500);
    EXPECT_EQ(s->sldFreq->value(), device.rate);
    EXPECT_FALSE(w->EnableLoop);
    EXPECT_TRUE(s->chkEnable->isChecked());

    choose(bad);
    EXPECT_EQ(s->lblFile->text(), "Empty");
    EXPECT_EQ(s->sldFreq->value(), s->sldFreq->minimum());
}

TEST_F(SettingsWindow, cmdSeq_opens_no_sequence_editor)
{
    Open();
    QString seen;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        seen = modal->metaObject()->className();
        modal->close();
    });
    s->cmdSeq->click();
    EXPECT_EQ(seen, "qv::frmSeq");
}

TEST_F(SettingsWindow, check_boxes_named_for_the_off_state_switch_on)
{
    Open();
    s->chkEnable->click();
    EXPECT_FALSE(w->EnableLoop);
    EXPECT_EQ(Bkg().calls.back(), "stop");
    s->chkEnable->click();
    EXPECT_TRUE(w->EnableLoop);
    EXPECT_EQ(Bkg().calls.back(), "play-loop");
    s->chkSoundControl->click();
    EXPECT_FALSE(w->EnableSoundControl);
    s->chkSetka->click();
    EXPECT_FALSE(w->bDrawSetka);
    s->chkSetka->click();
    EXPECT_TRUE(w->bDrawSetka);
}

TEST_F(SettingsWindow, optFant_sets_the_wrong_phantom_mode)
{
    Open();
    s->optFant[2]->click();
    EXPECT_EQ(w->iFantom, 2);
    s->optFant[0]->click();
    EXPECT_EQ(w->iFantom, 0);
    s->optFant[1]->click();
    EXPECT_EQ(w->iFantom, 1);
}

TEST_F(SettingsWindow, closing_leaves_the_file_open_dialog_loaded)
{
    Open();
    w->Open_Dialog();
    s->cmdOk->click();
    EXPECT_EQ(w->winOpen, nullptr);
}

TEST_F(SettingsWindow, escape_closes_the_window_even_in_the_middle_of_a_slider_drag)
{
    Open();
    s->show();
    s->sldVolBackgrnd->setValue(-1250);  // the handle in the middle, where the press takes it
    const QPoint at = s->sldVolBackgrnd->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, at, s->sldVolBackgrnd->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s->sldVolBackgrnd, &press);
    ASSERT_TRUE(s->sldVolBackgrnd->isSliderDown());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(s->sldVolBackgrnd, &escape);  // the slider passes it on to the window
    EXPECT_TRUE(s->isVisible());
    Release_Mouse(s->sldVolBackgrnd);
}

TEST_F(SettingsWindow, Finish_Game_leaves_the_settings_window_open_under_the_game_over_dialog)
{
    w->show();
    bool settingsOpenAtGameOver = true;
    bool gameOverSeen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        // A settings window still open after the game end is closed too, so the test ends.
        if (qobject_cast<frmSettings*>(modal)) {
            if (gameOverSeen)
                modal->close();
            return;
        }
        if (qobject_cast<frmGameOver*>(modal)) {
            gameOverSeen = true;
            settingsOpenAtGameOver = frmSettings::Current() && frmSettings::Current()->isVisible();
        }
        modal->close();
    });
    poll.start(10);
    QTimer::singleShot(0, [&] { w->Finish_Game(0); });
    frmSettings::Show_Modal(*w);
    EXPECT_TRUE(gameOverSeen);
    EXPECT_FALSE(settingsOpenAtGameOver);
    EXPECT_EQ(frmSettings::Current(), nullptr);
}
