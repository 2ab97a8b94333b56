#include "ui/TfmSearch.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "archive/Archive.h"
#include "archive/WireClock.h"
#include "core/TextCodec.h"
#include "feed/FeedTexts.h"
#include "settings/Settings.h"
#include "ui/ArchiveTexts.h"
#include "ui/Colors.h"
#include "ui/NewsGrid.h"
#include "ui/NewsGridDelegate.h"
#include "ui/SearchResultsModel.h"
#include "ui/TForm4.h"

namespace plivant {

namespace {

constexpr std::chrono::milliseconds kTypingPause{150};
constexpr int kPage = 200;
const QDate kWireEpoch(2000, 1, 1);

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

int64_t StampOf(const QDate& day) { return kWireEpoch.daysTo(day) * wireclock::kDay; }

// The results' cells in the grid's look, coloured by the model's flag colours.
class ResultsDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        PaintNewsCell(painter, option, index.data(Qt::DisplayRole).toString(),
                      index.data(Qt::ForegroundRole).value<QColor>());
    }
};

QDateEdit* DateField(const char* name, QWidget* parent) {
    auto* field = new QDateEdit(QDate::currentDate(), parent);
    field->setObjectName(name);
    field->setCalendarPopup(true);
    field->setDisplayFormat("dd.MM.yyyy");
    field->setEnabled(false);
    return field;
}

}  // namespace

TfmSearch::TfmSearch(Archive& archive, const Settings& settings, TForm4* details, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowCloseButtonHint),
      archive_(archive),
      settings_(settings),
      details_(details),
      finder_(&archive) {
    setObjectName("fmSearch");
    setWindowTitle(U("Поиск в архиве"));
    setFont(QFont("MS Sans Serif", 8));
    resize(760, 420);
    typing_ = new QTimer(this);
    typing_->setSingleShot(true);
    typing_->setInterval(kTypingPause);
    connect(typing_, &QTimer::timeout, this, [this] { Submit(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    query_ = new QLineEdit(this);
    query_->setObjectName("edQuery");
    query_->setPlaceholderText(U("Слова для поиска; \"фраза\" в кавычках"));
    connect(query_, &QLineEdit::textChanged, typing_, qOverload<>(&QTimer::start));
    layout->addWidget(query_);
    layout->addWidget(BuildFilters());
    BuildResults();
    layout->addWidget(results_, 1);
}

TfmSearch::~TfmSearch() = default;

QWidget* TfmSearch::BuildFilters() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto check = [&](const char* name, const char* text) {
        auto* box = new QCheckBox(U(text), row);
        box->setObjectName(name);
        connect(box, &QCheckBox::toggled, this, [this] { Submit(); });
        layout->addWidget(box);
        return box;
    };
    fromOn_ = check("cbFrom", "с");
    from_ = DateField("dtFrom", row);
    layout->addWidget(from_);
    toOn_ = check("cbTo", "по");
    to_ = DateField("dtTo", row);
    layout->addWidget(to_);
    for (auto [box, field] : {std::pair{fromOn_, from_}, std::pair{toOn_, to_}}) {
        connect(box, &QCheckBox::toggled, field, &QWidget::setEnabled);
        connect(field, &QDateEdit::dateChanged, this, [this] { Submit(); });
    }
    layout->addSpacing(12);
    important_ = check("cbImportant", "только важные");
    fullText_ = check("cbFullText", "только с полным текстом");
    layout->addStretch(1);
    found_ = new QLabel(archivetexts::Found(0), row);
    found_->setObjectName("lbFound");
    layout->addWidget(found_);
    return row;
}

void TfmSearch::BuildResults() {
    model_ = new SearchResultsModel(this);
    model_->MoreWanted = [this](int64_t before) { AskPage(before); };
    results_ = new QTableView(this);
    results_->setObjectName("grResults");
    results_->setModel(model_);
    results_->setItemDelegate(new ResultsDelegate(results_));
    results_->horizontalHeader()->hide();
    results_->verticalHeader()->hide();
    results_->verticalHeader()->setMinimumSectionSize(1);
    results_->verticalHeader()->setDefaultSectionSize(NewsGrid::kRowHeight);
    results_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    results_->horizontalHeader()->setStretchLastSection(true);
    results_->setColumnWidth(SearchResultsModel::kTime, 56);
    results_->setColumnWidth(SearchResultsModel::kDate, 70);
    results_->setSelectionBehavior(QAbstractItemView::SelectRows);
    results_->setSelectionMode(QAbstractItemView::SingleSelection);
    results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    results_->setShowGrid(true);
    results_->setWordWrap(false);
    SetNewsBackground(results_);
    connect(results_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { OpenRow(index.row()); });
}

void TfmSearch::ShowSearch() {
    show();
    raise();
    activateWindow();
    query_->setFocus();
    Submit();
}

SearchQuery TfmSearch::CurrentQuery() const {
    SearchQuery query;
    query.Text = query_->text().toStdString();
    if (fromOn_->isChecked()) query.From = StampOf(from_->date());
    if (toOn_->isChecked()) query.To = StampOf(to_->date()) + wireclock::kDay - 1;
    query.Flags = {important_->isChecked(), fullText_->isChecked()};
    query.Limit = kPage;
    return query;
}

void TfmSearch::Submit() {
    typing_->stop();
    Ask(CurrentQuery(), ++serial_, false);
}

void TfmSearch::AskPage(int64_t before) {
    SearchQuery query = CurrentQuery();
    query.Before = before;
    Ask(std::move(query), serial_, true);
}

void TfmSearch::Ask(SearchQuery query, uint64_t serial, bool page) {
    // The archive answers on its own thread.
    archive_.Search(std::move(query),
                    [post = ui_.MakePoster(), serial, page, this](const SearchOutcome& outcome) {
                        post([=, this] { Answered(serial, page, outcome); });
                    });
}

void TfmSearch::Answered(uint64_t serial, bool page, const SearchOutcome& outcome) {
    if (serial != serial_) return;  // a later query's answer is coming
    if (outcome.Fault != ArchiveFault::None) {
        model_->Reset({});
        found_->setText(archivetexts::Unreadable(outcome.Fault, outcome.Detail));
        return;
    }
    if (page) {
        model_->Append(outcome.Result);
        return;
    }
    model_->Reset(outcome.Result);
    found_->setText(archivetexts::Found(outcome.Result.Count));
}

void TfmSearch::OpenRow(int row) {
    if (row < 0 || row >= model_->rowCount() || !details_ || finder_.Busy()) return;
    const ArchivedItem& found = model_->At(row);
    const ArchiveItem& item = found.Item;
    if (!item.Attachment && !found.HasFullText) {
        finder_.ShownElsewhere();
        details_->ShowText(QString::fromStdString(item.Time + ' ' + item.Text));
        return;
    }
    const QString foundText = found_->text();
    found_->setText(FromWire(texts::Loading()));
    auto restore = [this, foundText] { found_->setText(foundText); };
    finder_.Find(
        {item, Utf8ToWire(item.Key.Server), settings_.Port, Utf8ToWire(item.Key.Id)},
        [this, restore](const QString& text) {
            restore();
            details_->ShowText(text);
        },
        [this](const std::string& error) { found_->setText(QString::fromStdString(error)); },
        [this](const QString& text) {
            if (details_->isVisible()) details_->ReplaceText(text);
        });
}

}  // namespace plivant
