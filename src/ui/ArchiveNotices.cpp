#include "ui/ArchiveNotices.h"

#include <QWidget>

#include "ui/ArchiveTexts.h"

namespace plivant {

void ArchiveNotices::Show(const ArchiveStatus& status) {
    tipHolder_->setToolTip(archivetexts::StatusTip(status));
    auto notice = archivetexts::Notice(status);
    if (!notice || !told_.insert({status.Fault, status.MovedTo}).second) return;
    if (message_) message_(*notice);
}

}  // namespace plivant
