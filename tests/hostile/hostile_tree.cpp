// Makes the hostile tree for trying the program by hand:
//   hostile_tree DIR [BULK]   (DIR must not exist; BULK plain files more, default 10000)
#include "tests/hostile/HostileTree.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: hostile_tree DIR [BULK]\n");
        return 2;
    }
    if (QFileInfo::exists(args[1]) || !QDir().mkpath(args[1])) {
        std::fprintf(stderr, "hostile_tree: %s exists or cannot be made\n", qPrintable(args[1]));
        return 1;
    }
    HostileTree tree;
    QString error;
    if (!makeHostileTree(QDir(args[1]).absolutePath(), args.size() == 3 ? args[2].toInt() : 10000, tree, error)) {
        std::fprintf(stderr, "hostile_tree: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
