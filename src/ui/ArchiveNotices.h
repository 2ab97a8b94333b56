#pragma once

#include <QString>
#include <functional>
#include <set>
#include <string>
#include <utility>

#include "archive/ArchiveStatus.h"

class QWidget;

namespace plivant {

// Shows the archive's state in a widget's tooltip (the main window's status bar) and each fault
// once in a message. UI thread.
class ArchiveNotices {
public:
    ArchiveNotices(QWidget* tipHolder, std::function<void(const QString&)> message)
        : tipHolder_(tipHolder), message_(std::move(message)) {}

    void Show(const ArchiveStatus& status);

private:
    QWidget* tipHolder_;
    std::function<void(const QString&)> message_;
    std::set<std::pair<ArchiveFault, std::string>> told_;  // fault and the file it moved
};

}  // namespace plivant
