#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRegularExpression>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "game/frmMain.h"
#include "records/frmEnterName.h"
#include "records/frmFuture.h"
#include "records/frmGameOver.h"
#include "records/frmQuarvexFathers.h"
#include "records/frmStatistic.h"
#include "settings/frmSettings.h"
#include "shell/QtButton.h"
#include "shell/QtMainMod.h"
#include "shell/frmSplash.h"
#include "sound/frmMP3.h"
#include "tools/HelpTour.h"
#include "tools/frmHelp.h"
#include "tools/frmOpen.h"
#include "tools/frmSeq.h"

namespace {

// Hands every window of the game to `look`, shown, named by window and state: each as it opens, and
// again where a state shows other fixed texts. A translation runs through the same walk.
void For_Every_Window(const std::function<void(const QString&, QWidget*)>& look)
{
    QTemporaryDir dir;
    qv::frmMain main(dir.path());
    auto see = [&](const QString& name, QWidget* w) {
        w->show();
        QApplication::processEvents();
        look(name, w);
    };
    see("main window", &main);
    const std::initializer_list<QWidget*> sides = {main.winRecords, main.winStatistic, main.winFuture, main.winMP3};
    for (QWidget* side : sides)
        see(side->windowTitle(), side);
    main.winMP3->lblLoop_Click();
    see("player, loop switched", main.winMP3);
    see("name dialog", std::make_unique<qv::frmEnterName>(&main).get());
    see("game-over dialog", std::make_unique<qv::frmGameOver>(&main).get());
    qv::frmSettings settings(main);
    settings.Form_Load();
    see("settings", &settings);
    for (const char* state : {"sequence editor", "sequence editor, sequence on"}) {
        qv::frmSeq editor(main.game.objSeq, main.game.bUseSequence, &main);
        see(state, &editor);
        editor.cmdBase_Click(2);
        editor.cmdOK_Click();
    }
    qv::frmHelp help(&main);
    QStringList pages = {QCoreApplication::translate("Core", qv::RECORDS_PAGE_TEXT)};
    for (QWidget* w : main.Help_Widgets())
        pages << w->property("Tag").toString();
    for (const QString& page : pages) {
        help.strText = page;
        help.Form_Load();
        while (help.tmrResize.isActive())
            help.tmrResize_Timer();
        see("help page " + page.left(20), &help);
    }
    help.close();
    see("file-open dialog", main.Open_Dialog());
    see("splash", std::make_unique<qv::frmSplash>().get());
}

// The room a widget draws its text in: a label's contents, the face of a button that paints itself
// inside its bevel, or what the style leaves beside the box of a check box or option button.
QRect Text_Room(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->contentsRect();
    if (qobject_cast<qv::QtButton*>(w))
        return w->rect().adjusted(1, 1, -1, -1);
    QStyleOptionButton option;
    option.initFrom(w);
    const auto element = qobject_cast<QCheckBox*>(w)      ? QStyle::SE_CheckBoxContents
                         : qobject_cast<QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                                          : QStyle::SE_PushButtonContents;
    return w->style()->subElementRect(element, &option, w);
}

// The texts of `window` wider or taller than their room, as "class at x,y "text" needs WxH, has WxH".
// Width by advance, as layouts measure it; height by the glyphs' ink, since a line's leading may
// overhang unseen. A word-wrapped label is excepted; a text box counts when it has to scroll.
QStringList Cut_Texts(QWidget* window)
{
    QStringList cut;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        auto* box = qobject_cast<QPlainTextEdit*>(w);
        const QString text = label ? label->text() : button ? button->text() : box ? box->toPlainText() : "";
        if (w->window() != window || !w->isVisibleTo(window) || text.isEmpty() || (label && label->wordWrap()))
            continue;
        const QFontMetrics fm = w->fontMetrics();
        const QSize room = box ? box->viewport()->size() : Text_Room(w).size();
        const QSize need = box ? room + QSize(0, box->verticalScrollBar()->maximum())
                               : QSize(fm.horizontalAdvance(text), fm.tightBoundingRect(text).height());
        if (need.width() > room.width() || need.height() > room.height())
            cut << QString("%1 at %2,%3 \"%4\" needs %5x%6, has %7x%8")
                       .arg(w->metaObject()->className()).arg(w->x()).arg(w->y()).arg(box ? text.left(40) : text)
                       .arg(need.width()).arg(need.height()).arg(room.width()).arg(room.height());
    }
    return cut;
}

// The texts of `window` still in Russian: captions, frame titles, list items, tooltips and help texts.
QStringList Russian_Texts(QWidget* window)
{
    static const QRegularExpression cyrillic("[\\x{0400}-\\x{04FF}]");
    QStringList found;
    QList<QWidget*> all = window->findChildren<QWidget*>();
    all << window;
    for (QWidget* w : all) {
        QStringList texts = {w->toolTip(), w->property("Tag").toString(), w->windowTitle()};
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* frame = qobject_cast<QGroupBox*>(w))
            texts << frame->title();
        if (auto* box = qobject_cast<QPlainTextEdit*>(w))
            texts << box->toPlainText();
        if (auto* list = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        for (const QString& t : texts)
            if (t.contains(cyrillic))
                found << t.left(60);
    }
    return found;
}

} // namespace

class Text_Fit : public testing::TestWithParam<qv::Language> {
protected:
    void SetUp() override
    {
        const QString folder = QCoreApplication::applicationDirPath() + "/translations";
        ASSERT_TRUE(qv::Install_Translation(GetParam(), folder)) << "no translation in " << folder.toStdString();
    }
    void TearDown() override { qv::Install_Translation(qv::Language::Russian, ""); }
};

TEST_P(Text_Fit, every_text_of_every_window_fits_its_widget_and_is_in_the_language_chosen)
{
    const bool english = GetParam() == qv::Language::English;
    qv::Register_Fonts();
    QStringList report;
    int windows = 0;
    For_Every_Window([&](const QString& name, QWidget* w) {
        ++windows;
        for (const QString& cut : Cut_Texts(w))
            report << name + ": " + cut;
        if (english)
            for (const QString& russian : Russian_Texts(w))
                report << name + ": Russian left: " + russian;
    });
    EXPECT_GE(windows, 12);
    EXPECT_TRUE(report.isEmpty()) << report.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, Text_Fit, testing::Values(qv::Language::Russian, qv::Language::English),
                         [](const auto& info) { return info.param == qv::Language::English ? "English" : "Russian"; });
