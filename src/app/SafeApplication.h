#pragma once

#include <QApplication>

namespace plivant {

// An error that reaches the event loop is shown to the user in a message box, and the program
// goes on.
class SafeApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace plivant
