#include "feed/NewsStore.h"

#include "feed/FeedTexts.h"
#include "settings/Settings.h"

namespace plivant {

std::string BuildInfoLine(const NewsRecord& record, const Settings& settings) {
    std::string important, attachment, date, time, id;
    if (settings.ShowFlags) {
        important = record.IsImportant() ? texts::ImportantYes() : texts::ImportantNo();
        attachment = record.HasAttachment() ? texts::AttachmentYes() : texts::AttachmentNo();
    }
    if (settings.ShowDate) date = texts::DatePrefix() + record.Date;
    if (settings.ShowTime) time = texts::TimePrefix() + record.Time;
    if (settings.ShowId) id = "ID:   " + record.Id;
    return "Info:  " + important + "  " + date + "  " + time + "  " + attachment + "  " + id;
}

int NewsStore::Physical(int slot) const {
    if (slot < kFirstRowSlot) return slot;
    return kFirstRowSlot + (ringStart_ + slot - kFirstRowSlot) % kRowSlots;
}

const NewsStore::Slot& NewsStore::At(int slot) const {
    static const Slot kEmpty;
    if (slot < 0 || slot > kLastSlot) return kEmpty;
    return slots_[Physical(slot)];
}

NewsStore::Slot* NewsStore::Find(int slot) {
    if (slot < 0 || slot > kLastSlot) return nullptr;
    return &slots_[Physical(slot)];
}

void NewsStore::StoreRecord(int slot, const NewsRecord& record) {
    Slot* s = Find(slot);
    if (!s) return;
    s->Id = record.Id;
    s->Time = record.Time;
    s->Date = record.Date;
    s->Important = record.Important;
    s->Attachment = record.Attachment;
    s->Text = record.Text;
    s->ImportantCopy = s->Important;
    s->AttachmentCopy = s->Attachment;
    s->IdCopy = s->Id;
}

void NewsStore::SetInfoLine(int slot, std::string line) {
    if (Slot* s = Find(slot)) s->InfoLine = std::move(line);
}

void NewsStore::ShiftRowsDown() {
    // The slot that was last (1000) becomes the new first row slot, emptied.
    ringStart_ = (ringStart_ + kRowSlots - 1) % kRowSlots;
    *Find(kFirstRowSlot) = Slot{};
}

}  // namespace plivant
