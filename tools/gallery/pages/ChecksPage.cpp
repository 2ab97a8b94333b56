// The "checks" page: check boxes checked, unchecked and partially checked, and radio buttons
// checked and unchecked, each enabled and disabled.
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

#include "GalleryPages.h"

namespace gallery {
namespace {

QCheckBox* Check(QWidget* page, const QString& text, Qt::CheckState state, bool enabled) {
    auto* box = new QCheckBox(text, page);
    box->setTristate(state == Qt::PartiallyChecked);
    box->setCheckState(state);
    box->setEnabled(enabled);
    return box;
}

// A checked and an unchecked radio button on a holder of their own, so that each pair keeps
// its own choice.
QWidget* RadioPair(QWidget* page, bool enabled) {
    auto* holder = new QWidget(page);
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* on = new QRadioButton("Checked", holder);
    on->setChecked(true);
    layout->addWidget(on);
    layout->addWidget(new QRadioButton("Unchecked", holder));
    holder->setEnabled(enabled);
    return holder;
}

}  // namespace

QWidget* MakeChecksPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* grid = new QGridLayout(page);
    const struct {
        const char* Text;
        Qt::CheckState State;
    } checks[] = {
        {"Checked", Qt::Checked}, {"Unchecked", Qt::Unchecked}, {"Partial", Qt::PartiallyChecked}};
    for (int row = 0; row < 2; ++row) {
        const bool enabled = row == 0;
        grid->addWidget(new QLabel(enabled ? "Enabled:" : "Disabled:", page), row, 0);
        for (int i = 0; i < 3; ++i) {
            grid->addWidget(Check(page, checks[i].Text, checks[i].State, enabled), row, i + 1);
        }
        grid->addWidget(new QLabel(enabled ? "Radios:" : "Disabled radios:", page), row + 2, 0);
        grid->addWidget(RadioPair(page, enabled), row + 2, 1, 1, 2);
    }
    grid->setRowStretch(4, 1);
    return page;
}

}  // namespace gallery
