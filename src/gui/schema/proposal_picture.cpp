#include "gui/schema/proposal_picture.h"

#include <QPainter>
#include <algorithm>

#include "gui/render/grid_renderer.h"

namespace quirvo {

QPixmap proposalPicture(const Grid& grid, int side, qreal devicePixelRatio) {
    const double cell = std::max(2.0, double(side - 2) / std::max<int>(grid.rowCount, grid.colCount));
    const QSize size(int(cell * grid.colCount) + 2, int(cell * grid.rowCount) + 2);
    QPixmap picture(size * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    GridPaintOptions options;
    options.letters = false;
    options.numbers = false;
    options.blackCellFrame = false;
    GridRenderer(grid, options).paint(painter, {QPointF(1, 1), QSizeF(cell, cell)});
    return picture;
}

}  // namespace quirvo
