#pragma once
#include <QDialog>
#include <QPointer>
#include <array>
#include <cstdint>

class QGroupBox;
class QLabel;
class QPushButton;

namespace qv {

class clsSeq;
class frmMain;

// The figure-sequence editor "Определение последовательности появления фигурок":
// clicking an available figure appends it to the sequence, clicking a sequence
// place removes that figure; "Включить" and "Отключить" switch sequence mode and close.
class frmSeq : public QDialog {
    Q_OBJECT
public:
    // Edits `seq` and the mode flag `bUseSequence`; both must outlive the window.
    frmSeq(clsSeq& seq, bool& bUseSequence, QWidget* owner = nullptr);

    // Shows the editor modally over the main window on its game's sequence; the future
    // window then shows the mode at once.
    static void Show_Modal(frmMain& m);
    // Closes the editor shown by Show_Modal (the end of a game) as its close box would; nothing when none is open.
    static void Close_Window();

    std::array<QPushButton*, 7> cmdBase{};
    std::array<QPushButton*, 10> cmdDest{};
    std::array<QLabel*, 2> Label1{};
    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr;
    QLabel* lblState = nullptr;
    QPushButton *cmdOK = nullptr, *cmdNo = nullptr;
    // Sequence places shown; always the sequence's length.
    uint8_t btDestCount = 0;

    void Form_Load();
    void cmdBase_Click(int Index);
    void cmdDest_Click(int Index);
    void cmdOK_Click();
    void cmdNo_Click();
    // Each shown sequence place takes the picture of its figure.
    void DrawDest();
    // Buttons enabled only for a non-empty sequence (an empty one switches the mode off); state text.
    void CheckCount();

private:
    void Build_Frames();

    clsSeq& seq_;
    bool& bUseSequence_;
    static QPointer<frmSeq> current_;
};

} // namespace qv
