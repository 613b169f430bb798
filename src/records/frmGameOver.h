#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

namespace qv {

// The game-over dialog: asks whether to start a new game. The main window's
// end-of-game flow creates one for every game end and reads blnContinue.
class frmGameOver : public QDialog {
    Q_OBJECT
public:
    explicit frmGameOver(QWidget* owner = nullptr);

    QLabel* lblGameOver = nullptr;
    QLabel* lblNewGame = nullptr;
    QPushButton* cmdYes = nullptr;
    QPushButton* cmdNo = nullptr;

    // True only after "Да"; "Нет", Escape and the close box leave it false.
    bool blnContinue = false;

    // Runs a fresh dialog modally over `owner`; true when the player wants a new game.
    static bool Ask(QWidget* owner);

    // Record the answer and close the dialog.
    void cmdYes_Click();
    void cmdNo_Click();

private:
    void Form_Load();
};

} // namespace qv
