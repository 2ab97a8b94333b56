// The "boxes" page: group boxes with and without caption, a panel and labels, plain and with a
// colour of their own.
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "GalleryPages.h"

namespace gallery {
namespace {

QGroupBox* Group(QWidget* page, const QString& title) {
    auto* box = new QGroupBox(title, page);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(new QLabel(title.isEmpty() ? "No caption" : "Inside the box", box));
    layout->addWidget(new QCheckBox("An option", box));
    return box;
}

QFrame* Panel(QWidget* page) {
    auto* panel = new QFrame(page);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(new QLabel("A sunken panel", panel));
    return panel;
}

QLabel* Coloured(QWidget* page, const QString& text, const QColor& colour) {
    auto* label = new QLabel(text, page);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

}  // namespace

QWidget* MakeBoxesPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(Group(page, "&Connection"));
    boxes->addWidget(Group(page, QString()));
    boxes->addWidget(Panel(page));
    layout->addLayout(boxes);
    auto* labels = new QHBoxLayout;
    labels->addWidget(new QLabel("A plain label", page));
    labels->addWidget(Coloured(page, "A red label keeps its colour", Qt::red));
    QLabel* disabled = new QLabel("A disabled label", page);
    disabled->setEnabled(false);
    labels->addWidget(disabled);
    layout->addLayout(labels);
    layout->addStretch(1);
    return page;
}

}  // namespace gallery
