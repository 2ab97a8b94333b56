// plivant-skin-art-preview SHEET.png [MOCKUP.png]: the built-in skin's pictures enlarged on one
// sheet, and optionally a mock window and controls drawn from them with the skin primitives.
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

#include "Preview.h"

using namespace skin::artwork::preview;

namespace {

QImage Mockup() {
    const QImage active = MockWindow(QSize(620, 430), QColor(36, 52, 78), true);
    const QImage light = MockWindow(QSize(300, 150), QColor(232, 232, 232), false);
    QImage sheet(active.width() * 2 + 40, active.height() * 2 + light.height() * 2 + 60,
                 QImage::Format_RGB32);
    sheet.fill(QColor(90, 90, 90));
    QPainter painter(&sheet);
    painter.drawImage(10, 10, active);
    painter.drawImage(active.width() + 30, 10, light);
    painter.drawImage(active.width() + 30, light.height() + 30,
                      MockMinimized(QColor(232, 232, 232)));
    painter.drawImage(active.width() + 30, light.height() + 70, MockMinimized(QColor(36, 52, 78)));
    // The top left corner and the caption buttons four times as large, to see the pixels.
    const QRect corner(0, 0, 150, 70);
    const QRect buttons(active.width() - 150, 0, 150, 70);
    const int y = active.height() + 30;
    painter.drawImage(QRect(10, y, 600, 280), active.copy(corner));
    painter.drawImage(QRect(active.width() + 30, y, 600, 280), active.copy(buttons));
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s SHEET.png [MOCKUP.png]\n", argv[0]);
        return 2;
    }
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    if (!ElementSheet(4).save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    if (argc == 3 && !Mockup().save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
