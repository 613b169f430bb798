#pragma once
#include <QDialog>
#include <QPointer>
#include <QSlider>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "game/GameView.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qv {

class clsDMCtrl;
class frmMain;

// A horizontal slider that also reports the end of a mouse drag or click, and the
// release of a key that moved it, as MouseUp.
class SettingsSlider : public QSlider {
public:
    SettingsSlider(QWidget* parent, int minimum, int maximum, int largeStep, int tickEvery);
    std::function<void()> MouseUp;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

// The settings window "Settings": the background sound, the event sounds, the grid,
// the phantom and the way to the sequence editor. Every change acts at once on the
// main window's values and sound; nothing is kept here. Shown modally by "Set".
class frmSettings : public QDialog {
    Q_OBJECT
public:
    explicit frmSettings(frmMain& main);
    ~frmSettings() override;

    // Shows a fresh window modally over the main window until it is closed.
    static void Show_Modal(frmMain& main);
    // Closes the window shown by Show_Modal (the end of a lost game); nothing when none is open.
    static void Close_Window();
    // The window shown by Show_Modal, or null.
    static frmSettings* Current();

    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr, *fraFant = nullptr, *fraButton = nullptr;
    QGroupBox *fraFirstVar = nullptr, *fraSecondVar = nullptr, *fraBkg = nullptr;
    QPushButton* cmdSeq = nullptr;
    QCheckBox* chkSetka = nullptr;
    std::array<QRadioButton*, 3> optFant{};
    QCheckBox* chkSoundControl = nullptr;
    QComboBox* cmbListEvents = nullptr;
    QCheckBox *chkEnFirstVar = nullptr, *chkEnSecondVar = nullptr;
    QPushButton *cmdOpenFirst = nullptr, *cmdOpenSecond = nullptr;
    QLabel *lblFirstVar = nullptr, *lblSecondVar = nullptr;
    SettingsSlider *sldVolBut1 = nullptr, *sldFreqBut1 = nullptr, *sldVolBut2 = nullptr, *sldFreqBut2 = nullptr;
    QCheckBox* chkEnable = nullptr;
    QPushButton* cmdOpen = nullptr;
    QLabel* lblFile = nullptr;
    SettingsSlider *sldVolBackgrnd = nullptr, *sldFreq = nullptr, *sldChange = nullptr;
    QLineEdit* txtChange = nullptr;
    QPushButton* cmdOk = nullptr;

    void Form_Load();
    void cmbListEvents_Click();
    void chkEnFirstVar_Click(bool ticked);
    void chkEnSecondVar_Click(bool ticked);
    void sldVolBut1_MouseUp();
    void sldFreqBut1_MouseUp();
    void sldVolBut2_Click();
    void sldFreqBut2_MouseUp();
    void cmdOpenFirst_Click();
    void cmdOpenSecond_Click();
    void chkEnable_Click(bool ticked);
    void sldVolBackgrnd_Scroll();
    void sldFreq_MouseUp();
    void sldChange_Scroll();
    void txtChange_Change();
    void cmdOpen_Click();
    void chkSoundControl_Click(bool ticked);
    void chkSetka_Click(bool ticked);
    void optFant_Click(int Index);
    void cmdSeq_Click();
    void cmdOk_Click();

protected:
    // Escape does nothing here: the game's pause key never closes this window.
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    void Build_Background();
    void Build_Events();
    void Build_Display();
    void Connect_Handlers();
    void ShowFirstVariant(clsDMCtrl& channel);
    void ShowSecondVariant(clsDMCtrl& channel);
    std::optional<Channel> Selected_Channel(int variant) const;
    void SetEventValue(int variant, const std::function<void(clsDMCtrl&)>& set);
    std::string GetEventPath(int variant) const;
    void Choose_Variant_File(int variant, QLabel* label);
    // Sets a slider's value in code: no handler acts on it.
    void Show(QSlider* slider, int value);

    frmMain& main_;
    int showing_ = 0;
    static QPointer<frmSettings> current_;
};

} // namespace qv
