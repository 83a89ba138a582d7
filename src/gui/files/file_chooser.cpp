#include "gui/files/file_chooser.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>

#include "core/formats/definitions_file.h"
#include "core/session.h"
#include "gui/app/dialog_window.h"
#include "gui/app/main_window.h"

namespace quirvo {

namespace {

const QColor PALE_YELLOW(255, 255, 150);

QString joined(const QString& folder, const QString& name) {
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// The first of the remembered folder, the program's folder, home and the
// root that still exists.
QString startFolder(Session& session) {
    if (session.chooserFolder.empty()) session.chooserFolder = session.programFolder;
    for (const QString& candidate : {QString::fromStdString(session.chooserFolder),
                                     QString::fromStdString(session.programFolder), QDir::homePath()})
        if (!candidate.isEmpty() && QDir(candidate).exists()) return QDir(candidate).absolutePath();
    return QDir::rootPath();
}

QLabel* caption(const char* name, const char* text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

FileChooser::FileChooser(Session& session, ChooserMode mode, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setObjectName("Form0b");
    makeDialogWindow(this);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    fillDrives();
    setFolder(startFolder(session_));
    chosenPath_ = QString::fromStdString(session_.filePath);
    if (!chosenPath_.isEmpty()) text1_->setText(chosenPath_.mid(chosenPath_.lastIndexOf('/') + 1));
    applyMode(mode);
}

void FileChooser::buildControls() {
    drive1_ = new QComboBox(this);
    drive1_->setObjectName("Drive1");
    dir1_ = new QListWidget(this);
    dir1_->setObjectName("Dir1");
    file1_ = new QListWidget(this);
    file1_->setObjectName("File1");
    text1_ = new QLineEdit(this);
    text1_->setObjectName("Text1");
    text1_->installEventFilter(this);
    command1_ = new QPushButton("OK", this);
    command1_->setObjectName("Command1");
    auto* command2 = new QPushButton("Annullo", this);
    command2->setObjectName("Command2");
    for (QPushButton* b : {command1_, command2}) b->setAutoDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(caption("Label1", "Drive :", this), 0, 0);
    layout->addWidget(drive1_, 1, 0);
    layout->addWidget(caption("Label2", "Dir/Subdir :", this), 2, 0);
    layout->addWidget(dir1_, 3, 0);
    layout->addWidget(caption("Label3", "Files :", this), 0, 1);
    layout->addWidget(file1_, 1, 1, 3, 1);
    layout->addWidget(caption("Label4", "File Scelto :", this), 4, 0);
    layout->addWidget(text1_, 4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1_);
    buttons->addWidget(command2);
    layout->addLayout(buttons, 5, 0, 1, 2);
    resize(560, 380);

    connect(drive1_, &QComboBox::currentIndexChanged, this, &FileChooser::Drive1_Change);
    connect(dir1_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setFolder(item->data(Qt::UserRole).toString()); });
    connect(file1_, &QListWidget::itemClicked, this, &FileChooser::File1_Click);
    connect(file1_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        File1_Click(item);
        Command1_Click();
    });
    connect(file1_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> picked = file1_->selectedItems();
        if (!picked.isEmpty()) File1_Click(picked.first());
    });
    connect(text1_, &QLineEdit::returnPressed, this, &FileChooser::typedName);
    connect(command1_, &QPushButton::clicked, this, &FileChooser::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &QWidget::close);
}

ChooserMode FileChooser::modeFor(const Session& session) {
    if (session.saveAsPending == 1) return ChooserMode::SaveAs;
    return session.gridModified == 1 ? ChooserMode::SaveModified : ChooserMode::Open;
}

void FileChooser::applyMode(ChooserMode mode) {
    mode_ = mode;
    switch (mode) {
    case ChooserMode::Open: setWindowTitle("   APRI UN FILE"); break;
    case ChooserMode::SaveModified: setWindowTitle("   FILE MODIFICATO, SALVARE?"); break;
    case ChooserMode::SaveAs: setWindowTitle("   SALVA IL FILE"); break;
    }
    command1_->setText(mode == ChooserMode::SaveModified ? "Salva" : "OK");
    // Confirming with nothing chosen would write a file named just ".qrv".
    command1_->setEnabled(mode == ChooserMode::SaveModified && !chosenPath_.isEmpty());
    text1_->setEnabled(mayType());
    QPalette colours;
    if (mode != ChooserMode::Open) colours.setColor(QPalette::Window, PALE_YELLOW);
    setPalette(colours);
    setAutoFillBackground(mode != ChooserMode::Open);
}

// A name may be typed when saving under a new name, and also when a grid
// that never had a file is to be saved before going on.
bool FileChooser::mayType() const {
    return mode_ == ChooserMode::SaveAs || (mode_ == ChooserMode::SaveModified && session_.filePath.empty());
}

void FileChooser::fillDrives() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir()) roots << volume.rootPath();
    roots.removeDuplicates();
    roots.sort();
    drive1_->addItems(roots);
}

// A folder that has gone or is not a folder is refused with a beep; the
// lists stay in the folder shown, listed afresh.
void FileChooser::setFolder(const QString& folder) {
    if (!QFileInfo(folder).isDir()) {
        MainWindow::beep();
        if (QFileInfo(folder_).isDir())
            setFolder(folder_);
        else
            showDriveOf(folder_);
        return;
    }
    folder_ = QDir::cleanPath(QDir(folder).absolutePath());
    showDriveOf(folder_);

    QStringList chain;
    for (QString path = folder_;;) {
        chain.prepend(path);
        const QString parent = QFileInfo(path).path();
        if (parent == path) break;
        path = parent;
    }
    dir1_->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirIcon);
    auto addFolder = [this](const QIcon& icon, const QString& path, const QString& name, int depth) {
        auto* item = new QListWidgetItem(icon, QString(depth * 2, ' ') + name, dir1_);
        item->setData(Qt::UserRole, path);
        return item;
    };
    for (int i = 0; i < chain.size(); ++i) {
        const QString name = i == 0 ? chain[i] : QFileInfo(chain[i]).fileName();
        QListWidgetItem* item = addFolder(open, chain[i], name, i);
        if (i == chain.size() - 1) dir1_->setCurrentItem(item);
    }
    const QDir here(folder_);
    for (const QFileInfo& sub : here.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        addFolder(closed, sub.absoluteFilePath(), sub.fileName(), int(chain.size()));

    const QSignalBlocker quiet(file1_);
    file1_->clear();
    // A grid's definitions companion matches the pattern too, but it opens
    // with its grid and is no grid itself.
    for (const QString& name : here.entryList({"*.qrv*"}, QDir::Files, QDir::Name | QDir::IgnoreCase))
        if (!isDefinitionsPath(name.toStdString())) file1_->addItem(name);
}

void FileChooser::showDriveOf(const QString& folder) {
    const QString root = QStorageInfo(folder).rootPath();
    if (root.isEmpty()) return;
    syncingDrive_ = true;
    if (drive1_->findText(root) < 0) drive1_->addItem(root);
    drive1_->setCurrentIndex(drive1_->findText(root));
    syncingDrive_ = false;
}

void FileChooser::Drive1_Change() {
    if (!syncingDrive_) setFolder(drive1_->currentText());
}

void FileChooser::File1_Click(QListWidgetItem* item) {
    chosenName_ = item->text();
    chosenPath_ = joined(folder_, chosenName_);
    text1_->setText(item->text());
    command1_->setEnabled(true);
    command1_->setFocus();
    session_.chooserFolder = folder_.toStdString();
}

// A name with a folder part, full or from the folder shown, moves the
// lists to that folder first; a folder that does not exist refuses it.
void FileChooser::typedName() {
    if (!mayType()) return;
    QString name = text1_->text();
    if (name.trimmed().isEmpty()) return;
    if (name.contains('/')) {
        const QFileInfo typed(QDir(folder_).filePath(name));
        if (!QFileInfo(typed.path()).isDir()) {
            MainWindow::beep();
            return;
        }
        setFolder(typed.path());
        name = typed.fileName();
        text1_->setText(name);
        if (name.trimmed().isEmpty()) return;
    }
    chosenName_ = name;
    chosenPath_ = joined(folder_, name);
    command1_->setEnabled(true);
    command1_->setFocus();
}

// A file to write goes into the folder shown at the moment of the OK, even
// when the name was given before moving to it.
void FileChooser::Command1_Click() {
    if (mode_ != ChooserMode::Open && !chosenName_.isEmpty()) chosenPath_ = joined(folder_, chosenName_);
    if (!chosenPath_.isEmpty()) emit confirmed(chosenPath_);
}

void FileChooser::finish() {
    finished_ = true;
    close();
}

void FileChooser::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!finished_) emit cancelled();
}

bool FileChooser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text1_ && event->type() == QEvent::MouseButtonDblClick) typedName();
    return QWidget::eventFilter(watched, event);
}

}  // namespace quirvo
