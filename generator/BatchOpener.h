#pragma once
// Opens many files of one directory at once, each as DirectoryFiles::open
// does. On Linux the opens, stat calls and closes go through an io_uring,
// hundreds for each system call, where a file costs three system calls
// otherwise; where the kernel refuses io_uring (too old, disabled, filtered
// out) the files are opened one after the other. One opener per thread.

#include "generator/DirectoryAccess.h"

#include <QByteArray>

#include <functional>
#include <memory>
#include <vector>

struct FileToOpen {
    QByteArray name;    // 8-bit, as DirectoryFiles takes it
    bool read = false;  // read the file once it is open
};

class BatchOpener {
public:
    explicit BatchOpener(const DirectoryFiles &files);
    ~BatchOpener();
    BatchOpener(const BatchOpener &) = delete;
    BatchOpener &operator=(const BatchOpener &) = delete;

    // Calls done for each file, in order, with what opening it found and,
    // for a file to read that could be opened, the open file; read that
    // file only within done.
    using Done = std::function<void(size_t index, const OpenedFileFacts &facts, QIODevice *file)>;
    void openAll(const std::vector<FileToOpen> &files, const Done &done);

private:
    void openOneByOne(const std::vector<FileToOpen> &list, size_t first, size_t end, const Done &done);

    const DirectoryFiles &files;
    struct Ring;
    std::unique_ptr<Ring> ring;  // null: one file after the other
};
