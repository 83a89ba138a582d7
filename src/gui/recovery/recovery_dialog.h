#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "core/formats/recovery_file.h"

class QPushButton;
class QTreeWidget;

namespace quirvo {

class DocumentFlow;
class MainWindow;
class RecoveryKeeper;
class RecoverySlot;

// "Recupero": the recovery copies left by runs that did not end cleanly,
// by file name and time. "Ripristina" opens the chosen one as the current
// document, modified, and closes; "Scarta" deletes the chosen one. Copies
// neither restored nor discarded stay for the next start. The copies are
// held (locked) by this window while it is open.
class RecoveryDialog : public QWidget {
    Q_OBJECT
public:
    struct Left {
        std::unique_ptr<RecoverySlot> slot;
        RecoveryCopy copy;
    };
    // Once the dictionaries are in: the copies no other running program
    // holds, offered in a dialog; nothing at all when there are none.
    static RecoveryDialog* offer(MainWindow& window, DocumentFlow& flow, RecoveryKeeper& keeper);

    RecoveryDialog(MainWindow& window, DocumentFlow& flow, RecoveryKeeper& keeper, std::vector<Left> left);
    ~RecoveryDialog() override;

    QTreeWidget* list() const { return list_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void restore();
    void discard();
    void selectionChanged();

    MainWindow& w_;
    DocumentFlow& flow_;
    RecoveryKeeper& keeper_;
    std::vector<Left> left_;
    QTreeWidget* list_;
    QPushButton* restore_;
    QPushButton* discard_;
};

}  // namespace quirvo
