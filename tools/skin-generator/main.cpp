// plivant-skin-generator OUT.ssk: writes the built-in skin container, which the program embeds.
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "BuiltinSkinTable.h"
#include "art/Artwork.h"
#include "skin/data/Bitmap.h"
#include "skin/data/ContainerWriter.h"
#include "skin/data/Sk2Archive.h"

namespace {

QByteArray DrawBitmap(const skin::builtin::ElementSpec& spec) {
    const QImage image = skin::artwork::DrawElement(QString::fromLatin1(spec.Name), spec.Size);
    if (image.size() != spec.Size) {
        throw std::runtime_error(std::string("artwork of ") + spec.Name + " has the wrong size");
    }
    return skin::Bitmap(image).ToBmp();
}

skin::SkinElements BuiltinElements() {
    skin::SkinElements elements;
    for (const auto& spec : skin::builtin::Elements()) {
        switch (spec.Kind) {
            case skin::ekBitmap:
                elements.push_back(skin::SkinElement::Bitmap(spec.Name, DrawBitmap(spec)));
                break;
            case skin::ekInteger:
                elements.push_back(skin::SkinElement::Integer(spec.Name, spec.Value));
                break;
            default:
                elements.push_back(skin::SkinElement::Boolean(spec.Name, spec.Value));
                break;
        }
    }
    return elements;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);  // the artwork may draw text
    if (argc != 2) {
        std::fprintf(stderr, "usage: plivant-skin-generator OUT.ssk\n");
        return 2;
    }
    try {
        const QByteArray container =
            skin::WriteSkinContainer(skin::WriteSk2Archive(BuiltinElements()));
        QFile out(QString::fromLocal8Bit(argv[1]));
        if (!out.open(QIODevice::WriteOnly) || out.write(container) != container.size()) {
            throw std::runtime_error("cannot write " + std::string(argv[1]));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "plivant-skin-generator: %s\n", e.what());
        return 1;
    }
    return 0;
}
