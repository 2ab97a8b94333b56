#include "GalleryOptions.h"

#include <QCommandLineParser>
#include <cstdio>

namespace gallery {

std::optional<GalleryOptions> ParseOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "The skin engine's test bench: a skinned form with a main "
        "menu, a modal dialog and a message box.");
    parser.addHelpOption();
    const QCommandLineOption skin("skin", "Use the skin in FILE.ssk instead of the built-in one.",
                                  "FILE.ssk");
    const QCommandLineOption noSkin("no-skin", "Leave the skin engine inactive.");
    const QCommandLineOption show("show", "Window in front at start: form, dialog or message.",
                                  "WINDOW", "form");
    const QCommandLineOption shot(
        "screenshot", "Save the front window with its frame as a PNG and exit.", "OUT.png");
    const QCommandLineOption page("page", "The page of controls shown at start.", "NAME");
    const QCommandLineOption listPages("list-pages", "Print the page names, one a line, and exit.");
    parser.addOptions({skin, noSkin, show, shot, page, listPages});
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s\n%s", qPrintable(parser.errorText()),
                     qPrintable(parser.helpText()));
        return std::nullopt;
    }
    if (parser.isSet("help")) parser.showHelp(0);
    GalleryOptions options;
    options.SkinFile = parser.value(skin);
    options.NoSkin = parser.isSet(noSkin);
    options.Show = parser.value(show);
    options.Screenshot = parser.value(shot);
    options.Page = parser.value(page);
    options.ListPages = parser.isSet(listPages);
    if (!QStringList{"form", "dialog", "message"}.contains(options.Show)) {
        std::fprintf(stderr, "--show takes form, dialog or message, not \"%s\"\n",
                     qPrintable(options.Show));
        return std::nullopt;
    }
    return options;
}

}  // namespace gallery
