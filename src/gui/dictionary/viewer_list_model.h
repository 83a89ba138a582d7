#pragma once

#include <QAbstractListModel>
#include <memory>

#include "core/dictionary/viewer_lists.h"

namespace quirvo {

// Shows a ViewerList in a list view without one widget item per entry.
class ViewerListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setList(std::unique_ptr<ViewerList> list);
    const ViewerList* list() const { return list_.get(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::unique_ptr<ViewerList> list_;
};

}  // namespace quirvo
