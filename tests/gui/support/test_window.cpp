#include "support/test_window.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QTest>

#include "core/grid/cell_codes.h"

namespace quirvo::test {

StartupOptions TestWindow::fastStartup() {
    StartupOptions options;
    options.splashMs = 0;
    options.loadDelayMs = 1;
    options.counterMs = 1000;
    return options;
}

TestWindow::TestWindow(StartupOptions options, const QString& programFolder) {
    setMessageHook([this](const ShownMessage& m) { messages.push_back(m); });
    if (!programFolder.isEmpty()) QDir::setCurrent(programFolder);
    window_ = std::make_unique<MainWindow>(options);
    window_->show();
}

TestWindow::~TestWindow() {
    window_.reset();
    setMessageHook({});
}

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
    Grid& g = window_->session().grid;
    for (size_t r = 0; r < rows.size(); ++r) {
        std::string row(rows[r]);
        for (char& c : row)
            if (c == '#') c = BLACK_CELL;
        g.gridRows[r] = row;
    }
    window_->rinfresca();
}

}  // namespace quirvo::test
