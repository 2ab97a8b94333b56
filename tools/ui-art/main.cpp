// plivant-ui-art: draws the program icon, the logo and the menu images as PNG files.
//   plivant-ui-art OUTPUT_DIR [--sheets SHEET_DIR]
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "ArtKit.h"
#include "ContactSheet.h"
#include "Logo.h"
#include "MenuImages.h"
#include "ProgramIcon.h"

namespace {

using plivant::art::NamedImage;

bool Save(const QImage& image, const QString& dir, const QString& name) {
    const QString path = dir + "/" + name + ".png";
    if (image.save(path)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

QVector<NamedImage> Icons() {
    QVector<NamedImage> icons;
    for (int size : plivant::art::ProgramIconSizes()) {
        icons.append({QString("icon-%1").arg(size), plivant::art::ProgramIconImage(size)});
    }
    return icons;
}

QVector<QImage> MenuImages() {
    QVector<QImage> images;
    for (int i = 0; i < plivant::art::kMenuImageCount; ++i) {
        images.append(plivant::art::MenuImage(i));
    }
    return images;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Draws the program icon, the logo and the menu images.");
    parser.addHelpOption();
    parser.addPositionalArgument("output", "Folder for the PNG files (resources/images).");
    parser.addOption({"sheets", "Also write review sheets into <dir>.", "dir"});
    parser.process(app);
    if (parser.positionalArguments().size() != 1) parser.showHelp(2);

    const QString dir = parser.positionalArguments().front();
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir));
        return 1;
    }
    const QVector<NamedImage> icons = Icons();
    const QVector<QImage> menuImages = MenuImages();
    const QImage logo = plivant::art::LogoImage();
    bool ok = Save(logo, dir, "logo") && Save(plivant::art::LogoImage(2), dir, "logo@2x");
    for (const auto& icon : icons) ok = Save(icon.image, dir, icon.name) && ok;
    for (int i = 0; i < menuImages.size(); ++i) {
        ok = Save(menuImages[i], dir, QString("menu-%1").arg(i)) && ok;
    }
    const int colours = plivant::art::CountColours(plivant::art::ProgramIconImage(32));
    if (colours > 16) {
        std::fprintf(stderr, "icon-32 uses %d colours, more than 16\n", colours);
        ok = false;
    }
    if (parser.isSet("sheets")) {
        ok =
            plivant::art::WriteContactSheets(icons, logo, menuImages, parser.value("sheets")) && ok;
    }
    return ok ? 0 : 1;
}
