#include "NewsCatalog.h"

#include <QStringList>
#include <QTimeZone>
#include <array>

#include "core/TextCodec.h"

namespace plivant::demo {

namespace {

struct Phrasebook {
    QStringList Pairs;
    QStringList Moves;  // %1 pair, %2 level
    QStringList Causes;
    QStringList Events;      // stand-alone headlines
    QStringList Paragraphs;  // %1 pair, %2 level
};

const Phrasebook& Book(Language language) {
    static const Phrasebook russian{
        {"EUR/USD", "GBP/USD", "USD/JPY", "USD/CHF", "AUD/USD", "USD/CAD", "EUR/JPY", "USD/RUB"},
        {"%1 вырос до %2", "%1 снизился до %2", "%1 тестирует уровень %2", "%1 закрепился выше %2",
         "%1 откатился к %2", "%1 пробил отметку %2"},
        {"на фоне данных по инфляции", "после заявлений ФРС", "в ожидании решения ЕЦБ",
         "на слабой статистике по занятости", "на фоне роста доходности облигаций",
         "после публикации индекса деловой активности", "на росте спроса на защитные активы"},
        {"Банк Японии сохранил ставку без изменений", "ЕЦБ повысил ставку на 25 б.п.",
         "Индекс потребительских цен США превысил прогноз",
         "Число заявок на пособие по безработице в США сократилось",
         "Банк Англии дал сигнал о паузе в повышении ставок",
         "Нефть Brent подорожала на 2% за сессию", "Золото обновило месячный максимум",
         "Розничные продажи в Германии снизились", "Торговый баланс Китая оказался выше ожиданий"},
        {"По данным дилеров, пара %1 торгуется вблизи %2 при умеренных объемах.",
         "Аналитики отмечают поддержку в районе %2; пробой этого уровня откроет путь к "
         "дальнейшему снижению.",
         "Участники рынка ждут выступления главы центрального банка, от которого зависит "
         "краткосрочная динамика %1.",
         "Технические индикаторы указывают на перекупленность, возможна коррекция."}};
    static const Phrasebook english{
        {"EUR/USD", "GBP/USD", "USD/JPY", "USD/CHF", "AUD/USD", "USD/CAD", "EUR/JPY", "NZD/USD"},
        {"%1 rises to %2", "%1 slips to %2", "%1 tests %2", "%1 holds above %2",
         "%1 retreats towards %2", "%1 breaks through %2"},
        {"on inflation data", "after Fed remarks", "ahead of the ECB decision", "on weak payrolls",
         "as bond yields climb", "after PMI figures", "as safe-haven demand grows"},
        {"Bank of Japan leaves rates unchanged", "ECB raises rates by 25 bp",
         "US CPI beats forecasts", "US jobless claims fall", "Bank of England signals a pause",
         "Brent crude up 2% on the session", "Gold hits a one-month high",
         "German retail sales decline", "China trade surplus above expectations"},
        {"Dealers say %1 is trading near %2 in moderate volumes.",
         "Analysts see support around %2; a break below would open the way lower.",
         "Markets await the central bank governor's speech, which may set the short-term "
         "direction of %1.",
         "Momentum indicators point to overbought conditions; a correction is possible."}};
    return language == Language::Russian ? russian : english;
}

QString Level(const QString& pair, int serial) {
    bool yen = pair.contains("JPY") || pair.contains("RUB");
    double base = yen ? 140.0 + (serial * 37 % 900) / 100.0 : 1.05 + (serial * 53 % 900) / 10000.0;
    return QString::number(base, 'f', yen ? 2 : 4);
}

QDateTime MoscowNow() { return QDateTime::currentDateTimeUtc().toTimeZone(QTimeZone(3 * 3600)); }

}  // namespace

NewsCatalog::NewsCatalog(int historySize) {
    QDateTime start = MoscowNow().addSecs(-historySize * 97);
    for (Language language : {Language::Russian, Language::English}) {
        for (int i = 0; i < historySize; ++i) {
            DemoItem item = MakeItem(language, serial_++, start.addSecs(i * 97));
            byId_[item.Id] = {language, items_[language].size()};
            items_[language].push_back(std::move(item));
        }
    }
}

DemoItem NewsCatalog::MakeItem(Language language, int serial, const QDateTime& when) {
    const Phrasebook& book = Book(language);
    DemoItem item;
    item.Id = nextId_++;
    item.Published = when;
    item.Important = serial % 5 == 0 || serial % 7 == 0;
    item.Attachment = serial % 3 != 1;
    const QString& pair = book.Pairs[serial % book.Pairs.size()];
    QString level = Level(pair, serial);
    if (serial % 4 == 3) {
        item.Headline = book.Events[(serial / 4) % book.Events.size()];
    } else {
        QString move = book.Moves[serial % book.Moves.size()];
        item.Headline = move.replace("%1", pair).replace("%2", level) + " " +
                        book.Causes[(serial / 2) % book.Causes.size()];
    }
    if (item.Attachment) {
        QStringList paragraphs;
        for (int p = 0; p < 3; ++p) {
            QString paragraph = book.Paragraphs[(serial + p) % book.Paragraphs.size()];
            paragraphs << paragraph.replace("%1", pair).replace("%2", level);
        }
        item.FullText = item.Headline + ".\n\n" + paragraphs.join("\n\n");
    }
    return item;
}

std::vector<const DemoItem*> NewsCatalog::Newest(Language language, int count) const {
    std::vector<const DemoItem*> newest;
    const auto& all = items_.at(language);
    for (auto it = all.rbegin(); it != all.rend() && int(newest.size()) < count; ++it) {
        newest.push_back(&*it);
    }
    return newest;
}

const DemoItem& NewsCatalog::Publish(Language language) {
    DemoItem item = MakeItem(language, serial_++, MoscowNow());
    byId_[item.Id] = {language, items_[language].size()};
    items_[language].push_back(std::move(item));
    return items_[language].back();
}

const DemoItem* NewsCatalog::Find(int id) const {
    auto it = byId_.find(id);
    if (it == byId_.end()) return nullptr;
    return &items_.at(it->second.first)[it->second.second];
}

std::string NewsCatalog::NewsLine(const DemoItem& item) {
    // Prefix (4), id (6), blank, time (9), date (10), blank, important, blank, attachment,
    // blank, text.
    QString line = "NEWS" + QString("%1").arg(item.Id, 6, 10, QChar('0')) + " " +
                   item.Published.toString("HH:mm:ss ") + item.Published.toString("dd.MM.yyyy") +
                   " " + (item.Important ? "1" : "0") + " " + (item.Attachment ? "1" : "0") + " " +
                   item.Headline;
    return ToWire(line);
}

std::string NewsCatalog::EscapedFullText(const DemoItem& item) {
    QString text = item.FullText;
    text.replace("\n", "\\r\\n");
    return ToWire(text);
}

}  // namespace plivant::demo
