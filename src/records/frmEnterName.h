#pragma once
#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qv {

// The name dialog shown modally when a result enters the records table. The
// records code asks it through Ask and reads whether the record was cancelled.
class frmEnterName : public QDialog {
    Q_OBJECT
public:
    explicit frmEnterName(QWidget* owner = nullptr);

    QLabel* lblEnterName = nullptr;
    // Holds at most 10 characters; "UnNamed" at load, all of it selected.
    QLineEdit* txtName = nullptr;
    QPushButton* cmdOk = nullptr;

    // Text of txtName at confirmation; empty until then.
    QString PlayerName;
    // False only after the name was confirmed with Ok or Enter; closing otherwise cancels.
    bool bCancelRecord = true;

    // Runs the dialog modally over `owner`; false when cancelled, else true with `name` set
    // to the confirmed text as UTF-8 (possibly empty).
    static bool Ask(QWidget* owner, std::string& name);

    // Confirms the name and closes the dialog.
    void cmdOk_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
};

} // namespace qv
