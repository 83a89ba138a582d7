#pragma once

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace quirvo {

// The setter's own banned words: a plain text file in the user's
// configuration folder, one word a line, read whenever the rules are made.
QString bannedWordsPath();
std::vector<std::string> readBannedWords();

// "Parole vietate": the file to edit as text; OK writes it whole, through
// a temporary file, so a failed write keeps the old list.
class BannedWordsDialog : public QDialog {
    Q_OBJECT
public:
    explicit BannedWordsDialog(QWidget* parent = nullptr);

private:
    void accept() override;

    QPlainTextEdit* text_ = nullptr;
};

}  // namespace quirvo
