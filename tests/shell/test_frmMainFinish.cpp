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
#include "support/DialogAnswers.h"

namespace fs = std::filesystem;

namespace {

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
        Dialog_Answers answers({name.empty() ? Close_It : Enter_Name(QString::fromStdString(name)), Close_It});
        frm->Finish_Game(900);
        EXPECT_EQ(answers.Seen, std::vector<QString>{"qv::frmGameOver"}) << name;
        EXPECT_EQ(Get(), "Ann\r\n 500 \r\n") << name;
    }
}

TEST_F(Finish_Game, the_records_list_shows_what_another_copy_stored_during_the_name_dialog)
{
    Put("Ann\r\n 500 \r\n");
    auto frm = Open_Window();
    Dialog_Answers answers({[this](QWidget* w) {
                                Put("Ann\r\n 500 \r\nEve\r\n 300 \r\n");
                                Enter_Name("Bob")(w);
                            },
                            Close_It});
    frm->Finish_Game(400);
    EXPECT_EQ(Get(), "Ann\r\n 500 \r\nBob\r\n 400 \r\nEve\r\n 300 \r\n");
    ASSERT_FALSE(frm->winRecords.isNull());
    ASSERT_EQ(frm->winRecords->Count(), 3);
    EXPECT_EQ(frm->winRecords->Line(2), "3. Eve            300");
}
