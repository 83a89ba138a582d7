#include "gui/app/controllers.h"

#include "gui/dictionary/dictionary_activation.h"
#include "gui/dictionary/dictionary_loading.h"
#include "gui/display/zoom_commands.h"
#include "gui/files/document_flow.h"

namespace quirvo {

Controllers::Controllers(MainWindow& window) {
    owned_.push_back(std::make_unique<ZoomCommands>(window));
    owned_.push_back(std::make_unique<DictionaryActivation>(window));
    owned_.push_back(std::make_unique<DictionaryLoading>(window));
    owned_.push_back(std::make_unique<DocumentFlow>(window));
}

Controllers::~Controllers() = default;

}  // namespace quirvo
