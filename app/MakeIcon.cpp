// Writes the program icon as a PNG for the desktop entry: vyr_make_icon OUT.png [SIZE]
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

#include "app/dialogs/Artwork.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: vyr_make_icon OUT.png [SIZE]\n", stderr);
        return 2;
    }
    const int size = argc > 2 ? std::atoi(argv[2]) : 256;
    if (!vyr::programIcon(size).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "vyr_make_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
