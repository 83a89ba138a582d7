#pragma once

#include <QWidget>

class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace quirvo {

// Form0a: asks for the rows and columns of a new grid. Sizes out of the
// limits are refused here; a size within them is handed on by sizeChosen,
// and whoever builds the grid closes the dialog.
class SizeDialog : public QWidget {
    Q_OBJECT

public:
    explicit SizeDialog(QWidget* parent);

signals:
    void sizeChosen(int rows, int cols);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Command1_Click();
    bool solocifre(const QKeyEvent* key);  // false: the key is discarded
    void enterIn(QLineEdit* field);
    void fuorilimiti();

    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QPushButton* command1_ = nullptr;
};

}  // namespace quirvo
