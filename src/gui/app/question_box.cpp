#include "gui/app/question_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace quirvo {

QMessageBox* askYesNo(QWidget* parent, const QString& title, const QString& text, std::function<void()> yes,
                      std::function<void()> no) {
    auto* box = new QMessageBox(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    box->setObjectName("Domanda");
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* yesButton = box->addButton(QString::fromUtf8("Sì"), QMessageBox::YesRole);
    yesButton->setObjectName("Si");
    QPushButton* noButton = box->addButton("No", QMessageBox::NoRole);
    noButton->setObjectName("No");
    box->setDefaultButton(noButton);
    box->setEscapeButton(noButton);
    QObject::connect(box, &QMessageBox::finished, box, [box, yesButton, yes = std::move(yes), no = std::move(no)] {
        if (box->clickedButton() == yesButton)
            yes();
        else if (no)
            no();
    });
    box->open();
    return box;
}

}  // namespace quirvo
