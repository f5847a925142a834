// SPDX-License-Identifier: GPL-3.0-or-later
// The window's file list on a large directory, offscreen: the time to load it
// (read the directory, fill the list, paint) and to "Select All" (select every
// row, count the selection for the status bar, repaint). Median of 5.
//   bench_filelist DIR

#include "ui/FileListBox.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

double medianOf(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double timeMs(const std::function<void()> &work)
{
    QElapsedTimer t;
    t.start();
    work();
    QApplication::processEvents();  // the paint belongs to the measured step
    return double(t.nsecsElapsed()) / 1e6;
}

struct List {
    FileListBox box;
    void load(const QString &dir) { box.setDirectory(dir); }
    int selectAll()
    {
        box.selectAllItems();
        return box.selectedCount();
    }
    int walk() const
    {
        int n = 0;
        for (int i = 0; i < box.count(); ++i)
            n += box.isSelected(i) ? 1 : 0;
        return n;
    }
    QWidget &widget() { return box; }
    static const char *kind() { return "FileListBox (the window's file list)"; }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        fprintf(stderr, "usage: bench_filelist DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);

    std::vector<double> load, selectAll, walk;
    int walked = 0, selected = 0;
    for (int run = 0; run < 5; ++run) {
        auto list = std::make_unique<List>();
        list->widget().resize(161, 212);
        list->widget().show();
        QApplication::processEvents();
        load.push_back(timeMs([&] { list->load(dir); }));
        selectAll.push_back(timeMs([&] { selected = list->selectAll(); }));
        walk.push_back(timeMs([&] { walked = list->walk(); }));
    }
    printf("list: %s\n", List::kind());
    printf("selected by Select All: %d, found selected by a walk over every row: %d\n", selected, walked);
    printf("load_ms: %.1f\n", medianOf(load));
    printf("select_all_ms: %.1f\n", medianOf(selectAll));
    printf("selection_walk_ms: %.1f\n", medianOf(walk));
    return walked == selected ? 0 : 1;
}
