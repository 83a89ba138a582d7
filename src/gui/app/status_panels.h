#pragma once

#include <QLabel>
#include <QVector>
#include <QWidget>

namespace quirvo {

class Twips;

// One panel of the status bar: a framed label that reports clicks. A panel
// may look switched off (greyed) and still take clicks, so a click can
// switch it on again. Its width is its design width or its text's, and
// a shrinking panel gives way down to a small width when the bar is short.
class StatusPanel : public QLabel {
    Q_OBJECT
public:
    StatusPanel(const QString& text, int designWidth, bool shrinks, QWidget* parent);
    void setLit(bool lit);
    bool isLit() const { return lit_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
signals:
    void clicked();
protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
private:
    int designWidth_;
    bool shrinks_;
    bool lit_ = true;
};

// Stb1: the sixteen indexed panels at the foot of the main window, and
// beside the position (panel 4) the grid check's panel, outside the index.
class StatusPanels : public QWidget {
    Q_OBJECT

public:
    static constexpr int COUNT = 16;
    StatusPanels(const Twips& twips, QWidget* parent = nullptr);

    StatusPanel* panel(int index) const { return panels_[index - 1]; }  // 1-based
    QString text(int index) const { return panel(index)->text(); }
    void setText(int index, const QString& text) { panel(index)->setText(text); }
    void setTip(int index, const QString& tip) { panel(index)->setToolTip(tip); }
    void setRaised(int index, bool raised);
    StatusPanel* checkPanel() const { return check_; }

signals:
    void panelClicked(int index);

private:
    QVector<StatusPanel*> panels_;
    StatusPanel* check_ = nullptr;
};

}  // namespace quirvo
