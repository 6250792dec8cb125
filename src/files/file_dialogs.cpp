#include "files/file_dialogs.h"

#include "app/main_window.h"

namespace vesk4 {

FileDialogs::FileDialogs(MainWindow &window) : QObject(&window), window_(window) { }

FileDialogs::~FileDialogs() = default;

} // namespace vesk4
