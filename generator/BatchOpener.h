// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens many files of a directory, each as DirectoryFiles::open does, and
// hands them on in list order; a file not to be read is only checked
// (DirectoryFiles::check). Two kinds, one per file: the one-call-at-a-time
// opener (BatchOpener_serial.cpp, everywhere), and on Linux, where the build
// has liburing, one that puts the opens, stat calls and closes of the files
// to read, hundreds at a time, into each system call through an io_uring
// (BatchOpener_uring.cpp). One opener per thread, for any directory.

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
    virtual ~BatchOpener() = default;

    // Calls done for each file, in order, with what opening it found and,
    // for a file to read that could be opened, the open file; read that
    // file only within done.
    using Done = std::function<void(size_t index, const OpenedFileFacts &facts, QIODevice *file)>;
    virtual void openAll(const DirectoryFiles &directory, const std::vector<FileToOpen> &files, const Done &done) = 0;
};

// The fastest opener here: the io_uring one where the build has it, the
// kernel allows it (not too old, not disabled or filtered out) and the
// environment does not hold QUORVANT_NO_IO_URING; otherwise the serial one.
std::unique_ptr<BatchOpener> makeBatchOpener();

// Opens files[first] to files[end - 1] one after the other, calling done
// with each index.
void openSerially(const DirectoryFiles &files, const std::vector<FileToOpen> &list, size_t first, size_t end,
                  const BatchOpener::Done &done);
std::unique_ptr<BatchOpener> makeSerialOpener();
