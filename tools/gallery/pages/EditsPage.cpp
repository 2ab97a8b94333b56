// Edits and memos: the skin's flat border and the memos' scroll bars.
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "../GalleryPages.h"

namespace gallery {
namespace {

constexpr QSize kPageSize{640, 330};

QString ManyLines(const QString& line, int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines << QString("%1 %2").arg(i, 2).arg(line);
    return lines.join('\n');
}

QLineEdit* Edit(const QString& text, QWidget* parent) { return new QLineEdit(text, parent); }

}  // namespace

QWidget* MakeEditsPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setMinimumSize(kPageSize);
    auto* grid = new QGridLayout(page);
    auto* disabled = Edit("Disabled", page);
    disabled->setEnabled(false);
    auto* readOnly = Edit("Read-only", page);
    readOnly->setReadOnly(true);
    auto* frameless = Edit("No frame", page);
    frameless->setFrame(false);
    grid->addWidget(new QLabel("Normal:", page), 0, 0);
    grid->addWidget(Edit("Vetrasol Plivant", page), 0, 1);
    grid->addWidget(new QLabel("Disabled:", page), 0, 2);
    grid->addWidget(disabled, 0, 3);
    grid->addWidget(new QLabel("Read-only:", page), 1, 0);
    grid->addWidget(readOnly, 1, 1);
    grid->addWidget(new QLabel("No frame:", page), 1, 2);
    grid->addWidget(frameless, 1, 3);
    const QString line = "EUR/USD rises after the central bank keeps its rates unchanged again";
    auto* text = new QTextEdit(page);
    text->setLineWrapMode(QTextEdit::NoWrap);
    text->setPlainText(ManyLines("Text edit: " + line, 30));
    auto* plain = new QPlainTextEdit(ManyLines("Plain text edit: " + line, 30), page);
    plain->setLineWrapMode(QPlainTextEdit::NoWrap);
    grid->addWidget(text, 2, 0, 1, 2);
    grid->addWidget(plain, 2, 2, 1, 2);
    grid->setRowStretch(2, 1);
    return page;
}

}  // namespace gallery
