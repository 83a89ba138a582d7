#include "gui/recovery/recovery_slot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>

namespace quirvo {

namespace {

constexpr const char* LOCK_SUFFIX = ".lock";

}  // namespace

RecoverySlot::RecoverySlot(QString base, std::unique_ptr<QLockFile> lock)
    : base_(std::move(base)), lock_(std::move(lock)) {}

RecoverySlot::~RecoverySlot() = default;

QString RecoverySlot::folder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/recupero";
}

// A lock is stale only when the process it names has gone, however old it
// is: a program may keep its copy for days.
std::unique_ptr<RecoverySlot> RecoverySlot::tryClaim(const QString& base) {
    auto lock = std::make_unique<QLockFile>(base + LOCK_SUFFIX);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return std::unique_ptr<RecoverySlot>(new RecoverySlot(base, std::move(lock)));
}

std::unique_ptr<RecoverySlot> RecoverySlot::claimNew() {
    if (!QDir().mkpath(folder())) return nullptr;
    return tryClaim(folder() + "/" + QUuid::createUuid().toString(QUuid::WithoutBraces));
}

std::vector<std::unique_ptr<RecoverySlot>> RecoverySlot::claimLeft() {
    std::vector<std::unique_ptr<RecoverySlot>> left;
    const QDir dir(folder());
    const QFileInfoList copies = dir.entryInfoList({QString("*") + COPY_SUFFIX}, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo& copy : copies)
        if (auto slot = tryClaim(copy.absolutePath() + "/" + copy.completeBaseName())) left.push_back(std::move(slot));
    for (const QFileInfo& lock : dir.entryInfoList({QString("*") + LOCK_SUFFIX}, QDir::Files)) {
        const QString base = lock.absolutePath() + "/" + lock.completeBaseName();
        if (!QFileInfo::exists(base + COPY_SUFFIX)) tryClaim(base);  // taken and let go at once
    }
    return left;
}

bool RecoverySlot::write(const QByteArray& bytes) const {
    QSaveFile file(copyPath());
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

RecoveryFileRead RecoverySlot::read() const {
    QFile file(copyPath());
    if (!file.open(QIODevice::ReadOnly)) return {{}, "la copia di recupero non si può leggere"};
    const QByteArray bytes = file.read(static_cast<qint64>(MAX_RECOVERY_FILE_BYTES) + 1);
    return readRecoveryFile(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

void RecoverySlot::removeCopy() const { QFile::remove(copyPath()); }

}  // namespace quirvo
