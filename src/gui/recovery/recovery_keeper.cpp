#include "gui/recovery/recovery_keeper.h"

#include <QDateTime>
#include <QTimer>

#include "core/formats/recovery_file.h"
#include "gui/app/main_window.h"
#include "gui/definitions/definitions_editor.h"
#include "gui/files/document_flow.h"
#include "gui/recovery/recovery_slot.h"

namespace quirvo {

RecoveryKeeper::RecoveryKeeper(MainWindow& window, DocumentFlow& documentFlow, DefinitionsEditor& definitions)
    : w_(window), timer_(new QTimer(this)) {
    timer_->setSingleShot(true);
    timer_->setInterval(window.options().recoveryDelayMs);
    pool_.setMaxThreadCount(1);
    connect(timer_, &QTimer::timeout, this, &RecoveryKeeper::writeNow);
    connect(&window.document(), &GridDocument::cellsChanged, this, &RecoveryKeeper::changed);
    connect(&definitions, &DefinitionsEditor::changed, this, &RecoveryKeeper::changed);
    connect(&documentFlow, &DocumentFlow::modifiedCleared, this, &RecoveryKeeper::discard);
    connect(&documentFlow, &DocumentFlow::ending, this, &RecoveryKeeper::end);
}

RecoveryKeeper::~RecoveryKeeper() { pool_.waitForDone(); }

void RecoveryKeeper::adopt(std::unique_ptr<RecoverySlot> slot) {
    discard();
    slot_ = std::move(slot);
}

void RecoveryKeeper::changed() {
    if (w_.session().gridModified == 1 && !timer_->isActive()) timer_->start();
}

void RecoveryKeeper::writeNow() {
    timer_->stop();
    const Session& s = w_.session();
    if (s.gridModified != 1 || !s.grid.exists()) return;
    if (!slot_) slot_ = RecoverySlot::claimNew();
    if (!slot_) return;
    const std::string bytes =
        writeRecoveryFile(s.filePath, QDateTime::currentSecsSinceEpoch(), s.grid, s.definitions);
    pool_.start([slot = slot_, bytes = QByteArray::fromStdString(bytes)] { slot->write(bytes); });
}

// The lock goes with the last owner of the slot, after the copy.
void RecoveryKeeper::discard() {
    timer_->stop();
    if (!slot_) return;
    pool_.start([slot = std::move(slot_)] { slot->removeCopy(); });
}

void RecoveryKeeper::end() {
    discard();
    pool_.waitForDone();
}

}  // namespace quirvo
