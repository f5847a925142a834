// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/BatchOpener.h"

namespace {

class SerialOpener final : public BatchOpener {
public:
    void openAll(const DirectoryFiles &files, const std::vector<FileToOpen> &list, const Done &done) override
    {
        openSerially(files, list, 0, list.size(), done);
    }
};

} // namespace

void openSerially(const DirectoryFiles &files, const std::vector<FileToOpen> &list, size_t first, size_t end,
                  const BatchOpener::Done &done)
{
    for (size_t i = first; i < end; ++i) {
        if (!list[i].read) {
            done(i, files.check(list[i].name), nullptr);
            continue;
        }
        bool handed = false;
        const OpenedFileFacts facts = files.open(list[i].name, [&](const OpenedFileFacts &opened, QIODevice &in) {
            handed = true;
            done(i, opened, &in);
        });
        if (!handed)
            done(i, facts, nullptr);
    }
}

std::unique_ptr<BatchOpener> makeSerialOpener()
{
    return std::make_unique<SerialOpener>();
}
