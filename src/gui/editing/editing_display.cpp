#include "gui/editing/editing_display.h"

#include <QLabel>
#include <QListWidget>

#include "gui/app/main_window.h"
#include "gui/app/pictures.h"
#include "gui/display/grid_view.h"

namespace quirvo {

void outlineCell(MainWindow& w, int row, int col) {
    w.session().outline = {static_cast<int16_t>(col), static_cast<int16_t>(row), 1, 1};
    w.evidenzia();
}

void clearResultList(MainWindow& w) {
    w.lists()->clear();
    w.lists()->setToolTip(QString());
}

QCursor modePointer(const MainWindow& w) {
    constexpr int SIZE = 32;
    const QVariant mode = w.imageA()->property("mode");
    const QPixmap picture = modePicture(mode.isValid() ? mode.toInt() : -1, SIZE, w.devicePixelRatioF());
    return QCursor(picture, SIZE / 2, SIZE / 2);
}

void setScanPointers(MainWindow& w, bool busy) {
    if (busy) {
        w.peri()->setCursor(Qt::WaitCursor);
        w.lists()->setCursor(Qt::WaitCursor);
    } else {
        w.peri()->setCursor(modePointer(w));
        w.lists()->unsetCursor();
    }
}

}  // namespace quirvo
