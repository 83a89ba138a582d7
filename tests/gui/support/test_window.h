#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "gui/app/main_window.h"
#include "gui/app/message_box.h"

namespace quirvo::test {

// A main window with the start-up delays shortened, its message boxes
// recorded instead of shown, started in the given program folder.
class TestWindow {
public:
    explicit TestWindow(StartupOptions options = fastStartup(), const QString& programFolder = {});
    ~TestWindow();

    static StartupOptions fastStartup();
    MainWindow& operator*() const { return *window_; }
    MainWindow* operator->() const { return window_.get(); }
    MainWindow* get() const { return window_.get(); }

    // Waits until the dictionary loading has finished.
    bool waitLoaded(int timeoutMs = 20000) const;
    // A blank grid of the given size, set up as the size dialog does it.
    void createGrid(int rows, int cols);
    // Rows written with "#" for a black cell.
    void setRows(const std::vector<const char*>& rows);

    std::vector<ShownMessage> messages;

private:
    std::unique_ptr<MainWindow> window_;
};

}  // namespace quirvo::test
