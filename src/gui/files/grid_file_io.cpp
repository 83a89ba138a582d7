#include "gui/files/grid_file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>

#include "core/formats/definitions_file.h"

namespace quirvo {

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

bool writeAll(QSaveFile& file, const std::string& bytes) {
    return file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

}  // namespace

GridFileRead readGridPath(const QString& path) {
    GridFileRead result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.error = "il file non esiste";
        return result;
    }
    if (!info.isFile()) {
        result.error = "non è un file";
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = "il file non si può leggere";
        return result;
    }
    const QByteArray bytes = file.read(MAX_GRID_FILE_BYTES + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = "errore durante la lettura del file";
        return result;
    }
    return readGridFile(std::string_view(bytes.constData(), bytes.size()));
}

CompanionRead readCompanionPath(const QString& gridPath) {
    const QString path = q(definitionsPathFor(gridPath.toStdString()));
    if (!QFileInfo::exists(path)) return {};
    const auto damaged = [&path](const QString& why) {
        return CompanionRead{{}, "Il file delle definizioni " + path + " non si può usare:\n" + why +
                                     ".\nLo schema si apre senza definizioni; quel file resta com'è "
                                     "fino al prossimo salvataggio."};
    };
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return damaged("il file non si può leggere");
    const QByteArray bytes = file.read(MAX_DEFINITIONS_FILE_BYTES + 1);
    if (file.error() != QFileDevice::NoError) return damaged("errore durante la lettura del file");
    DefinitionsFileRead read = readDefinitionsFile(std::string_view(bytes.constData(), bytes.size()));
    if (!read.ok()) return damaged(q(read.error));
    return {std::move(read.definitions), {}};
}

QString saveGridPath(const QString& path, const Grid& grid, const Definitions& definitions) {
    if (QFileInfo(path).isDir()) return "esiste già una cartella con questo nome";
    const QString companionPath = q(definitionsPathFor(path.toStdString()));
    QSaveFile gridFile(path);
    if (!gridFile.open(QIODevice::WriteOnly))
        return "non si può creare il file: la cartella non esiste o non vi si può scrivere";
    const std::string bytes = writeGridFile(grid);
    if (gridFile.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        gridFile.cancelWriting();
        return "errore di scrittura (il disco potrebbe essere pieno)";
    }
    std::unique_ptr<QSaveFile> companion;
    if (!definitions.empty()) {
        companion = std::make_unique<QSaveFile>(companionPath);
        if (QFileInfo(companionPath).isDir() || !writeAll(*companion, writeDefinitionsFile(grid, definitions))) {
            gridFile.cancelWriting();
            companion->cancelWriting();
            return "non si può scrivere il file delle definizioni " + companionPath;
        }
    }
    if (!gridFile.commit()) {
        if (companion) companion->cancelWriting();
        return "il salvataggio non si è potuto completare";
    }
    if (companion && !companion->commit())
        return "lo schema è salvato, ma il file delle definizioni " + companionPath + " no";
    if (!companion && QFileInfo(companionPath).isFile() && !QFile::remove(companionPath))
        return "lo schema è salvato, ma il vecchio file delle definizioni " + companionPath + " non si è potuto togliere";
    return {};
}

}  // namespace quirvo
