#include "archive/ItemJson.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <cmath>

namespace plivant {

namespace {

constexpr qsizetype kMaxText = 10000;        // a headline, as on the wire
constexpr qsizetype kMaxFullText = 1 << 20;  // a full text
constexpr qsizetype kMaxShort = 64;          // server, id, time, date

class Reader {
public:
    explicit Reader(const QJsonObject& object) : object_(object) {}

    std::string Text(const char* name, qsizetype most, bool allowEmpty = true) {
        QJsonValue value = object_.value(name);
        if (!value.isString()) return Fail(std::string(name) + ": not a string");
        QString text = value.toString();
        if (text.size() > most) return Fail(std::string(name) + ": too long");
        if (!allowEmpty && text.isEmpty()) return Fail(std::string(name) + ": empty");
        return text.toStdString();
    }
    std::optional<std::string> OptionalText(const char* name, qsizetype most) {
        QJsonValue value = object_.value(name);
        if (value.isUndefined() || value.isNull()) return std::nullopt;
        return Text(name, most);
    }
    bool Flag(const char* name) {
        QJsonValue value = object_.value(name);
        if (!value.isBool()) Fail(std::string(name) + ": not true or false");
        return value.toBool();
    }
    int Integer(const char* name) {
        QJsonValue value = object_.value(name);
        double number = value.toDouble();
        if (!value.isDouble() || number != std::floor(number) || std::abs(number) > 1e6) {
            Fail(std::string(name) + ": not a whole number");
            return 0;
        }
        return int(number);
    }
    const std::string& Error() const { return error_; }

private:
    std::string Fail(const std::string& why) {
        if (error_.empty()) error_ = why;
        return {};
    }
    const QJsonObject& object_;
    std::string error_;
};

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

std::string ItemToJson(const ArchiveItem& item) {
    QJsonObject object{{"server", Q(item.Key.Server)},
                       {"id", Q(item.Key.Id)},
                       {"language", item.Key.Language},
                       {"time", Q(item.Time)},
                       {"date", Q(item.Date)},
                       {"important", item.Important},
                       {"attachment", item.Attachment},
                       {"text", Q(item.Text)},
                       {"full_text", item.FullText ? QJsonValue(Q(*item.FullText)) : QJsonValue()}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

ParsedItem ItemFromJson(std::string_view line) {
    QJsonParseError error{};
    QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(line.data(), qsizetype(line.size())), &error);
    if (error.error != QJsonParseError::NoError) {
        return {std::nullopt, "not JSON: " + error.errorString().toStdString()};
    }
    if (!document.isObject()) return {std::nullopt, "not a JSON object"};
    const QJsonObject object = document.object();
    Reader read(object);
    ArchiveItem item;
    item.Key.Server = read.Text("server", kMaxShort, false);
    item.Key.Id = read.Text("id", kMaxShort, false);
    item.Key.Language = read.Integer("language");
    item.Time = read.Text("time", kMaxShort);
    item.Date = read.Text("date", kMaxShort);
    item.Important = read.Flag("important");
    item.Attachment = read.Flag("attachment");
    item.Text = read.Text("text", kMaxText);
    item.FullText = read.OptionalText("full_text", kMaxFullText);
    if (!read.Error().empty()) return {std::nullopt, read.Error()};
    return {std::move(item), {}};
}

}  // namespace plivant
