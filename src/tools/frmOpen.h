#pragma once
#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QListWidget;
class QListWidgetItem;

namespace qv {

// The file-open dialog "Открыть": drives (the system's roots and mounted volumes),
// the folders of one path and the files of one folder that match a pattern. One
// instance, held by the main window, serves the player and the settings window; it
// hides after each choice and keeps its folder and last choice between showings.
class frmOpen : public QDialog {
    Q_OBJECT
public:
    explicit frmOpen(QWidget* parent = nullptr);

    // Masks separated by semicolons ("*.wma;*.mp3;*.mp2"); empty means "*.wav". Emptied by a choice.
    QString AddictPattern;
    // The last chosen file's name, and its full path (the folder, a separator, the name).
    QString NameFile;
    QString PathToFile;

    // Opens at folder sPath next time; a path that is not a readable folder opens the program folder.
    void SetPath(const QString& sPath);
    // Shows the dialog modally over `owner`; true when a file was chosen in this showing.
    bool Choose(QWidget* owner);
    // Folder whose files the file list shows.
    QString Folder() const { return folder_; }

    QComboBox* drvOpen = nullptr;
    QListWidget* dirOpen = nullptr;
    QListWidget* filOpen = nullptr;

    void Form_Load();
    void drvOpen_Change(int index);
    void dirOpen_Change(QListWidgetItem* item);
    void filOpen_Click(QListWidgetItem* item);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Find_Volumes();
    void Add_Drives(const QStringList& roots);
    int Drive_Of(const QString& path) const;
    void Select_Drive(const QString& path);
    void Show_Folder(const QString& path);
    void List_Files();
    QString Pattern() const { return AddictPattern.isEmpty() ? QStringLiteral("*.wav") : AddictPattern; }

    QString folder_;
    QString listedPattern_;
    bool selecting_ = false;
};

} // namespace qv
