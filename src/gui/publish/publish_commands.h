#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

#include "core/formats/puzzle.h"
#include "gui/render/page_layout.h"

class QFileDialog;

namespace quirvo {

class DocumentFlow;
class MainWindow;
class PageDialog;
struct Session;

// The File menu's way out of and into the program beyond grid files:
// "Stampa..." with a print preview, "Esporta..." to PDF, SVG, PNG, ipuz and
// .puz, and "Importa ipuz..." reading a crossword from another program.
class PublishCommands : public QObject {
    Q_OBJECT

public:
    PublishCommands(MainWindow& window, DocumentFlow& documentFlow);

    void Stampa_Click();
    void Esporta_Click();
    void Importaipuz_Click();

    // Writes the grid on screen with its definitions to path; on failure the
    // Italian reason is shown and returned.
    QString exportTo(const QString& path, const PageChoices& choices);
    // Reads an ipuz file as a new grid; a refused one changes nothing.
    bool importFrom(const QString& path);

    // The open dialogs, or null.
    PageDialog* pageDialog() const;
    QFileDialog* fileDialog() const;

private:
    bool idle() const;
    Puzzle currentPuzzle() const;
    void askPage(bool pages, std::function<void(const PageChoices&)> then);
    void showFiles(bool save);
    void fileChosen(const QString& path);
    void exportAsking(const QString& path, const PageChoices& choices);
    void print(const PageChoices& choices);
    void setEnabledForGrid();

    MainWindow& w_;
    Session& s_;
    DocumentFlow& documentFlow_;
    PageChoices last_;
    QPointer<PageDialog> page_;
    QPointer<QFileDialog> files_;
    std::function<void(const PageChoices&)> then_;
};

}  // namespace quirvo
