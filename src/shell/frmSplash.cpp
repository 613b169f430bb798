#include "shell/frmSplash.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "game/Numbers.h"
#include "shell/QtUnits.h"

namespace qv {

namespace {

// Four figure boxes of the game drawn as cells: cyan outlines on black, the
// way falling figures look on the board, over a row of landed yellow cells.
class LogoPicture : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        static const char* const rows[4] = {"0110", "0100", "0100", "1111"};
        QPainter p(this);
        p.fillRect(rect(), QColor(128, 128, 128));
        int cell = std::min(width(), height()) / 4;
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 4; ++col) {
                if (rows[row][col] != '1') continue;
                QColor edge = row == 3 ? QColor(255, 255, 0) : QColor(0, 255, 255);
                QRect box(col * cell + 2, row * cell + 2, cell - 4, cell - 4);
                p.fillRect(box, Qt::black);
                p.setPen(edge);
                p.drawRect(box.adjusted(0, 0, -1, -1));
            }
    }
};

QLabel* New_Label(const QString& font, double points, bool bold, QWidget* parent)
{
    auto* label = new QLabel(parent);
    QFont f(font);
    f.setPointSizeF(points);
    f.setBold(bold);
    label->setFont(f);
    return label;
}

} // namespace

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setFixedSize(Px(7800), Px(3600));
    fraSplash = new QFrame(this);
    fraSplash->setFrameStyle(QFrame::Panel | QFrame::Raised);
    fraSplash->setLineWidth(2);
    fraSplash->setGeometry(rect());

    imgLogo = new LogoPicture(fraSplash);
    imgLogo->setGeometry(Twips_Rect(360, 480, 1800, 1800));

    lblProductName = New_Label("Times New Roman", 22, true, fraSplash);
    lblProductName->setGeometry(Twips_Rect(2400, 480, 5200, 600));
    lblVersion = New_Label("Tahoma", 9.75, true, fraSplash);
    lblVersion->setGeometry(Twips_Rect(2400, 1200, 5200, 300));
    lblPlatform = New_Label("Tahoma", 9.75, true, fraSplash);
    lblPlatform->setGeometry(Twips_Rect(2400, 1560, 5200, 300));
    lblPlatform->setText("Platform Win9x, WinNT + DirectX 8.0");
    lblWarning = New_Label("Tahoma", 8.25, false, fraSplash);
    lblWarning->setGeometry(Twips_Rect(2400, 2100, 5200, 300));
    lblWarning->setText("Fill the lines, catch the Quarvex figures.");
    lblCompany = New_Label("Tahoma", 8.25, false, fraSplash);
    lblCompany->setGeometry(Twips_Rect(360, 2880, 3000, 300));
    lblCompany->setText("Quarvex team");
    lblCopyright = New_Label("Tahoma", 8.25, false, fraSplash);
    lblCopyright->setGeometry(Twips_Rect(4800, 2880, 2640, 300));
    lblCopyright->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblCopyright->setText("Freeware");

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    Form_Load();
}

void frmSplash::Form_Load()
{
    lblVersion->setText(QString("Version %1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision));
    lblProductName->setText("Quarvex Zeb Ostrela");
}

} // namespace qv
