#include "gui/dictionary/viewer_list_model.h"

namespace quirvo {

void ViewerListModel::setList(std::unique_ptr<ViewerList> list) {
    beginResetModel();
    list_ = std::move(list);
    endResetModel();
}

int ViewerListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !list_ ? 0 : static_cast<int>(list_->size());
}

QVariant ViewerListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !list_ || index.row() >= rowCount()) return {};
    return QString::fromLatin1(list_->line(static_cast<size_t>(index.row())));
}

}  // namespace quirvo
