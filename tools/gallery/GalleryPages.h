#pragma once

#include <QString>
#include <vector>

class QWidget;

namespace gallery {

// One page of the gallery's form: a set of controls to look at under the skin.
struct GalleryPage {
    QString Name;
    QWidget* (*Make)(QWidget* parent);
};

// The pages in the order the form shows them.
const std::vector<GalleryPage>& GalleryPages();

// The pages' makers, each in its own file under pages/.
QWidget* MakeFormPage(QWidget* parent);
QWidget* MakeButtonsPage(QWidget* parent);
QWidget* MakeChecksPage(QWidget* parent);
QWidget* MakeBarsPage(QWidget* parent);
QWidget* MakeBoxesPage(QWidget* parent);
QWidget* MakeEditsPage(QWidget* parent);
QWidget* MakeListsPage(QWidget* parent);
QWidget* MakeCombosPage(QWidget* parent);
QWidget* MakeTabsPage(QWidget* parent);
QWidget* MakeSlidersPage(QWidget* parent);
QWidget* MakeProgressPage(QWidget* parent);
QWidget* MakeMdiPage(QWidget* parent);

}  // namespace gallery
