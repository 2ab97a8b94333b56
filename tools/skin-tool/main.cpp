// plivant-skin: looks into, unpacks, packs and draws skin containers, for skin authors.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <vector>

#include "Commands.h"

namespace {

constexpr char kUsage[] =
    "usage:\n"
    "  plivant-skin info FILE|builtin [--password P]\n"
    "  plivant-skin unpack FILE|builtin DIR [--password P]\n"
    "  plivant-skin pack DIR OUT.ssk [--password P]\n"
    "  plivant-skin sheet FILE|builtin OUT.png [--password P]\n";

struct Arguments {
    std::vector<QString> Words;  // the command and its operands
    QByteArray Password;         // the bytes as given: passwords are 8-bit
};

bool Parse(int argc, char** argv, Arguments& args) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--password") == 0) {
            if (++i == argc) return false;
            args.Password = argv[i];
        } else {
            args.Words.push_back(QString::fromLocal8Bit(argv[i]));
        }
    }
    return !args.Words.empty();
}

// Runs the command; false when the words do not form one.
bool Dispatch(const Arguments& args) {
    const auto& w = args.Words;
    const QString& command = w[0];
    if (command == "info" && w.size() == 2) {
        skintool::RunInfo(w[1], args.Password);
    } else if (command == "unpack" && w.size() == 3) {
        skintool::RunUnpack(w[1], w[2], args.Password);
    } else if (command == "pack" && w.size() == 3) {
        skintool::RunPack(w[1], w[2], args.Password);
    } else if (command == "sheet" && w.size() == 3) {
        skintool::RunSheet(w[1], w[2], args.Password);
    } else {
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);  // the contact sheet draws text
    Arguments args;
    try {
        if (!Parse(argc, argv, args) || !Dispatch(args)) {
            std::fputs(kUsage, stderr);
            return 2;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
