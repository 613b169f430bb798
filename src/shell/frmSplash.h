#pragma once
#include <QWidget>

class QFrame;
class QLabel;

namespace qv {

// The splash window that start-up shows for up to a second before the main
// window: title, version, platform and a small logo, centred on the screen.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    static constexpr int VersionMajor = 23;
    static constexpr int VersionMinor = 8;
    static constexpr int VersionRevision = 31;

    QFrame* fraSplash = nullptr;
    QWidget* imgLogo = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblPlatform = nullptr;
    QLabel* lblCompany = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* lblWarning = nullptr;

    // Fills lblProductName with the title and lblVersion with "Version major.minor.revision".
    void Form_Load();
};

} // namespace qv
