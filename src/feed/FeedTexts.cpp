#include "feed/FeedTexts.h"

#include "core/TextCodec.h"

namespace plivant::texts {

#define PLIVANT_WIRE_TEXT(Name, utf8)                     \
    const std::string& Name() {                           \
        static const std::string text = Utf8ToWire(utf8); \
        return text;                                      \
    }

PLIVANT_WIRE_TEXT(CheckingServer, "Проверка сервера: ")
PLIVANT_WIRE_TEXT(ServerSelected, "Сервер выбран: ")
PLIVANT_WIRE_TEXT(NoConnection, "Нет соединения")
PLIVANT_WIRE_TEXT(CountNotNumber, "Число новостей в настройках не является числом")
PLIVANT_WIRE_TEXT(PortNotPort, "Порт в настройках не является номером порта")
PLIVANT_WIRE_TEXT(Loading, "Подождите, идет загрузка новости...")
PLIVANT_WIRE_TEXT(ImportantYes, "Важно: Да")
PLIVANT_WIRE_TEXT(ImportantNo, "Важно: Нет")
PLIVANT_WIRE_TEXT(AttachmentYes, "Вложение: Есть")
PLIVANT_WIRE_TEXT(AttachmentNo, "Вложение: Нет")
PLIVANT_WIRE_TEXT(DatePrefix, "Дата: ")
PLIVANT_WIRE_TEXT(TimePrefix, "Время: ")

namespace {
PLIVANT_WIRE_TEXT(RetryPrefix, ". Повтор через ")
PLIVANT_WIRE_TEXT(Seconds, " с")
}  // namespace

std::string RetryIn(int seconds) {
    return NoConnection() + RetryPrefix() + std::to_string(seconds) + Seconds();
}

#undef PLIVANT_WIRE_TEXT

}  // namespace plivant::texts
