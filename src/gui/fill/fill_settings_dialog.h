#pragma once

#include <QDialog>
#include <array>

#include "core/dictionary/lexicon.h"
#include "gui/fill/fill_settings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QSpinBox;

namespace quirvo {

// "Opzioni di Riempimento": the time limit, the improve mode, the
// dictionaries the fill may use and the editor's rules. Not modal; OK
// writes the options back.
class FillSettingsDialog : public QDialog {
    Q_OBJECT
public:
    FillSettingsDialog(FillSettings& options, const Lexicon& lexicon, QWidget* parent = nullptr);

private:
    void accept() override;
    QGroupBox* rulesGroup(const Lexicon& lexicon);

    FillSettings& options_;
    QSpinBox* seconds_ = nullptr;
    QCheckBox* improve_ = nullptr;
    std::array<QCheckBox*, SEARCHABLE_SLOTS + 1> allowed_{};
    QGroupBox* rules_ = nullptr;
    QComboBox* familiarity_ = nullptr;
};

}  // namespace quirvo
