#include "tools/frmOpen.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QStorageInfo>
#include <QThread>
#include <memory>

#include "shell/QtMainMod.h"
#include "shell/QtUnits.h"

namespace qv {

namespace {

constexpr int PATH_ROLE = Qt::UserRole;

bool Readable_Folder(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.isDir() && QDir(path).isReadable();
}

} // namespace

frmOpen::frmOpen(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Открыть"));
    setFixedSize(Px(5655), Px(4050));
    drvOpen = new QComboBox(this);
    drvOpen->setGeometry(Twips_Rect(120, 120, 2655, 315));
    dirOpen = new QListWidget(this);
    dirOpen->setGeometry(Twips_Rect(120, 600, 2655, 3240));
    filOpen = new QListWidget(this);
    filOpen->setGeometry(Twips_Rect(2880, 120, 2655, 3795));
    for (const QFileInfo& root : QDir::drives())
        drvOpen->addItem(QDir::toNativeSeparators(root.absoluteFilePath()), root.absoluteFilePath());
    connect(drvOpen, &QComboBox::currentIndexChanged, this, &frmOpen::drvOpen_Change);
    connect(dirOpen, &QListWidget::itemActivated, this, &frmOpen::dirOpen_Change);
    connect(filOpen, &QListWidget::itemClicked, this, &frmOpen::filOpen_Click);
    connect(filOpen, &QListWidget::itemActivated, this, &frmOpen::filOpen_Click);
    Find_Volumes();
    Show_Folder(Program_Folder());
}

void frmOpen::Find_Volumes()
{
    // Asking a mount for its size can hang on a vanished network share, so the volumes
    // are gathered away from the window; the drive list grows when they arrive.
    auto roots = std::make_shared<QStringList>();
    QThread* worker = QThread::create([roots] {
        for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
            if (volume.isValid() && QFileInfo(volume.rootPath()).isDir())
                roots->append(volume.rootPath());
    });
    connect(worker, &QThread::finished, this, [this, roots] { Add_Drives(*roots); });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start(QThread::LowPriority);
}

void frmOpen::Add_Drives(const QStringList& roots)
{
    selecting_ = true;
    for (const QString& root : roots)
        if (drvOpen->findData(root) < 0)
            drvOpen->addItem(QDir::toNativeSeparators(root), root);
    drvOpen->setCurrentIndex(Drive_Of(folder_));
    selecting_ = false;
}

int frmOpen::Drive_Of(const QString& path) const
{
    const QString clean = QDir::cleanPath(path);
    int best = 0, bestLength = -1;
    for (int i = 0; i < drvOpen->count(); ++i) {
        const QString root = QDir::cleanPath(drvOpen->itemData(i, PATH_ROLE).toString());
        const bool inside = clean == root || clean.startsWith(root.endsWith('/') ? root : root + '/');
        if (inside && root.size() > bestLength) {
            best = i;
            bestLength = int(root.size());
        }
    }
    return best;
}

void frmOpen::Select_Drive(const QString& path)
{
    selecting_ = true;
    drvOpen->setCurrentIndex(Drive_Of(path));
    selecting_ = false;
}

void frmOpen::SetPath(const QString& sPath)
{
    const QString folder = Readable_Folder(sPath) ? QFileInfo(sPath).absoluteFilePath() : Program_Folder();
    Show_Folder(folder);
    Select_Drive(folder);
}

bool frmOpen::Choose(QWidget* owner)
{
    if (owner && parentWidget() != owner)
        setParent(owner, windowFlags());
    // Centred over the owner's client area, given as a client place every time: a place left to the
    // dialog's own rule lands a title bar lower from the second showing on.
    if (owner) {
        const QRect over = owner->window()->geometry();
        setGeometry(QRect(over.center() - QPoint(width() / 2, height() / 2), size()));
    }
    QPointer<frmOpen> self(this);
    const int result = exec();
    return self && result == QDialog::Accepted;
}

void frmOpen::Form_Load()
{
    if (Pattern() != listedPattern_)
        List_Files();
}

void frmOpen::drvOpen_Change(int index)
{
    if (selecting_ || index < 0)
        return;
    const QString root = drvOpen->itemData(index, PATH_ROLE).toString();
    if (!Readable_Folder(root)) {
        QMessageBox::warning(this, windowTitle(), tr("Устройство не готово"));
        Select_Drive(folder_);
        return;
    }
    Show_Folder(root);
}

void frmOpen::dirOpen_Change(QListWidgetItem* item)
{
    const QString target = item ? item->data(PATH_ROLE).toString() : QString();
    if (target == folder_)
        return;
    // A folder that went away or cannot be read leaves the lists where they are.
    if (!Readable_Folder(target)) {
        QApplication::beep();
        return;
    }
    Show_Folder(target);
    Select_Drive(target);
}

void frmOpen::filOpen_Click(QListWidgetItem* item)
{
    if (!item)
        return;
    NameFile = item->text();
    PathToFile = QDir::toNativeSeparators(folder_ + '/' + NameFile);
    AddictPattern.clear();
    accept();
}

void frmOpen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Load();
}

void frmOpen::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    Form_Load();
}

void frmOpen::Show_Folder(const QString& path)
{
    folder_ = path;
    dirOpen->clear();
    auto* here = new QListWidgetItem(QDir::toNativeSeparators(path), dirOpen);
    here->setData(PATH_ROLE, path);
    QFont bold = here->font();
    bold.setBold(true);
    here->setFont(bold);
    QDir dir(path);
    if (!dir.isRoot()) {
        auto* up = new QListWidgetItem("..", dirOpen);
        up->setData(PATH_ROLE, QFileInfo(path).dir().absolutePath());
    }
    const auto order = QDir::Name | QDir::IgnoreCase | QDir::LocaleAware;
    for (const QFileInfo& sub : dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, order)) {
        auto* item = new QListWidgetItem(sub.fileName(), dirOpen);
        item->setData(PATH_ROLE, sub.absoluteFilePath());
    }
    List_Files();
}

void frmOpen::List_Files()
{
    listedPattern_ = Pattern();
    filOpen->clear();
    QStringList masks;
    for (const QString& mask : listedPattern_.split(';', Qt::SkipEmptyParts))
        if (!mask.trimmed().isEmpty())
            masks << mask.trimmed();
    const auto order = QDir::Name | QDir::IgnoreCase | QDir::LocaleAware;
    filOpen->addItems(QDir(folder_).entryList(masks, QDir::Files, order));
}

} // namespace qv
