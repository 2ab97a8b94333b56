// plivant-gallery: the skin engine's test bench.
#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "GalleryForm.h"
#include "GalleryOptions.h"
#include "GalleryPages.h"
#include "Screenshot.h"
#include "skin/data/SkinError.h"

int main(int argc, char** argv) {
    QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    QApplication app(argc, argv);
    QApplication::setApplicationName("plivant-gallery");
    const auto options = gallery::ParseOptions(QApplication::arguments());
    if (!options) return 2;
    if (options->ListPages) {
        for (const gallery::GalleryPage& page : gallery::GalleryPages())
            std::printf("%s\n", qPrintable(page.Name));
        return 0;
    }
    if (!options->SkinFile.isEmpty() && !QFileInfo(options->SkinFile).isFile()) {
        std::fprintf(stderr, "no skin file %s\n", qPrintable(options->SkinFile));
        return 2;
    }
    std::unique_ptr<gallery::GalleryForm> form;
    try {
        form = std::make_unique<gallery::GalleryForm>(options->SkinFile, !options->NoSkin);
    } catch (const skin::SkinError& error) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(options->SkinFile), error.what());
        return 2;
    }
    if (!options->Page.isEmpty() && !form->ShowPage(options->Page)) {
        std::fprintf(stderr, "no page %s (see --list-pages)\n", qPrintable(options->Page));
        return 2;
    }
    form->show();
    if (!options->Screenshot.isEmpty())
        gallery::ScreenshotWhenShown(form.get(), options->Screenshot);
    if (options->Show == "dialog") {
        QTimer::singleShot(0, form.get(), [&form] { form->ShowDialog(); });
    } else if (options->Show == "message") {
        QTimer::singleShot(0, form.get(), [&form] { form->ShowMessage(); });
    }
    return app.exec();
}
