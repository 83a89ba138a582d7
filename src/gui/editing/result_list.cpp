#include "gui/editing/result_list.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "gui/app/main_window.h"
#include "gui/app/status_panels.h"
#include "gui/editing/history_commands.h"

namespace quirvo {

ResultList::ResultList(MainWindow& window) : w_(window) {
    connect(w_.lists(), &QListWidget::itemClicked, this, &ResultList::Lists_Click);
}

void ResultList::Lists_Click() {
    Session& s = w_.session();
    const QListWidgetItem* item = w_.lists()->currentItem();
    if (s.busyLevel >= 1 || !item) return;
    // List lines hold dictionary bytes, one Latin-1 character each, like the grid's cells.
    std::optional<std::string> offered = offeredText(item->text().toLatin1().toStdString(), s.workMode);
    if (!offered) return;
    std::string acce = *offered;
    Prepara(acce);
    if (acce.empty()) return;
    s.curCol = s.outline.cx;
    s.curRow = s.outline.cy;
    w_.textb()->setText(QString::fromLatin1(acce));
    const int mode = s.workMode;
    if (mode != 1 && mode != 2 && mode != 6) return;
    s.slot.slotPattern = acce;
    if (mode == 1)
        transferAcross(acce);
    else if (mode == 2)
        transferDown(acce);
    else
        transferCrossing(acce[0]);
    s.priclk = 1;
    for (int n = 1; n <= 4; ++n) w_.command(n)->setEnabled(false);
}

void ResultList::Prepara(std::string& acce) {
    Session& s = w_.session();
    w_.stb1()->setText(3, QString());
    acce = alternatives_.choose(acce);
    if (s.priclk == 1) {
        w_.stb1()->setText(3, " ");
        w_.controller<HistoryCommands>()->takeBack();
    }
    s.history.groupMark = ChangeHistory::GROUP_MARK;
}

void ResultList::transferAcross(const std::string& word) {
    Session& s = w_.session();
    const WordLayout layout = layOutWord(word);
    std::vector<CellWrite> writes;
    for (const auto& [offset, letter] : layout.letters) writes.push_back({s.curRow, s.slot.slotColFirst + offset, letter});
    w_.controller<HistoryCommands>()->write(writes);
    s.curCol = static_cast<int16_t>(s.slot.slotColFirst + word.size() - 1);
    s.outline = {static_cast<int16_t>(s.slot.slotColFirst + layout.blanks), s.curRow,
                 static_cast<int16_t>(layout.trimmedLength), 1};
    w_.evidenzia();
}

void ResultList::transferDown(const std::string& word) {
    Session& s = w_.session();
    const WordLayout layout = layOutWord(word);
    std::vector<CellWrite> writes;
    for (const auto& [offset, letter] : layout.letters) writes.push_back({s.slot.slotRowFirst + offset, s.curCol, letter});
    w_.controller<HistoryCommands>()->write(writes);
    s.curRow = static_cast<int16_t>(s.slot.slotRowFirst + word.size() - 1);
    s.outline = {s.curCol, static_cast<int16_t>(s.slot.slotRowFirst + layout.blanks), 1,
                 static_cast<int16_t>(layout.trimmedLength)};
    w_.evidenzia();
}

void ResultList::transferCrossing(char letter) {
    w_.controller<HistoryCommands>()->aggior(letter);
    w_.evidenzia();
}

}  // namespace quirvo
