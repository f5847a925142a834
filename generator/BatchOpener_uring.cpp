// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/BatchOpener.h"

#include "generator/DescriptorDevice.h"

#include <liburing.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr unsigned kBatch = 128;          // files in flight at once, far below any descriptor limit
constexpr quint64 kCloseTag = 1u << 16;   // marks a close's completion

// The ring, and per file of the batch in flight its descriptor and status.
// A file the ring could not open and stat is opened once more the usual
// way, which gives the answer: the ring only speeds up the files that open.
struct Ring {
    io_uring ring;
    std::array<int, kBatch> fd;
    std::array<int, kBatch> statResult;
    std::array<struct statx, kBatch> stat;

    // False where the kernel refuses io_uring or lacks an operation.
    bool start()
    {
        if (io_uring_queue_init(2 * kBatch, &ring, 0) != 0)
            return false;
        io_uring_probe *probe = io_uring_get_probe_ring(&ring);
        const bool supported = probe && io_uring_opcode_supported(probe, IORING_OP_OPENAT)
                               && io_uring_opcode_supported(probe, IORING_OP_STATX)
                               && io_uring_opcode_supported(probe, IORING_OP_CLOSE);
        if (probe)
            io_uring_free_probe(probe);
        if (!supported)
            io_uring_queue_exit(&ring);
        return supported;
    }
    void stop() { io_uring_queue_exit(&ring); }

    io_uring_sqe *nextEntry()
    {
        io_uring_sqe *sqe = io_uring_get_sqe(&ring);
        if (!sqe && io_uring_submit(&ring) >= 0)
            sqe = io_uring_get_sqe(&ring);
        return sqe;
    }

    // Submits what is queued and hands each of count completions to take.
    template <typename Take>
    bool complete(unsigned count, Take take)
    {
        unsigned seen = 0;
        while (seen < count) {
            const int r = io_uring_submit_and_wait(&ring, count - seen);
            if (r < 0 && r != -EINTR && r != -EAGAIN && r != -EBUSY)
                return false;
            unsigned head;
            unsigned n = 0;
            io_uring_cqe *cqe;
            io_uring_for_each_cqe(&ring, head, cqe) {
                take(cqe->user_data, cqe->res);
                ++n;
            }
            io_uring_cq_advance(&ring, n);
            seen += n;
        }
        return true;
    }

    // First all opens, then for each open file its stat call: the stat must
    // see the open file. Only files to be read go through the ring: a file
    // only looked at costs two plain calls (DirectoryFiles::check), fewer
    // than the ring's open, stat and close, which it runs on worker threads
    // of the kernel.
    bool run(const std::vector<FileToOpen> &list, size_t first, size_t count, int dirFd)
    {
        unsigned queued = 0;
        for (size_t i = 0; i < count; ++i) {
            fd[i] = -EINVAL;
            const QByteArray &name = list[first + i].name;
            // A file not to be read is checked without opening it (handOn).
            if (!list[first + i].read || name.contains('\0'))
                continue;
            io_uring_sqe *sqe = nextEntry();
            if (!sqe)
                return false;
            io_uring_prep_openat(sqe, dirFd, name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0);
            io_uring_sqe_set_data64(sqe, i);
            ++queued;
        }
        if (!complete(queued, [&](quint64 i, int res) { fd[i] = res; }))
            return false;

        queued = 0;
        for (size_t i = 0; i < count; ++i) {
            statResult[i] = -EBADF;
            if (fd[i] < 0)
                continue;
            io_uring_sqe *sqe = nextEntry();
            if (!sqe)
                return false;
            io_uring_prep_statx(sqe, fd[i], "", AT_EMPTY_PATH, STATX_TYPE | STATX_SIZE | STATX_MTIME, &stat[i]);
            io_uring_sqe_set_data64(sqe, i);
            ++queued;
        }
        return complete(queued, [&](quint64 i, int res) { statResult[i] = res; });
    }

    // Closes the files kept open for reading.
    void closeAll(const std::vector<int> &fds)
    {
        unsigned queued = 0;
        for (const int descriptor : fds) {
            io_uring_sqe *sqe = nextEntry();
            if (!sqe) {
                ::close(descriptor);
                continue;
            }
            io_uring_prep_close(sqe, descriptor);
            io_uring_sqe_set_data64(sqe, kCloseTag);
            ++queued;
        }
        complete(queued, [](quint64, int) {});
    }

    bool statComplete(size_t i) const
    {
        const unsigned needed = STATX_TYPE | STATX_SIZE | STATX_MTIME;
        return statResult[i] == 0 && (stat[i].stx_mask & needed) == needed;
    }
};

class RingOpener final : public BatchOpener {
public:
    ~RingOpener() override
    {
        if (ring)
            ring->stop();
    }

    void openAll(const DirectoryFiles &files, const std::vector<FileToOpen> &list, const Done &done) override
    {
        for (size_t first = 0; first < list.size(); first += kBatch) {
            const size_t count = qMin<size_t>(kBatch, list.size() - first);
            if (!useRing(files, list, first, count)) {
                openSerially(files, list, first, first + count, done);
                continue;
            }
            if (!ring->run(list, first, count, files.descriptor())) {
                // The ring itself failed, which no kernel has been seen to do:
                // the batch is opened again the usual way, and the ring is
                // dropped. Descriptors it left open stay so: closing them now
                // could close another thread's.
                ring->stop();
                ring.reset();
                refused = true;
                openSerially(files, list, first, first + count, done);
                continue;
            }
            handOn(files, list, first, count, done);
        }
    }

private:
    // Whether the batch goes through the ring: only files to be read do,
    // so the ring is set up when the first of them comes.
    bool useRing(const DirectoryFiles &files, const std::vector<FileToOpen> &list, size_t first, size_t count)
    {
        if (refused || files.descriptor() < 0)
            return false;
        const auto begin = list.begin() + qsizetype(first);
        if (std::none_of(begin, begin + qsizetype(count), [](const FileToOpen &f) { return f.read; }))
            return false;
        if (!ring) {
            auto started = std::make_unique<Ring>();
            if (!started->start()) {
                refused = true;
                return false;
            }
            ring = std::move(started);
        }
        return true;
    }

    // Hands on the batch the ring opened; a file it could not open and stat
    // is opened once more the usual way.
    void handOn(const DirectoryFiles &files, const std::vector<FileToOpen> &list, size_t first, size_t count,
                const Done &done)
    {
        std::vector<int> read;  // files kept open for reading, to close
        for (size_t i = 0; i < count; ++i) {
            const FileToOpen &file = list[first + i];
            if (!file.read) {
                done(first + i, files.check(file.name), nullptr);
                continue;
            }
            const int fd = ring->fd[i];
            if (fd >= 0)
                read.push_back(fd);
            if (fd < 0 || !ring->statComplete(i)) {
                openSerially(files, list, first + i, first + i + 1, done);
                continue;
            }
            const struct statx &st = ring->stat[i];
            OpenedFileFacts facts;
            if (S_ISREG(st.stx_mode))
                facts = {true, qint64(st.stx_size), qint64(st.stx_mtime.tv_sec)};
            if (facts.ok) {
                DescriptorDevice device(fd, facts.size);
                done(first + i, facts, &device);
            } else {
                done(first + i, facts, nullptr);
            }
        }
        ring->closeAll(read);
    }

    std::unique_ptr<Ring> ring;  // set up for the first file to read
    bool refused = false;        // the kernel refused the ring, or it failed: one file after the other
};

} // namespace

std::unique_ptr<BatchOpener> makeBatchOpener()
{
    // The switch lets the serial opener be tested on a machine whose kernel
    // offers io_uring, and a user step around a kernel that misbehaves.
    if (qEnvironmentVariableIsSet("QUORVANT_NO_IO_URING"))
        return makeSerialOpener();
    return std::make_unique<RingOpener>();
}
