#pragma once

#include <QDialog>

#include "gui/render/page_layout.h"

class QCheckBox;
class QLineEdit;

namespace quirvo {

// "Pagina": the one small dialog before printing or exporting, asking for
// the title and the author and which parts the page holds. It remembers
// the answers for the next time; with pages off (the exchange formats)
// only the title and author are asked.
class PageDialog : public QDialog {
    Q_OBJECT

public:
    explicit PageDialog(QWidget* parent);

    void ask(const PageChoices& start, bool pages);
    PageChoices choices() const;

signals:
    void chosen(const PageChoices& choices);

private:
    QLineEdit* title_;
    QLineEdit* author_;
    QCheckBox* emptyGrid_;
    QCheckBox* definitions_;
    QCheckBox* solution_;
};

}  // namespace quirvo
