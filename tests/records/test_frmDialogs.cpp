#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "records/frmEnterName.h"
#include "records/frmGameOver.h"

using namespace qv;

namespace {

template <class Dialog>
Dialog* Shown_Dialog()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<Dialog*>(w); d && d->isVisible()) return d;
    return nullptr;
}

// Answers the dialog that the test then runs modally: `act` runs once the modal
// loop is up; a dialog still open after two seconds is rejected, so that a
// broken answer fails instead of hanging.
template <class Dialog>
class Answer {
public:
    explicit Answer(std::function<void(Dialog*)> act)
    {
        QTimer::singleShot(0, &watchdog_, [act] {
            if (Dialog* d = Shown_Dialog<Dialog>())
                act(d);
            else
                ADD_FAILURE() << "dialog not shown";
        });
        watchdog_.setSingleShot(true);
        QObject::connect(&watchdog_, &QTimer::timeout, [] {
            if (Dialog* d = Shown_Dialog<Dialog>()) {
                ADD_FAILURE() << "dialog still open";
                d->reject();
            }
        });
        watchdog_.start(2000);
    }

private:
    QTimer watchdog_;
};

void Send_Key(QWidget* w, int key, const QString& text = {})
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &up);
}

void Type(QWidget* w, const QString& text)
{
    for (QChar c : text) Send_Key(w, Qt::Key_unknown, QString(c));
}

} // namespace

TEST(frmEnterName, opens_with_UnNamed_fully_selected_so_typing_replaces_it)
{
    frmEnterName dlg;
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Quarvex Zeb Ostrela");
    EXPECT_EQ(dlg.lblEnterName->text(), "Введите Ваше имя");
    EXPECT_EQ(dlg.cmdOk->text(), "Ok");
    EXPECT_EQ(dlg.size(), QSize(161, 95));
    EXPECT_EQ(dlg.txtName->text(), "UnNamed");
    EXPECT_EQ(dlg.txtName->selectedText(), "UnNamed");
    Type(dlg.txtName, "Zeb");
    EXPECT_EQ(dlg.txtName->text(), "Zeb");
    EXPECT_TRUE(dlg.PlayerName.isEmpty());
}

TEST(frmEnterName, takes_at_most_ten_characters_also_in_cyrillic)
{
    frmEnterName dlg;
    dlg.show();
    Type(dlg.txtName, "Остреляющий");
    EXPECT_EQ(dlg.txtName->text(), "Остреляющи");
    dlg.txtName->setText("ABCDEFGHIJKLMN");
    EXPECT_EQ(dlg.txtName->text(), "ABCDEFGHIJ");
}

TEST(frmEnterName, Enter_confirms_the_typed_name_like_Ok)
{
    Answer<frmEnterName> enter([](frmEnterName* d) {
        Type(d->txtName, "Пелько");
        Send_Key(d->txtName, Qt::Key_Return);
    });
    std::string name = "old";
    EXPECT_TRUE(frmEnterName::Ask(nullptr, name));
    EXPECT_EQ(name, "Пелько");
}

TEST(frmEnterName, keypad_Enter_on_the_button_confirms_too)
{
    Answer<frmEnterName> keypadEnter([](frmEnterName* d) { Send_Key(d->cmdOk, Qt::Key_Enter); });
    std::string name;
    EXPECT_TRUE(frmEnterName::Ask(nullptr, name));
    EXPECT_EQ(name, "UnNamed");
}

TEST(frmEnterName, Ok_with_an_empty_name_is_a_confirmation_not_a_cancel)
{
    Answer<frmEnterName> emptyOk([](frmEnterName* d) {
        d->txtName->clear();
        d->cmdOk->click();
    });
    std::string name = "old";
    EXPECT_TRUE(frmEnterName::Ask(nullptr, name));
    EXPECT_EQ(name, "");
}

TEST(frmEnterName, close_box_and_Escape_cancel_the_record_and_leave_the_name)
{
    Answer<frmEnterName> closeBox([](frmEnterName* d) {
        Type(d->txtName, "Zeb");
        d->close();
    });
    std::string name = "old";
    EXPECT_FALSE(frmEnterName::Ask(nullptr, name));
    EXPECT_EQ(name, "old");

    Answer<frmEnterName> escape([](frmEnterName* d) { Send_Key(d->txtName, Qt::Key_Escape); });
    EXPECT_FALSE(frmEnterName::Ask(nullptr, name));
    EXPECT_EQ(name, "old");
}

TEST(frmEnterName, dialog_is_modal_over_its_owner_and_released_afterwards)
{
    QWidget owner;
    owner.show();
    bool modal = false;
    Answer<frmEnterName> ok([&](frmEnterName* d) {
        modal = d->isModal() && d->parentWidget() == &owner;
        d->cmdOk->click();
    });
    std::string name;
    EXPECT_TRUE(frmEnterName::Ask(&owner, name));
    EXPECT_TRUE(modal);
    EXPECT_TRUE(owner.findChildren<frmEnterName*>().isEmpty());
}

TEST(frmGameOver, Yes_asks_for_a_new_game)
{
    Answer<frmGameOver> yes([](frmGameOver* d) { d->cmdYes->click(); });
    EXPECT_TRUE(frmGameOver::Ask(nullptr));
}

TEST(frmGameOver, No_close_box_and_Escape_all_end_the_program)
{
    Answer<frmGameOver> no([](frmGameOver* d) { d->cmdNo->click(); });
    EXPECT_FALSE(frmGameOver::Ask(nullptr));
    Answer<frmGameOver> closeBox([](frmGameOver* d) { d->close(); });
    EXPECT_FALSE(frmGameOver::Ask(nullptr));
    Answer<frmGameOver> escape([](frmGameOver* d) { Send_Key(d, Qt::Key_Escape); });
    EXPECT_FALSE(frmGameOver::Ask(nullptr));
}

TEST(frmGameOver, shows_its_texts_in_its_client_size_and_is_released_after_use)
{
    QWidget owner;
    owner.show();
    Answer<frmGameOver> no([](frmGameOver* d) {
        EXPECT_EQ(d->windowTitle(), "Quarvex Zeb Ostrela");
        EXPECT_EQ(d->lblGameOver->text(), "Game Over !");
        EXPECT_EQ(d->lblNewGame->text(), "Начать новую игру ?");
        EXPECT_EQ(d->cmdYes->text(), "Да");
        EXPECT_EQ(d->cmdNo->text(), "Нет");
        EXPECT_EQ(d->size(), QSize(178, 91));
        d->cmdNo->click();
    });
    EXPECT_FALSE(frmGameOver::Ask(&owner));
    EXPECT_TRUE(owner.findChildren<frmGameOver*>().isEmpty());
}
