#include "ui/TfmPopup.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "feed/TextCodec.h"
#include "ui/Colors.h"

namespace plivant {

TfmPopup::TfmPopup(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("fmPopup");
    setFont(QFont("Tahoma", 8));
    setFixedSize(177, 167);
    SetNewsBackground(this);
    news_ = new QPlainTextEdit(this);
    news_->setObjectName("mNews");
    news_->setReadOnly(true);
    news_->setFrameShape(QFrame::NoFrame);
    news_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    news_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    news_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    SetNewsBackground(news_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(news_);
}

void TfmPopup::ClearNews() { news_->clear(); }

void TfmPopup::AddNewsLine(const std::string& line) { news_->appendPlainText(FromWire(line)); }

}  // namespace plivant
