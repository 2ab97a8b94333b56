#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace gallery {

// What the gallery was asked for on its command line.
struct GalleryOptions {
    QString SkinFile;        // --skin: this skin instead of the built-in one
    bool NoSkin = false;     // --no-skin: the engine stays inactive
    QString Show = "form";   // --show: form, dialog or message in front at start
    QString Screenshot;      // --screenshot: save the front window and exit
    QString Page;            // --page: the page shown at start
    bool ListPages = false;  // --list-pages: print the page names and exit
};

// The options, or nothing after printing the reason (and the usage) to the error stream.
std::optional<GalleryOptions> ParseOptions(const QStringList& arguments);

}  // namespace gallery
