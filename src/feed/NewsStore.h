#pragma once

#include <array>
#include <string>

#include "feed/Protocol.h"

namespace plivant {

struct Settings;

// The information line of a record, from the display flags as they are now.
std::string BuildInfoLine(const NewsRecord& record, const Settings& settings);

// The fields of received news records by slot 0..1000, beside the copies and information lines
// the grid views read. Grid row r is read at slot ViewSlot(r). UI thread only.
class NewsStore {
public:
    static constexpr int kSlots = 1001;
    static constexpr int kFirstRowSlot = 3;
    static constexpr int kLastSlot = kSlots - 1;
    // The largest news count whose history fits the slots.
    static constexpr int kMaxNewsCount = kSlots - 4;

    static constexpr int ViewSlot(int row) { return row + kFirstRowSlot; }

    // Writes the six fields and the three copies of one slot. Slots outside 0..1000 are ignored.
    void StoreRecord(int slot, const NewsRecord& record);
    void SetInfoLine(int slot, std::string line);

    // Moves every record of the row slots (3..1000) down one slot with its grid row; slot 1000
    // drops out and slot 3 is left empty for the newest item.
    void ShiftRowsDown();

    const std::string& Ids(int slot) const { return At(slot).Id; }
    const std::string& Times(int slot) const { return At(slot).Time; }
    const std::string& Dates(int slot) const { return At(slot).Date; }
    const std::string& ImportantFlags(int slot) const { return At(slot).Important; }
    const std::string& AttachmentFlags(int slot) const { return At(slot).Attachment; }
    const std::string& Texts(int slot) const { return At(slot).Text; }
    const std::string& ImportantCopies(int slot) const { return At(slot).ImportantCopy; }
    const std::string& AttachmentCopies(int slot) const { return At(slot).AttachmentCopy; }
    const std::string& IdCopies(int slot) const { return At(slot).IdCopy; }
    const std::string& InfoLines(int slot) const { return At(slot).InfoLine; }

private:
    struct Slot {
        std::string Id, Time, Date, Important, Attachment, Text;
        std::string ImportantCopy, AttachmentCopy, IdCopy, InfoLine;
    };
    static constexpr int kRowSlots = kSlots - kFirstRowSlot;

    // The row slots form a ring, so that shifting them costs one step, not a thousand moves.
    int Physical(int slot) const;
    const Slot& At(int slot) const;
    Slot* Find(int slot);

    std::array<Slot, kSlots> slots_;
    int ringStart_ = 0;  // ring position of slot 3
};

}  // namespace plivant
