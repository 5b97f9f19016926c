#pragma once

#include <QApplication>

#include <functional>
#include <string>

namespace velmora::gui {

// The application object. An exception that escapes an event handler would end the program;
// here it reaches the last-resort handler instead and the program goes on.
class VelmoraApplication : public QApplication {
    Q_OBJECT
public:
    using ErrorHandler = std::function<void(const std::string& what)>;

    VelmoraApplication(int& argc, char** argv);

    void setErrorHandler(ErrorHandler handler) { handler_ = std::move(handler); }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    void report(const std::string& what);
    ErrorHandler handler_;
    bool handling_ = false;
};

} // namespace velmora::gui
