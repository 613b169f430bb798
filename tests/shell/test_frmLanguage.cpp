#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <memory>

#include "game/frmMain.h"
#include "records/frmEnterName.h"
#include "records/frmFuture.h"
#include "records/frmQuarvexFathers.h"
#include "records/frmStatistic.h"
#include "sound/frmMP3.h"
#include "records/frmGameOver.h"
#include "settings/frmSettings.h"
#include "shell/QtMainMod.h"
#include "tools/HelpTour.h"
#include "tools/frmHelp.h"
#include "tools/frmOpen.h"
#include "tools/frmSeq.h"

namespace {

// The texts of `window` and its widgets still in Cyrillic, and those wider than their widget.
QStringList Russian_Or_Cut(QWidget* window)
{
    static const QRegularExpression cyrillic("[\\x{0400}-\\x{04FF}]");
    QStringList found;
    QList<QWidget*> all = window->findChildren<QWidget*>();
    all << window;
    for (QWidget* w : all) {
        auto* label = qobject_cast<QLabel*>(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        auto* frame = qobject_cast<QGroupBox*>(w);
        const QString text = label ? label->text() : button ? button->text() : frame ? frame->title() : "";
        QStringList texts = {text, w->toolTip(), w->property("Tag").toString(), w->windowTitle()};
        if (auto* list = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        for (const QString& t : texts)
            if (t.contains(cyrillic))
                found << "Russian: " + t;
        const int room = button ? w->width() - (qobject_cast<QPushButton*>(w) ? 4 : 20) : w->width();
        if (!text.isEmpty() && !(label && label->wordWrap()) && w->isVisibleTo(window)
            && w->fontMetrics().horizontalAdvance(frame ? frame->title() : text) > room)
            found << "cut: " + text;
    }
    return found;
}

} // namespace

TEST(English, every_window_shows_english_texts_that_fit)
{
    const QString folder = QCoreApplication::applicationDirPath() + "/translations";
    ASSERT_TRUE(qv::Install_Translation(qv::Language::English, folder));
    qv::Register_Fonts();
    QTemporaryDir dir;
    QStringList report;
    {
        qv::frmMain main(dir.path());
        auto look = [&](const QString& name, QWidget* w) {
            w->show();
            for (const QString& f : Russian_Or_Cut(w))
                report << name + ": " + f;
        };
        look("main", &main);
        const std::initializer_list<QWidget*> sides = {main.winRecords.data(), main.winStatistic.data(),
                                                       main.winFuture.data(), main.winMP3.data()};
        for (QWidget* side : sides)
            look(side->windowTitle(), side);
        look("name", std::make_unique<qv::frmEnterName>(&main).get());
        look("game over", std::make_unique<qv::frmGameOver>(&main).get());
        qv::frmSettings settings(main);
        settings.Form_Load();
        look("settings", &settings);
        qv::frmSeq editor(main.game.objSeq, main.game.bUseSequence, &main);
        editor.Form_Load();
        look("sequence editor", &editor);
        look("open", main.Open_Dialog());
        qv::frmHelp help(&main);
        help.strText = QCoreApplication::translate("Core", qv::RECORDS_PAGE_TEXT);
        help.Form_Load();
        look("help", &help);
        help.close();
    }
    qv::Install_Translation(qv::Language::Russian, "");
    EXPECT_TRUE(report.isEmpty()) << report.join('\n').toStdString();
}
