#include "app/SafeApplication.h"

#include <QMessageBox>
#include <exception>

#include "core/VendorInfo.h"

namespace plivant {

bool SafeApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        QMessageBox::critical(activeWindow(), vendor::kTitle, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        QMessageBox::critical(activeWindow(), vendor::kTitle, "Unknown error");
    }
    return false;
}

}  // namespace plivant
