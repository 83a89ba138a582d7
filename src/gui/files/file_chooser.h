#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace quirvo {

struct Session;

// What a confirmation of the chooser does.
enum class ChooserMode { Open, SaveModified, SaveAs };

// Form0b: picks a grid file to open, or picks or names a file to save to,
// among the mounted file systems, their folders and the "*.qrv*" files.
// The confirmed path is handed on by confirmed(); the one who acts on it
// closes the chooser with finish(). "Annullo" and the close box emit
// cancelled().
class FileChooser : public QWidget {
    Q_OBJECT

public:
    FileChooser(Session& session, ChooserMode mode, QWidget* parent);

    // The mode the session's flags call for.
    static ChooserMode modeFor(const Session& session);
    ChooserMode mode() const { return mode_; }
    // Caption, buttons and colours of a mode.
    void applyMode(ChooserMode mode);

    QString folder() const { return folder_; }
    void setFolder(const QString& folder);  // Dir1 and File1 show it
    QString chosenPath() const { return chosenPath_; }
    void finish();

signals:
    void confirmed(const QString& chosenPath);
    void cancelled();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void fillDrives();
    void showDriveOf(const QString& folder);
    void Drive1_Change();
    void File1_Click(QListWidgetItem* item);
    void typedName();
    void Command1_Click();
    bool mayType() const;

    Session& session_;
    ChooserMode mode_ = ChooserMode::Open;
    QString folder_;
    QString chosenPath_;
    QString chosenName_;  // picked or typed here: saved into the folder shown at OK
    bool finished_ = false;
    bool syncingDrive_ = false;
    QComboBox* drive1_ = nullptr;
    QListWidget* dir1_ = nullptr;
    QListWidget* file1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QPushButton* command1_ = nullptr;
};

}  // namespace quirvo
