#pragma once

#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <memory>

#include "gui/fill/fill_settings.h"
#include "gui/render/page_layout.h"

class QSettings;

namespace quirvo {

// What the program keeps between runs, in the user's configuration folder:
// the fill options, the grid check on or off, the window's docks, the page
// options of print and export and the last export folder. The menus of the
// original program keep no check mark between runs. Every value is checked
// as it is read; one out of its range reads as its default, and a file that
// cannot be read as settings at all is ignored and replaced at the next
// change.
class UserSettings {
public:
    UserSettings();
    ~UserSettings();
    static QString filePath();

    FillSettings fill() const;
    void setFill(const FillSettings& fill);
    bool liveCheck() const;
    void setLiveCheck(bool on);
    QByteArray windowState() const;
    void setWindowState(const QByteArray& state);
    // The page options over `choices`: title and author belong to a grid.
    PageChoices pageOptions(PageChoices choices) const;
    void setPageOptions(const PageChoices& choices);
    QString exportFolder() const;
    void setExportFolder(const QString& folder);

private:
    bool flag(const QString& key, bool fallback) const;
    int number(const QString& key, int fallback, int min, int max) const;
    int choice(const QString& key, int fallback, std::initializer_list<int> allowed) const;

    std::unique_ptr<QSettings> s_;
};

}  // namespace quirvo
