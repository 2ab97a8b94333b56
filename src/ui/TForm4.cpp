#include "ui/TForm4.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/Accessibility.h"
#include "ui/Colors.h"

namespace plivant {

namespace {
// A window of its own to a screen reader, not a bare part of one.
QAccessibleInterface* DetailsAccessible(TForm4* window) {
    return new RoleAccessible(window, QAccessible::Window);
}
}  // namespace

TForm4::TForm4(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowCloseButtonHint) {
    InstallAccessible(&DetailsAccessible);
    setObjectName("Form4");
    setWindowTitle("Details...");
    setFont(QFont("MS Sans Serif", 8));
    resize(382, 93);
    move(423, 317);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("Memo1");
    memo_->setReadOnly(true);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    SetNewsBackground(memo_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo_);
}

void TForm4::ShowText(const QString& text) {
    ReplaceText(text);
    show();
    raise();
    activateWindow();
}

void TForm4::ReplaceText(const QString& text) {
    QString plain = text;
    plain.replace("\r\n", "\n");
    memo_->setPlainText(plain);
}

}  // namespace plivant
