// A row of column captions that takes no clicks, for the tables of the main and game-over windows.
#pragma once

#include <QHeaderView>

#include <initializer_list>
#include <utility>

class QStandardItemModel;

namespace barkmoor {

class THeaderControl : public QHeaderView {
    Q_OBJECT

public:
    explicit THeaderControl(QWidget *parent = nullptr);

    // Replaces the sections with these captions and widths, left to right.
    void SetSections(std::initializer_list<std::pair<QString, int>> sections);

private:
    QStandardItemModel *captions;
};

} // namespace barkmoor

using barkmoor::THeaderControl;
