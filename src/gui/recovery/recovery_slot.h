#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QString>
#include <memory>
#include <vector>

#include "core/formats/recovery_file.h"

namespace quirvo {

// The place of one recovery copy in the user's data folder: the copy's file
// and a lock beside it that tells every other running program the copy is
// taken. The lock lasts as long as this object; a program that ends without
// letting it go (a crash, a kill) leaves a lock that names a process no
// longer running, which the next start takes over.
class RecoverySlot {
public:
    ~RecoverySlot();

    // A new place under a name no other copy has; null when the folder
    // cannot be made or the lock not taken.
    static std::unique_ptr<RecoverySlot> claimNew();
    // The copies left by programs that are no longer running, oldest first,
    // each with its lock now held here. Locks left without a copy go.
    static std::vector<std::unique_ptr<RecoverySlot>> claimLeft();
    static QString folder();

    QString copyPath() const { return base_ + COPY_SUFFIX; }
    // Replaces the copy with the bytes in one step; false when it failed and
    // the old copy, if any, is left as it was.
    bool write(const QByteArray& bytes) const;
    RecoveryFileRead read() const;
    void removeCopy() const;

private:
    static constexpr const char* COPY_SUFFIX = ".recupero";
    static std::unique_ptr<RecoverySlot> tryClaim(const QString& base);
    RecoverySlot(QString base, std::unique_ptr<QLockFile> lock);

    QString base_;  // folder and name, without suffix
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace quirvo
