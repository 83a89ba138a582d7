#pragma once

#include <QDialog>
#include <vector>

#include "core/schema/schema_options.h"
#include "gui/schema/schema_settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace quirvo {

// "Genera Schema Libero": the start (a blank grid of a size, or the current
// grid), the share of black cells, the symmetry, the time limit and the
// rules; then the proposals side by side, two to a row, a small picture
// each with its black cells counted. Not modal. Esc while the work runs asks it to stop
// instead of closing the dialog.
class SchemaDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int PROPOSALS = 4;  // shown side by side at most

    // gridRows and gridCols are the current grid's size, 0 without a grid.
    SchemaDialog(SchemaSettings& settings, int gridRows, int gridCols, bool rulesAvailable, QWidget* parent = nullptr);

    void setRunning(bool running);
    void showProposals(const std::vector<Schema>& schemas);
    // The proposal picked for a preview, -1 for none.
    int picked() const;

signals:
    void generateAsked();  // the settings are written back first
    void previewAsked(int index);
    void keepAsked(int index);
    void stopAsked();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void writeBack();
    void clearProposals();

    SchemaSettings& settings_;
    bool running_ = false;
    QRadioButton* blank_ = nullptr;
    QRadioButton* current_ = nullptr;
    QSpinBox* rows_ = nullptr;
    QSpinBox* cols_ = nullptr;
    QDoubleSpinBox* black_ = nullptr;
    QComboBox* symmetry_ = nullptr;
    QSpinBox* seconds_ = nullptr;
    QCheckBox* rules_ = nullptr;
    QPushButton* generate_ = nullptr;
    QPushButton* keep_ = nullptr;
    QLabel* proposalsNote_ = nullptr;
    QGridLayout* proposalsGrid_ = nullptr;
    QButtonGroup* proposals_ = nullptr;
};

}  // namespace quirvo
