#include "gui/app/application.h"

#include <exception>
#include <iostream>

namespace velmora::gui {

VelmoraApplication::VelmoraApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool VelmoraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        report(e.what());
    } catch (...) {
        report("unknown error");
    }
    return false;
}

void VelmoraApplication::report(const std::string& what) {
    // An error raised while the handler itself runs must not recurse.
    if (handling_ || !handler_) {
        std::cerr << "velmora: " << what << "\n";
        return;
    }
    handling_ = true;
    try {
        handler_(what);
    } catch (...) {
        std::cerr << "velmora: " << what << "\n";
    }
    handling_ = false;
}

} // namespace velmora::gui
