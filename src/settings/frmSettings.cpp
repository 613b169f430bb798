#include "settings/frmSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "game/frmMain.h"
#include "settings/SettingsRules.h"
#include "shell/MainMod.h"
#include "shell/QtMainMod.h"
#include "shell/QtUnits.h"
#include "sound/DirectSound.h"
#include "sound/SoundPath.h"
#include "tools/frmOpen.h"
#include "tools/frmSeq.h"

namespace qv {

namespace {

struct Twips {
    int left, top, width, height;
};

// The designed places in twips: frames in the window, controls in their frame.
namespace Layout {
constexpr Twips Window{0, 0, 9480, 6615};
constexpr Twips fraBkg{120, 120, 4080, 2760};
constexpr Twips chkEnable{120, 300, 1560, 285};
constexpr Twips cmdOpen{2040, 240, 1920, 375};
constexpr Twips lblFile{120, 720, 3840, 255};
constexpr Twips sldVolBackgrnd{120, 1080, 3840, 420};
constexpr Twips sldFreq{120, 1560, 3840, 420};
constexpr Twips sldChange{120, 2100, 3000, 420};
constexpr Twips txtChange{3240, 2130, 720, 345};
constexpr Twips Frame1{4320, 120, 5040, 660};
constexpr Twips chkSetka{120, 300, 2400, 285};
constexpr Twips fraFant{4320, 900, 5040, 1260};
constexpr std::array<Twips, 3> optFant{{{120, 900, 4800, 255}, {120, 600, 4800, 255}, {120, 300, 4800, 255}}};
constexpr Twips Frame2{4320, 2280, 5040, 600};
constexpr Twips cmdSeq{120, 210, 4800, 330};
constexpr Twips fraButton{120, 3000, 9240, 3000};
constexpr Twips chkSoundControl{120, 330, 4320, 285};
constexpr Twips cmbListEvents{4680, 285, 4440, 345};
constexpr Twips fraFirstVar{120, 780, 4440, 2100};
constexpr Twips fraSecondVar{4680, 780, 4440, 2100};
constexpr Twips chkEnVar{120, 300, 1800, 285};
constexpr Twips cmdOpenVar{2280, 240, 2040, 375};
constexpr Twips lblVar{120, 720, 4200, 255};
constexpr Twips sldVolBut{120, 1080, 4200, 420};
constexpr Twips sldFreqBut{120, 1560, 4200, 420};
constexpr Twips cmdOk{8160, 6120, 1200, 375};
} // namespace Layout

template <typename W> W* Placed(W* widget, const Twips& t)
{
    widget->setGeometry(Twips_Rect(t.left, t.top, t.width, t.height));
    return widget;
}

QGroupBox* New_Frame(QWidget* parent, const QString& caption, const Twips& t)
{
    return Placed(new QGroupBox(caption, parent), t);
}

QCheckBox* New_Check(QWidget* parent, const QString& caption, const Twips& t)
{
    return Placed(new QCheckBox(caption, parent), t);
}

QPushButton* New_Button(QWidget* parent, const QString& caption, const Twips& t)
{
    auto* button = Placed(new QPushButton(caption, parent), t);
    button->setAutoDefault(false);
    return button;
}

QLabel* New_File_Label(QWidget* parent, const Twips& t)
{
    auto* label = Placed(new QLabel("Empty", parent), t);
    label->setToolTip(QCoreApplication::translate("qv::frmSettings", "Имя wav-файла"));
    return label;
}

SettingsSlider* New_Volume(QWidget* parent, const Twips& t)
{
    auto* slider = Placed(new SettingsSlider(parent, kVolumeMin, kVolumeMax, 1000, 250), t);
    slider->setToolTip(QCoreApplication::translate("qv::frmSettings", "Громкость"));
    return slider;
}

SettingsSlider* New_Frequency(QWidget* parent, const Twips& t)
{
    auto* slider = Placed(new SettingsSlider(parent, kFreqMin, kFreqMax, 5000, 2500), t);
    slider->setToolTip(QCoreApplication::translate("qv::frmSettings", "Скорость воспроизведения"));
    return slider;
}

QString Shown(const std::string& text, int n) { return QString::fromStdString(Shorten_Path(text, n)); }

// A folder the file-open dialog can open: separators of either kind, letter case matched.
QString Dialog_Folder(const std::string& folder)
{
    return folder.empty() ? QString() : QDir::cleanPath(QString::fromStdString(Resolve_Path(folder)));
}

} // namespace

QPointer<frmSettings> frmSettings::current_;

SettingsSlider::SettingsSlider(QWidget* parent, int minimum, int maximum, int largeStep, int tickEvery)
    : QSlider(Qt::Horizontal, parent)
{
    setRange(minimum, maximum);
    setPageStep(largeStep);
    setSingleStep(1);
    setTickInterval(tickEvery);
    setTickPosition(QSlider::TicksBelow);
}

void SettingsSlider::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && MouseUp)
        MouseUp();
}

void SettingsSlider::keyReleaseEvent(QKeyEvent* event)
{
    QSlider::keyReleaseEvent(event);
    // Only the keys that move a slider; the release of a Tab that brought the focus here is no change.
    static const int moving[] = {Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,   Qt::Key_Down,
                                 Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    if (event->isAutoRepeat() || !MouseUp)
        return;
    if (std::find(std::begin(moving), std::end(moving), event->key()) != std::end(moving))
        MouseUp();
}

frmSettings::frmSettings(frmMain& main)
    : QDialog(&main),
      main_(main)
{
    setWindowTitle("Settings");
    QFont font("Tahoma");
    font.setPointSizeF(8.25);
    setFont(font);
    setFixedSize(Px(Layout::Window.width), Px(Layout::Window.height));
    Build_Background();
    Build_Display();
    Build_Events();
    cmdOk = New_Button(this, "OK", Layout::cmdOk);
    Connect_Handlers();
}

frmSettings::~frmSettings() = default;

void frmSettings::Build_Background()
{
    fraBkg = New_Frame(this, tr("Фоновая музыка"), Layout::fraBkg);
    chkEnable = New_Check(fraBkg, tr("Выключить"), Layout::chkEnable);
    cmdOpen = New_Button(fraBkg, tr("Выбрать файл"), Layout::cmdOpen);
    lblFile = New_File_Label(fraBkg, Layout::lblFile);
    sldVolBackgrnd = New_Volume(fraBkg, Layout::sldVolBackgrnd);
    sldFreq = New_Frequency(fraBkg, Layout::sldFreq);
    sldChange = Placed(new SettingsSlider(fraBkg, 0, kSpeedChangeMax, 2, 100), Layout::sldChange);
    sldChange->setToolTip(tr("Скорость перехода звука из одной стороны в другую"));
    txtChange = Placed(new QLineEdit(fraBkg), Layout::txtChange);
}

void frmSettings::Build_Display()
{
    Frame1 = New_Frame(this, tr("Сетка"), Layout::Frame1);
    chkSetka = New_Check(Frame1, tr("Убрать"), Layout::chkSetka);
    fraFant = New_Frame(this, tr("Фантом"), Layout::fraFant);
    const QString captions[] = {tr("Hе показывать"), tr("Только при появлении Quarvex-фигурки"), tr("Показывать всегда")};
    for (size_t i = 0; i < optFant.size(); ++i)
        optFant[i] = Placed(new QRadioButton(captions[i], fraFant), Layout::optFant[i]);
    Frame2 = New_Frame(this, tr("Последовательность"), Layout::Frame2);
    cmdSeq = New_Button(Frame2, tr("Задать последовательность появления фигурок"), Layout::cmdSeq);
}

void frmSettings::Build_Events()
{
    fraButton = New_Frame(this, tr("Основные события"), Layout::fraButton);
    chkSoundControl = New_Check(fraButton, tr("Выкл. озвучивание осн. событий"), Layout::chkSoundControl);
    cmbListEvents = Placed(new QComboBox(fraButton), Layout::cmbListEvents);
    fraFirstVar = New_Frame(fraButton, tr("Первый вариант"), Layout::fraFirstVar);
    fraSecondVar = New_Frame(fraButton, tr("Второй вариант"), Layout::fraSecondVar);
    chkEnFirstVar = New_Check(fraFirstVar, tr("Выключить"), Layout::chkEnVar);
    chkEnSecondVar = New_Check(fraSecondVar, tr("Выключить"), Layout::chkEnVar);
    cmdOpenFirst = New_Button(fraFirstVar, tr("Выбрать файл"), Layout::cmdOpenVar);
    cmdOpenSecond = New_Button(fraSecondVar, tr("Выбрать файл"), Layout::cmdOpenVar);
    lblFirstVar = New_File_Label(fraFirstVar, Layout::lblVar);
    lblSecondVar = New_File_Label(fraSecondVar, Layout::lblVar);
    sldVolBut1 = New_Volume(fraFirstVar, Layout::sldVolBut);
    sldVolBut2 = New_Volume(fraSecondVar, Layout::sldVolBut);
    sldFreqBut1 = New_Frequency(fraFirstVar, Layout::sldFreqBut);
    sldFreqBut2 = New_Frequency(fraSecondVar, Layout::sldFreqBut);
}

void frmSettings::Connect_Handlers()
{
    connect(cmbListEvents, &QComboBox::currentIndexChanged, this, [this] { cmbListEvents_Click(); });
    connect(chkEnFirstVar, &QCheckBox::toggled, this, &frmSettings::chkEnFirstVar_Click);
    connect(chkEnSecondVar, &QCheckBox::toggled, this, &frmSettings::chkEnSecondVar_Click);
    sldVolBut1->MouseUp = [this] { sldVolBut1_MouseUp(); };
    sldFreqBut1->MouseUp = [this] { sldFreqBut1_MouseUp(); };
    sldVolBut2->MouseUp = [this] { sldVolBut2_Click(); };
    sldFreqBut2->MouseUp = [this] { sldFreqBut2_MouseUp(); };
    sldFreq->MouseUp = [this] { sldFreq_MouseUp(); };
    connect(cmdOpenFirst, &QPushButton::clicked, this, &frmSettings::cmdOpenFirst_Click);
    connect(cmdOpenSecond, &QPushButton::clicked, this, &frmSettings::cmdOpenSecond_Click);
    connect(chkEnable, &QCheckBox::toggled, this, &frmSettings::chkEnable_Click);
    connect(sldVolBackgrnd, &QSlider::valueChanged, this, &frmSettings::sldVolBackgrnd_Scroll);
    connect(sldChange, &QSlider::valueChanged, this, &frmSettings::sldChange_Scroll);
    connect(txtChange, &QLineEdit::textChanged, this, &frmSettings::txtChange_Change);
    connect(cmdOpen, &QPushButton::clicked, this, &frmSettings::cmdOpen_Click);
    connect(chkSoundControl, &QCheckBox::toggled, this, &frmSettings::chkSoundControl_Click);
    connect(chkSetka, &QCheckBox::toggled, this, &frmSettings::chkSetka_Click);
    for (int i = 0; i < int(optFant.size()); ++i)
        connect(optFant[size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optFant_Click(i);
        });
    connect(cmdSeq, &QPushButton::clicked, this, &frmSettings::cmdSeq_Click);
    connect(cmdOk, &QPushButton::clicked, this, &frmSettings::cmdOk_Click);
}

void frmSettings::Show(QSlider* slider, int value)
{
    // A value beyond the range shows at the nearer end; the stored value stays as it is.
    ++showing_;
    slider->setValue(value);
    --showing_;
}

void frmSettings::Form_Load()
{
    ++showing_;
    sldVolBackgrnd->setValue(DirectSound::iBkgVolume());
    chkEnable->setChecked(!main_.EnableLoop);
    chkSoundControl->setChecked(!main_.EnableSoundControl);
    if (!DirectSound::bFailedBkg())
        lblFile->setText(Shown(GetFileName(main_.PathToBkgMusic), 35));
    // Each item keeps the designed name, by which the rules know the event, beside the shown one.
    for (const SoundEventEntry& e : kSoundEventList)
        cmbListEvents->addItem(QCoreApplication::translate("Core", std::string(e.name).c_str()),
                               QString::fromUtf8(e.name.data(), qsizetype(e.name.size())));
    cmbListEvents->setCurrentIndex(0);
    sldChange->setValue(main_.SpeedChange);
    txtChange->setText(QString::number(main_.SpeedChange));
    sldFreq->setValue(main_.freq);
    if (main_.iFantom < optFant.size())
        optFant[main_.iFantom]->setChecked(true);
    chkSetka->setChecked(!main_.bDrawSetka);
    --showing_;
    cmbListEvents_Click();
}

void frmSettings::Show_Modal(frmMain& main)
{
    frmSettings window(main);
    current_ = &window;
    window.Form_Load();
    window.exec();
    current_ = nullptr;
}

void frmSettings::Close_Window()
{
    if (current_ && current_->isVisible())
        current_->done(QDialog::Rejected);
}

frmSettings* frmSettings::Current() { return current_; }

void frmSettings::keyPressEvent(QKeyEvent* event)
{
    // Escape, the game's pause key, does nothing here: the window closes by "OK" or its close box.
    if (event->key() == Qt::Key_Escape)
        return event->accept();
    QDialog::keyPressEvent(event);
}

void frmSettings::done(int result)
{
    // Closing (OK or the close box) unloads a file-open dialog left open over this window.
    main_.Unload_Open_Dialog();
    QDialog::done(result);
}

std::optional<Channel> frmSettings::Selected_Channel(int variant) const
{
    return Event_Channel(cmbListEvents->currentData().toString().toStdString(), variant);
}

void frmSettings::SetEventValue(int variant, const std::function<void(clsDMCtrl&)>& set)
{
    if (showing_)
        return;
    if (const auto channel = Selected_Channel(variant))
        set(main_.m(*channel));
}

std::string frmSettings::GetEventPath(int variant) const
{
    const auto channel = Selected_Channel(variant);
    return channel ? main_.m(*channel).DMCtrlPath() : std::string();
}

void frmSettings::cmbListEvents_Click()
{
    if (showing_)
        return;
    const std::string name = cmbListEvents->currentData().toString().toStdString();
    fraSecondVar->setVisible(Has_Second_Variant(name));
    if (const auto first = Event_Channel(name, 0))
        ShowFirstVariant(main_.m(*first));
    if (Has_Second_Variant(name))
        ShowSecondVariant(main_.m(*Event_Channel(name, 1)));
}

void frmSettings::ShowFirstVariant(clsDMCtrl& channel)
{
    ++showing_;
    lblFirstVar->setText(Shown(GetFileName(channel.DMCtrlPath()), 25));
    sldVolBut1->setValue(channel.DMCtrlVolume());
    sldFreqBut1->setValue(channel.DMCtrlFreq());
    chkEnFirstVar->setChecked(!channel.DMCtrlEnabled());
    --showing_;
}

void frmSettings::ShowSecondVariant(clsDMCtrl& channel)
{
    ++showing_;
    lblSecondVar->setText(Shown(GetFileName(channel.DMCtrlPath()), 25));
    sldVolBut2->setValue(channel.DMCtrlVolume());
    sldFreqBut2->setValue(channel.DMCtrlFreq());
    chkEnSecondVar->setChecked(!channel.DMCtrlEnabled());
    --showing_;
}

void frmSettings::chkEnFirstVar_Click(bool ticked)
{
    SetEventValue(0, [ticked](clsDMCtrl& c) { c.DMCtrlEnabled(!ticked); });
}

void frmSettings::chkEnSecondVar_Click(bool ticked)
{
    SetEventValue(1, [ticked](clsDMCtrl& c) { c.DMCtrlEnabled(!ticked); });
}

void frmSettings::sldVolBut1_MouseUp()
{
    SetEventValue(0, [v = sldVolBut1->value()](clsDMCtrl& c) { c.DMCtrlVolume(int16_t(v)); });
}

void frmSettings::sldFreqBut1_MouseUp()
{
    SetEventValue(0, [v = sldFreqBut1->value()](clsDMCtrl& c) { c.DMCtrlFreq(v); });
}

void frmSettings::sldVolBut2_Click()
{
    SetEventValue(1, [v = sldVolBut2->value()](clsDMCtrl& c) { c.DMCtrlVolume(int16_t(v)); });
}

void frmSettings::sldFreqBut2_MouseUp()
{
    SetEventValue(1, [v = sldFreqBut2->value()](clsDMCtrl& c) { c.DMCtrlFreq(v); });
}

void frmSettings::cmdOpenFirst_Click() { Choose_Variant_File(0, lblFirstVar); }

void frmSettings::cmdOpenSecond_Click() { Choose_Variant_File(1, lblSecondVar); }

void frmSettings::Choose_Variant_File(int variant, QLabel* label)
{
    QPointer<frmSettings> self(this);
    QPointer<frmOpen> dialog(main_.Open_Dialog());
    dialog->AddictPattern.clear();
    dialog->SetPath(Dialog_Folder(GetFileFolder(GetEventPath(variant))));
    // Only a file chosen in this showing counts: closing the dialog changes nothing.
    const bool chosen = dialog->Choose(this);
    if (!self || !dialog || !chosen || dialog->NameFile.isEmpty())
        return;
    label->setText(Shown(dialog->NameFile.toStdString(), 25));
    SetEventValue(variant, [path = dialog->PathToFile.toStdString()](clsDMCtrl& c) { c.DMCtrlPath(path); });
}

void frmSettings::chkEnable_Click(bool ticked)
{
    if (showing_)
        return;
    if (ticked)
        DirectSound::StopBkgMusic();
    else
        DirectSound::ResumeBkgMusic();
    main_.EnableLoop = !ticked;
}

void frmSettings::sldVolBackgrnd_Scroll()
{
    if (showing_)
        return;
    DirectSound::SetBkgVolume(int16_t(sldVolBackgrnd->value()));
    cmdOk->setFocus();
}

void frmSettings::sldFreq_MouseUp()
{
    DirectSound::SetBkgFreq(sldFreq->value());
    main_.freq = sldFreq->value();
}

void frmSettings::sldChange_Scroll()
{
    if (showing_)
        return;
    main_.SpeedChange = int16_t(sldChange->value());
    txtChange->setText(QString::number(sldChange->value()));
    if (sldChange->value() == 0)
        main_.game.ForLoop = 0;
}

void frmSettings::txtChange_Change()
{
    if (showing_)
        return;
    const SpeedEntry entry = Speed_From_Text(txtChange->text().toStdString(), main_.SpeedChange);
    if (entry.bTooLarge) {
        // The change handling runs again for the new text and stores the maximum.
        txtChange->setText(QString::number(kSpeedChangeMax));
        txtChange->selectAll();
        return;
    }
    main_.SpeedChange = entry.SpeedChange;
    Show(sldChange, entry.SpeedChange);
    if (sldChange->value() == 0)
        main_.game.ForLoop = 0;
}

void frmSettings::cmdOpen_Click()
{
    QPointer<frmSettings> self(this);
    QPointer<frmOpen> dialog(main_.Open_Dialog());
    dialog->AddictPattern.clear();
    // Without an open sound the dialog starts in the folder that holds the program folder.
    const std::string start = DirectSound::bFailedBkg() ? GetFileFolder(Program_Folder().toStdString())
                                                        : GetFileFolder(main_.PathToBkgMusic);
    dialog->SetPath(Dialog_Folder(start));
    const bool chosen = dialog->Choose(this);
    if (!self || !dialog || !chosen || dialog->NameFile.isEmpty())
        return;
    lblFile->setText(Shown(dialog->NameFile.toStdString(), 35));
    main_.PathToBkgMusic = dialog->PathToFile.toStdString();
    DirectSound::PlayBkgMusic(main_.PathToBkgMusic, main_.freq);
    if (DirectSound::bFailedBkg()) {
        lblFile->setText("Empty");
        Show(sldFreq, 0);
        return;
    }
    Show(sldFreq, DirectSound::GetBkgFreq());
    DirectSound::SetBkgVolume(int16_t(sldVolBackgrnd->value()));
}

void frmSettings::chkSoundControl_Click(bool ticked)
{
    if (!showing_)
        main_.EnableSoundControl = !ticked;
}

void frmSettings::chkSetka_Click(bool ticked)
{
    if (!showing_)
        main_.bDrawSetka = !ticked;
}

void frmSettings::optFant_Click(int Index)
{
    if (!showing_)
        main_.iFantom = uint8_t(Index);
}

void frmSettings::cmdSeq_Click() { frmSeq::Show_Modal(main_); }

void frmSettings::cmdOk_Click() { accept(); }

} // namespace qv
