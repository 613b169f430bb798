#pragma once
#include <QDialog>
#include <QPointer>
#include <QString>
#include <QTimer>

class QPlainTextEdit;
class QPushButton;

namespace qv {

class frmMain;

// The help window "Справка": one page of the guided tour, unrolled downwards when
// it opens. The tour shows the same instance modally once per page and reads
// blnClose afterwards to know whether the reader ended it.
class frmHelp : public QDialog {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* owner);
    ~frmHelp() override;

    // The tour that ticking "Help" starts: the records page, then the main window's
    // explained widgets in turn, each lit white; unticks "Help" at the end.
    static void Run_Tour(frmMain& m);
    // Ends a running tour at once (the end of a lost game); nothing when none runs.
    static void Close_Tour();
    // The help window of the running tour, or null.
    static frmHelp* Current();

    QString strText;
    bool blnClose = false;

    QPlainTextEdit* txtText = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdNext = nullptr;
    QTimer tmrResize;

    // Loads the page with strText and shows it modally until the reader moves on.
    void Show_Page();
    // Outer height in twips that the unrolling has reached.
    int Height_Twips() const { return iHeight; }

    void Form_Load();
    void tmrResize_Timer();
    void cmdNext_Click();
    void cmdClose_Click();

protected:
    // The close box and Escape end the tour like "Закрыть".
    void reject() override;

private:
    void Apply_Height();

    int iHeight = 0;
    static QPointer<frmHelp> current_;
};

} // namespace qv
