#pragma once

#include <string>

namespace plivant::texts {

// Fixed texts of the feed, as Windows-1251 bytes (the status bar and the stores keep bytes).
const std::string& CheckingServer();  // "Проверка сервера: "
const std::string& ServerSelected();  // "Сервер выбран: "
const std::string& NoConnection();    // "Нет соединения"
const std::string& CountNotNumber();  // the news count is not a number
const std::string& PortNotPort();     // the port is neither a service name nor a number
// "Нет соединения. Повтор через 8 с": the feed is down and tries again in that many seconds.
std::string RetryIn(int seconds);
const std::string& Loading();  // "Подождите, идет загрузка новости..."
const std::string& ImportantYes();
const std::string& ImportantNo();
const std::string& AttachmentYes();
const std::string& AttachmentNo();
const std::string& DatePrefix();
const std::string& TimePrefix();

}  // namespace plivant::texts
