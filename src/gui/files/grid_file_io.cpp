#include "gui/files/grid_file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace quirvo {

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

QString saveGridPath(const QString& path, const Grid& grid) {
    if (QFileInfo(path).isDir()) return "esiste già una cartella con questo nome";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return "non si può creare il file: la cartella non esiste o non vi si può scrivere";
    const std::string bytes = writeGridFile(grid);
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        file.cancelWriting();
        return "errore di scrittura (il disco potrebbe essere pieno)";
    }
    if (!file.commit()) return "il salvataggio non si è potuto completare";
    return {};
}

}  // namespace quirvo
