#include "support/test_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

#include "../../core/support/ascii_grid.h"
#include "core/dictionary/diz_codec.h"
#include "gui/files/document_flow.h"

namespace quirvo::test {

QString TestWindow::userFolder() {
    static const QString home = [] {
        static QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("data")));
        return dir.path();
    }();
    return home;
}

StartupOptions TestWindow::fastStartup() {
    StartupOptions options;
    options.splashMs = 0;
    options.loadDelayMs = 1;
    options.counterMs = 1000;
    return options;
}

std::string TestWindow::defaultBaseWords() {
    return "'dizionario di prova\r\nAMOR\r\nARMO\r\nCANE\r\nCAS!\r\nCASTO\r\nMORA\r\nORMA\r\n"
           "PALO\r\nRAMO\r\nROMA\r\nROSS@\r\nSERA\r\n";
}

TestWindow::TestWindow(StartupOptions options, const QString& programFolder) {
    if (programFolder.isEmpty()) {
        folder_ = std::make_unique<QTemporaryDir>();
        QFile base(folder_->filePath("base.diz"));
        if (base.open(QIODevice::WriteOnly)) base.write(QByteArray::fromStdString(encodeDiz(defaultBaseWords())));
        QDir::setCurrent(folder_->path());
    } else {
        QDir::setCurrent(programFolder);
    }
    start(options);
}

TestWindow::TestWindow(const Files& files, StartupOptions options)
    : folder_(std::make_unique<QTemporaryDir>()) {
    for (const auto& [name, plain] : files) {
        QFile f(folder_->filePath(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(QByteArray::fromStdString(name.endsWith(".diz") ? encodeDiz(plain) : plain));
    }
    QDir::setCurrent(folder_->path());
    start(options);
}

void TestWindow::start(StartupOptions options) {
    userFolder();
    if (options.dataFolder.isEmpty()) options.dataFolder = dataFolder_.path();
    window_ = std::make_unique<MainWindow>(options);
    setMessageHook(window_.get(), [this](const ShownMessage& m) { messages.push_back(m); });
    window_->controllers().documentFlow().setQuitFunction([this] { ++quits; });
    window_->show();
}

QString TestWindow::programFolder() const { return folder_ ? folder_->path() : QDir::currentPath(); }

// The window goes first: its hook writes into `messages`.
TestWindow::~TestWindow() {
    window_.reset();
    for (const char* folder : {"/config", "/data"}) QDir(userFolder() + folder).removeRecursively();
}

void TestWindow::crash() { window_.reset(); }

bool TestWindow::waitLoaded(int timeoutMs) const {
    return QTest::qWaitFor([this] { return !window_->label0()->isVisible(); }, timeoutMs);
}

void TestWindow::createGrid(int rows, int cols) {
    Session& s = window_->session();
    s.gridModified = 0;
    s.grid = Grid::blank(rows, cols);
    window_->nuovoschema();
    window_->inizio();
}

void TestWindow::setRows(const std::vector<const char*>& rows) {
    const Grid written = quirvo::testing::asciiGrid(rows);
    Grid& g = window_->session().grid;
    for (size_t r = 0; r < rows.size(); ++r) g.gridRows[r] = written.gridRows[r];
    window_->rinfresca();
}

}  // namespace quirvo::test
