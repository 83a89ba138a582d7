#pragma once

#include <QString>
#include <QTemporaryDir>
#include <string>
#include <utility>
#include <memory>
#include <vector>

#include "gui/app/main_window.h"
#include "gui/app/message_box.h"

namespace quirvo::test {

// A main window with the start-up delays shortened, its message boxes
// recorded instead of shown and its ending counted instead of carried out,
// started in the given program folder: by default a fresh one holding a
// small base.diz made of defaultBaseWords(). The user's folders (settings,
// recovery copies) are a temporary folder of the test program, emptied when
// the test window goes: a test never touches the real ones, nor sees what
// an earlier test left there.
class TestWindow {
public:
    explicit TestWindow(StartupOptions options = fastStartup(), const QString& programFolder = {});
    // A fresh program folder with these files (name, plain list; ".diz"
    // files are encoded).
    using Files = std::vector<std::pair<QString, std::string>>;
    explicit TestWindow(const Files& files, StartupOptions options = fastStartup());
    ~TestWindow();

    static StartupOptions fastStartup();
    static std::string defaultBaseWords();
    QString programFolder() const;
    MainWindow& operator*() const { return *window_; }
    MainWindow* operator->() const { return window_.get(); }
    MainWindow* get() const { return window_.get(); }

    // The window goes without its close path, as in a crash; what it left in
    // the user's folders stays until this test window goes.
    void crash();
    // The temporary folder the user's folders are in; the first call sets
    // them there.
    static QString userFolder();

    // Waits until the dictionary loading has finished.
    bool waitLoaded(int timeoutMs = 20000) const;
    // A blank grid of the given size, set up as the size dialog does it.
    void createGrid(int rows, int cols);
    // Rows written with "#" for a black cell.
    void setRows(const std::vector<const char*>& rows);

    std::vector<ShownMessage> messages;
    int quits = 0;

private:
    void start(StartupOptions options);
    std::unique_ptr<QTemporaryDir> folder_;
    QTemporaryDir dataFolder_;  // the setter's data, such as the archive
    std::unique_ptr<MainWindow> window_;
};

}  // namespace quirvo::test
