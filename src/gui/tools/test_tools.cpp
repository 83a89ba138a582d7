#include "gui/tools/test_tools.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>

#include "core/common/text_encoding.h"
#include "core/tools/anagram.h"
#include "core/tools/anagram_index.h"
#include "core/tools/word_services.h"
#include "gui/app/main_window.h"
#include "gui/app/message_box.h"
#include "gui/app/status_panels.h"
#include "gui/editing/scan_session.h"
#include "gui/editing/toolbar_commands.h"
#include "gui/files/document_flow.h"

namespace quirvo {

namespace {

QString utf8(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

void showLines(MainWindow& w, const QStringList& lines) {
    w.lists()->clear();
    w.lists()->addItems(lines);
}

void showWordTool(MainWindow& w, const WordToolOutcome& o) {
    if (!o.acted) return;
    if (o.clearToolTips) {
        w.lists()->setToolTip(QString());
        w.stb1()->setTip(2, QString());
    }
    QStringList lines;
    for (const std::string& line : o.lines) lines.append(utf8(line));
    showLines(w, lines);
    if (!o.panel2.empty()) w.stb1()->setText(2, utf8(o.panel2));
    if (!o.panel3.empty()) w.stb1()->setText(3, utf8(o.panel3));
    if (o.beep) MainWindow::beep();
}

}  // namespace

TestTools::TestTools(MainWindow& window, ToolbarCommands& toolbar, DocumentFlow& documentFlow,
                     LanguageDataPaths paths)
    : w_(window), link_(std::move(paths)) {
    connect(&toolbar, &ToolbarCommands::testToolRequested, this, [this](int mode) {
        if (mode == 9) anagrammi();
        if (mode == 10) sinonimi();
        if (mode == 11) ortografia();
    });
    QAction* funWord = w_.menuItem("FunWord");
    connect(funWord, &QAction::triggered, this, [this, funWord](bool checked) {
        funWord->setChecked(!checked);
        FunWord_click();
    });
    connect(&documentFlow, &DocumentFlow::ending, this, [this] {
        if (w_.menuItem("FunWord")->isChecked()) chiudiword();
    });
}

TestTools::~TestTools() = default;

void TestTools::anagrammi() {
    const LexiconPtr& lexicon = w_.session().lexicon;
    if (!(*lexicon)[1].present()) return;
    if (!anagramIndex_ || anagramLexicon_ != lexicon) {
        anagramIndex_ = std::make_unique<AnagramIndex>((*lexicon)[1]);
        anagramLexicon_ = lexicon;
    }
    AnagramOutcome outcome;
    {
        ScanSession scan(w_);
        // The dictionaries hold single-byte code page 1252 text.
        const std::string testWord = utf8ToCp1252(w_.textb()->text().toStdString());
        outcome = quirvo::anagrammi(*anagramIndex_, testWord, scan.progress());
    }
    QStringList lines;
    for (const std::string& line : outcome.lines) lines.append(utf8(cp1252ToUtf8(line)));
    showLines(w_, lines);
    w_.stb1()->setRaised(2, true);
    w_.stb1()->setText(2, utf8(outcome.panel2));
    w_.stb1()->setText(3, utf8(outcome.panel3));
    if (outcome.beep) MainWindow::beep();
}

void TestTools::sinonimi() { showWordTool(w_, quirvo::sinonimi(link_.services(), w_.textb()->text().toStdString())); }

void TestTools::ortografia() {
    showWordTool(w_, quirvo::ortografia(link_.services(), w_.textb()->text().toStdString()));
}

void TestTools::FunWord_click() {
    if (w_.session().busyLevel > 0) return;
    applyLink(link_.toggle());
}

void TestTools::chiudiword() { applyLink(link_.chiudiword()); }

void TestTools::applyLink(const LinkOutcome& outcome) {
    w_.menuItem("FunWord")->setChecked(link_.checked());
    w_.button("a10")->setEnabled(outcome.toolsEnabled);
    w_.button("a11")->setEnabled(outcome.toolsEnabled);
    if (!outcome.message.empty()) showMessage(&w_, utf8(outcome.title), utf8(outcome.message));
}

}  // namespace quirvo
