#pragma once

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

namespace quirvo {

// Asks a question with "Sì" and "No" over the window, "No" the default and
// the answer of Esc and of the close box. The box does not block the
// caller: the answer runs yes or no. Named "Domanda", so a test can answer.
QMessageBox* askYesNo(QWidget* parent, const QString& title, const QString& text, std::function<void()> yes,
                      std::function<void()> no = {});

}  // namespace quirvo
