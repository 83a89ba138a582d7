#include "gui/definitions/clue_service.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <fstream>

#include "core/clues/archive_import.h"
#include "core/tools/hunspell_mythes_services.h"
#include "gui/app/main_window.h"
#include "gui/definitions/archive_window.h"
#include "gui/files/document_flow.h"

namespace quirvo {

struct ClueService::Kit {
    LexiconPtr lexicon;
    WrittenForms written;
    std::unique_ptr<MythesThesaurus> thesaurus;
    LetterPlayIndex index;
};

namespace {

std::string fileText(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

ClueService::ClueService(MainWindow& window, DocumentFlow& documentFlow, const QString& dataFolder)
    : QObject(&window), w_(window), job_([this](std::shared_ptr<const Kit> kit) {
          preparing_.reset();
          if (!kit) return;
          kit_ = std::move(kit);
          emit prepared();
      }) {
    QDir().mkpath(dataFolder);
    archivePath_ = QDir(dataFolder).filePath(ARCHIVE_FILE_NAME);
    std::string why;
    archive_ = SqliteArchive::open(archivePath_.toStdString(), &why);
    if (!archive_) problem_ = QString::fromStdString(why);
    connect(&documentFlow, &DocumentFlow::saved, this, &ClueService::record);
    if (auto* tools = window.findChild<QMenu*>("Strumenti")) {
        QAction* item = tools->addAction("Archivio delle Definizioni...");
        item->setObjectName("VediArchivio");
        connect(item, &QAction::triggered, this, &ClueService::showArchiveWindow);
    }
}

ClueService::~ClueService() = default;

bool ClueService::prepare() {
    const LexiconPtr lexicon = w_.session().lexicon;
    if (kit_ && kit_->lexicon == lexicon) return true;
    if (lexicon->dictionaries().loadedCount() == 0 || preparing_ == lexicon) return false;
    preparing_ = lexicon;
    job_.start([lexicon](const std::atomic<bool>& stop) -> std::shared_ptr<const Kit> {
        auto kit = std::make_shared<Kit>();
        kit->lexicon = lexicon;
        kit->written = WrittenForms(fileText(ITALIAN_WORD_LIST));
        const LanguageDataPaths paths;
        kit->thesaurus = MythesThesaurus::open(paths.indexFile(), paths.dataFile(), nullptr);
        if (const WordFacts* facts = lexicon->facts()) kit->index = LetterPlayIndex(*facts, kit->written, &stop);
        if (stop.load()) return nullptr;
        return kit;
    });
    return false;
}

ClueSources ClueService::sources() const {
    ClueSources out;
    out.archive = archive_.get();
    if (!kit_ || kit_->lexicon != w_.session().lexicon) return out;
    out.facts = kit_->lexicon->facts();
    out.letterPlay = &kit_->index;
    out.written = &kit_->written;
    out.thesaurus = kit_->thesaurus.get();
    return out;
}

void ClueService::showArchiveWindow() {
    if (!archiveWindow_) {
        archiveWindow_ = new ArchiveWindow(archive_, problem_, &w_);
        archiveWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    archiveWindow_->show();
    archiveWindow_->raise();
    archiveWindow_->activateWindow();
}

ClueService::Held ClueService::held() const { return {sources(), kit_, archive_}; }

void ClueService::record(const QString& gridPath) {
    if (!archive_) return;
    std::vector<Definition> attached;
    for (const auto& [key, d] : w_.session().definitions.attached()) attached.push_back(d);
    const auto entries = archivable(attached, gridPath.toStdString(), archiveDate(std::chrono::system_clock::now()));
    if (!entries.empty()) archive_->record(entries);
}

}  // namespace quirvo
