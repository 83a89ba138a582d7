#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

#include "core/clues/sqlite_archive.h"
#include "core/clues/suggestions.h"
#include "core/dictionary/lexicon.h"
#include "core/tools/mythes_thesaurus.h"
#include "gui/fill/engine_job.h"

namespace quirvo {

class ArchiveWindow;
class DocumentFlow;
class MainWindow;

// What the definition suggestions stand on in the window. The archive of
// definitions lives in the setter's data folder and is opened with the
// window; every definition saved with a grid enters it. The thesaurus, the
// written forms of words and the letter-play index of the loaded lexicon
// are made on a worker the first time suggestions are asked for (again
// for a new lexicon), so the window never waits for them. "Archivio delle
// Definizioni..." in the Strumenti menu opens the archive's window.
class ClueService : public QObject {
    Q_OBJECT

public:
    // dataFolder: where the archive is kept (made when missing); every save
    // of the document flow enters the grid's definitions.
    ClueService(MainWindow& window, DocumentFlow& documentFlow, const QString& dataFolder);
    ~ClueService() override;

    // True when the sources of the current lexicon are made; otherwise
    // starts making them and says prepared() when they are.
    bool prepare();
    // The sources as they stand: only the archive until prepared.
    ClueSources sources() const;
    // The same, for a worker: with them whatever keeps them alive until the
    // worker lets them go, whatever the window does meanwhile.
    struct Held {
        ClueSources sources;
        std::shared_ptr<const void> kit, archive;
    };
    Held held() const;

    // Null, with problem() saying why, when the archive could not be opened.
    SqliteArchive* archive() const { return archive_.get(); }
    const QString& problem() const { return problem_; }
    QString archivePath() const { return archivePath_; }
    // Shows the archive's window, made on first use.
    void showArchiveWindow();

signals:
    void prepared();

private:
    struct Kit;
    void record(const QString& gridPath);

    MainWindow& w_;
    QString archivePath_;
    QString problem_;
    std::shared_ptr<SqliteArchive> archive_;
    QPointer<ArchiveWindow> archiveWindow_;
    std::shared_ptr<const Kit> kit_;
    LexiconPtr preparing_;
    EngineJob<std::shared_ptr<const Kit>> job_;
};

}  // namespace quirvo
