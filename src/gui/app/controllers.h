#pragma once

#include <memory>
#include <vector>

#include <QObject>

#include "gui/fill/word_table_source.h"

namespace quirvo {

class MainWindow;

// Owns the behaviour objects behind the main window's menus, buttons and
// grid; each one wires itself to the furniture of MainWindow when built.
class Controllers {
public:
    Controllers() = default;
    ~Controllers();
    // Builds every controller; each may already reach those built before it
    // through MainWindow::controller.
    void build(MainWindow& window);

    template <typename T>
    T* find() const {
        for (const auto& c : owned_)
            if (auto* t = qobject_cast<T*>(c.get())) return t;
        return nullptr;
    }

private:
    WordTableSource wordTables_;  // shared by the grid check and the fill
    std::vector<std::unique_ptr<QObject>> owned_;
};

}  // namespace quirvo
