#pragma once
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

#include "records/frmEnterName.h"
#include "records/frmGameOver.h"

// Answers the modal dialogs of the end-of-game flow in turn as each one comes up; a dialog
// without an answer left is closed, so a wrong flow fails instead of hanging. Seen lists the
// class names of the dialogs in the order they came.
class Dialog_Answers {
public:
    explicit Dialog_Answers(std::vector<std::function<void(QWidget*)>> answers) : answers_(std::move(answers))
    {
        QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
        poll_.start(10);
    }
    std::vector<QString> Seen;

private:
    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == last_.data())
            return;
        last_ = modal;
        Seen.push_back(modal->metaObject()->className());
        if (next_ < answers_.size())
            answers_[next_++](modal);
        else
            modal->close();
    }
    std::vector<std::function<void(QWidget*)>> answers_;
    size_t next_ = 0;
    QPointer<QWidget> last_;
    QTimer poll_;
};

inline void Close_It(QWidget* w) { w->close(); }
inline void Say_Yes(QWidget* w) { qobject_cast<qv::frmGameOver*>(w)->cmdYes_Click(); }
// Types a name into the name dialog and confirms it; any other dialog is closed.
inline std::function<void(QWidget*)> Enter_Name(const QString& name)
{
    return [name](QWidget* w) {
        auto* d = qobject_cast<qv::frmEnterName*>(w);
        if (!d) {
            w->close();
            return;
        }
        d->txtName->setText(name);
        d->cmdOk_Click();
    };
}
