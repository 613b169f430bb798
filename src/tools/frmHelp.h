#pragma once
#include <QDialog>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

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

    // Loads the page with strText and shows it modally until the reader moves on, placed where it
    // leaves `lit` (the widget the page explains, if any) uncovered. `unlight` gives the lit widget
    // its look back once: when the page ends, or at once when the tour is closed from outside.
    void Show_Page(const QWidget* lit = nullptr, std::function<void()> unlight = {});
    // Outer height in twips that the unrolling has reached.
    int Height_Twips() const { return iHeight; }

    void Form_Load();
    void tmrResize_Timer();
    void cmdNext_Click();
    void cmdClose_Click();

protected:
    // The close box ends the tour like "Закрыть".
    void reject() override;
    // Escape is the game's pause key: it leaves the page as it is.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Apply_Height();
    // Outer size once unrolled: the client area and the frame (the caption until the window system tells).
    QSize Unrolled_Size() const;
    void Place_Beside(const QWidget* lit);
    void Unlight();

    std::function<void()> unlight_;
    int iHeight = 0;
    static QPointer<frmHelp> current_;
};

} // namespace qv
