// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "More Options" dialog: the page's extra features (whole tree,
// searchable page, thumbnails). Nothing changes until OK; Cancel and the
// close box keep the options as they were.

#include "settings/PageExtras.h"
#include "ui/FixedSizeDialog.h"

#include <memory>

namespace Ui {
class MoreOptionsDialog;
}

class MoreOptionsDialog final : public FixedSizeDialog {
    Q_OBJECT
public:
    explicit MoreOptionsDialog(QWidget *parent = nullptr);
    ~MoreOptionsDialog() override;

    // The options as last applied with OK.
    PageExtras options() const { return current; }
    // Shows options (brought into the controls' ranges); called before each opening.
    void setOptions(const PageExtras &options);

signals:
    // OK was pressed: options() holds the values shown.
    void optionsChanged();

private:
    void apply();
    void enableDependents();

    std::unique_ptr<Ui::MoreOptionsDialog> ui;
    PageExtras current;
};
