#pragma once

#include <QWidget>

class QLabel;

namespace quirvo {

// Form0c: asks what to do with a modified grid before a New, an Open or the
// end of the program. The answers are handed on; the close box counts as
// "Annullo". finish() closes it without counting as an answer.
class SavePrompt : public QWidget {
    Q_OBJECT

public:
    explicit SavePrompt(QWidget* parent);
    // "Il file " + the path + " è stato modificato ma non è stato salvato".
    void setFilePath(const QString& filePath);
    void finish();

signals:
    void saveNow();
    void discard();
    void cancelled();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* label1_ = nullptr;
    bool finished_ = false;
};

}  // namespace quirvo
