#include "CliView.h"

#include <GenerationOptions.h>

#include <QHash>

FileSelection selectFiles(const QStringList &items, const QStringList &names)
{
    FileSelection s;
    if (names.isEmpty()) {
        s.selected.assign(size_t(items.size()), true);
        s.count = int(items.size());
        return s;
    }
    s.selected.assign(size_t(items.size()), false);
    QHash<QString, qsizetype> position;
    position.reserve(items.size());
    for (qsizetype i = 0; i < items.size(); ++i)
        position.insert(items.at(i), i);
    for (const QString &n : names) {
        const auto it = position.constFind(n);
        if (it == position.constEnd()) {
            if (!s.missing.contains(n))
                s.missing << n;
            continue;
        }
        if (!s.selected[size_t(*it)]) {
            s.selected[size_t(*it)] = true;
            ++s.count;
        }
    }
    return s;
}

CliView::CliView(const CliArguments &arguments, const GenerationOptions &options, const QString &dir,
                 QStringList listItems, FileSelection sel)
    : args(arguments),
      title(arguments.title.value_or(options.DefaultTitle)),
      // An unticked "Document Heading" empties and disables the field.
      heading(arguments.noHeading ? QString() : arguments.heading.value_or(options.DefaultHeading)),
      name(arguments.name.value_or(options.DefaultFileName)),
      directory(dir),
      items(std::move(listItems)),
      selection(std::move(sel))
{
}
