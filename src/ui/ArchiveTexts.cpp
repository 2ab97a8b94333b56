#include "ui/ArchiveTexts.h"

namespace plivant::archivetexts {

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }
QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

QString OffReason(const ArchiveStatus& s) {
    switch (s.Fault) {
        case ArchiveFault::Newer:
            return U("Архив новостей «%1» создан более новой версией программы. Файл оставлен "
                     "без изменений, архив отключён.")
                .arg(Q(s.Path));
        case ArchiveFault::Unwritable:
            return U("Архив новостей «%1» недоступен для записи (%2). Архив отключён.")
                .arg(Q(s.Path), Q(s.Detail));
        case ArchiveFault::DiskFull:
            return U("Диск заполнен: запись в архив новостей «%1» остановлена. Лента новостей "
                     "работает как прежде.")
                .arg(Q(s.Path));
        default:
            return U("Ошибка архива новостей «%1»: %2. Архив отключён.")
                .arg(Q(s.Path), Q(s.Detail));
    }
}

}  // namespace

QString StatusTip(const ArchiveStatus& s) {
    switch (s.State) {
        case ArchiveState::Closed:
            return U("Архив новостей открывается...");
        case ArchiveState::Ready:
            return U("Архив новостей: %1").arg(Q(s.Path));
        case ArchiveState::Behind: {
            QString tip = U("Архив новостей не успевает за лентой: ждут записи %1").arg(s.Waiting);
            if (s.Lost) tip += U(", не хватило памяти для %1").arg(s.Lost);
            return tip;
        }
        case ArchiveState::Off:
            return OffReason(s);
    }
    return {};
}

std::optional<QString> Notice(const ArchiveStatus& s) {
    if (s.State == ArchiveState::Off) return OffReason(s);
    if (s.Fault == ArchiveFault::Damaged) {
        return U("Файл архива новостей был повреждён. Он сохранён под именем «%1», начат новый "
                 "архив.")
            .arg(Q(s.MovedTo));
    }
    if (s.Fault == ArchiveFault::Foreign) {
        return U("Файл «%1» не является архивом новостей. Он сохранён под именем «%2», начат "
                 "новый архив.")
            .arg(Q(s.Path), Q(s.MovedTo));
    }
    return std::nullopt;
}

QString Unreadable(ArchiveFault fault, const std::string& detail) {
    switch (fault) {
        case ArchiveFault::Missing:
            return U("Архив новостей пока пуст.");
        case ArchiveFault::Busy:
            return U("Архив новостей занят, попробуйте ещё раз.");
        case ArchiveFault::Newer:
            return U("Архив новостей создан более новой версией программы.");
        default:
            return U("Архив новостей недоступен: %1").arg(Q(detail));
    }
}

QString Found(int64_t count) { return U("Найдено: %1").arg(count); }

}  // namespace plivant::archivetexts
