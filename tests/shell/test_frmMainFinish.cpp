#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <functional>
#include <memory>

#include "game/frmMain.h"
#include "records/frmEnterName.h"
#include "records/frmGameOver.h"
#include "records/frmQuarvexFathers.h"
#include "shell/TextFile.h"

namespace fs = std::filesystem;

namespace {

// Answers each modal dialog of the end-of-game flow as it comes up: the name dialog with
// `name` (or closes it when `name` is empty), the game-over dialog with "no".
class Answer_Dialogs {
public:
    explicit Answer_Dialogs(std::string name, std::function<void()> on_name = {})
        : name_(std::move(name)), onName_(std::move(on_name))
    {
        QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
        poll_.start(10);
    }
    std::vector<QString> Seen;

private:
    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == last_.data())
            return;
        last_ = modal;
        Seen.push_back(modal->metaObject()->className());
        auto* dialog = qobject_cast<qv::frmEnterName*>(modal);
        if (!dialog || name_.empty()) {
            modal->close();
            return;
        }
        if (onName_)
            onName_();
        dialog->txtName->setText(QString::fromStdString(name_));
        dialog->cmdOk_Click();
    }
    std::string name_;
    std::function<void()> onName_;
    QPointer<QWidget> last_;
    QTimer poll_;
};

// Refuses to read one file, as the system does for a file without read permission (root reads all).
struct Unreadable_File : qv::File_Access {
    fs::path file;
    explicit Unreadable_File(fs::path f) : file(std::move(f)) { qv::Set_File_Access(this); }
    ~Unreadable_File() override { qv::Set_File_Access(nullptr); }
    bool May_Read(const fs::path& f) const override { return f != file; }
};

class Finish_Game : public ::testing::Test {
protected:
    QTemporaryDir dir;
    fs::path file = fs::path(dir.path().toStdString()) / "QuarvexFathers.txt";

    void Put(const std::string& bytes) const { std::ofstream(file, std::ios::binary) << bytes; }
    std::string Get() const
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::unique_ptr<qv::frmMain> Open_Window() const
    {
        auto frm = std::make_unique<qv::frmMain>(dir.path());
        frm->show();
        return frm;
    }
};

} // namespace

TEST_F(Finish_Game, an_unreadable_records_file_keeps_its_bytes_whether_a_name_is_given_or_cancelled)
{
    Put("Ann\r\n 500 \r\n");
    const Unreadable_File refused(file);
    for (const std::string name : {"Bob", ""}) {
        auto frm = Open_Window();
        Answer_Dialogs answers(name);
        frm->Finish_Game(900);
        EXPECT_EQ(answers.Seen, std::vector<QString>{"qv::frmGameOver"}) << name;
        EXPECT_EQ(Get(), "Ann\r\n 500 \r\n") << name;
    }
}

TEST_F(Finish_Game, the_records_list_shows_what_another_copy_stored_during_the_name_dialog)
{
    Put("Ann\r\n 500 \r\n");
    auto frm = Open_Window();
    Answer_Dialogs answers("Bob", [this] { Put("Ann\r\n 500 \r\nEve\r\n 300 \r\n"); });
    frm->Finish_Game(400);
    EXPECT_EQ(Get(), "Ann\r\n 500 \r\nBob\r\n 400 \r\nEve\r\n 300 \r\n");
    ASSERT_FALSE(frm->winRecords.isNull());
    ASSERT_EQ(frm->winRecords->Count(), 3);
    EXPECT_EQ(frm->winRecords->Line(2), "3. Eve            300");
}
