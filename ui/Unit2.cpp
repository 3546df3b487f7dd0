// Travel window: one pick, by mouse or arrow key, is one move.
#include "Unit2.h"

#include "GameCore.h"
#include "Keyboard.h"
#include "Travel.h"
#include "Unit7.h"
#include "WindowFocus.h"
#include "WindowStyle.h"
#include "ui_Unit2.h"

#include <QListWidget>

namespace barkmoor {

Ttravel::Ttravel(const PictureSource &pictures, TWarden &warden, QWidget *parent)
    : TGameDialog("travel", pictures, parent)
    , ui(std::make_unique<Ui::Ttravel>())
    , warden(warden)
{
    ui->setupUi(this);
    SetUpWindow();
    CentreOnEveryShow();
    SetRowHeights(ui->placebox);
    // A mouse pick arrives once, on release; a key pick through the keyboard's own filter.
    connect(ui->placebox, &QListWidget::itemClicked, this, &Ttravel::placeboxClick);
    PickPlaceByKeyboard(ui->placebox, [this] { placeboxClick(); });
    CurrentRowOnlyWhileFocused(ui->placebox);
    // A reader hears the row the focus finds rather than the list, so each row says what an arrow does.
    for (int row = 0; row < ui->placebox->count(); ++row)
        ui->placebox->item(row)->setData(Qt::AccessibleDescriptionRole, ui->placebox->accessibleDescription());
}

Ttravel::~Ttravel() = default;

void Ttravel::FormCreate()
{
    CopyPictures(ui->Image1, ui->Image2);
}

void Ttravel::placeboxClick()
{
    const int row = ui->placebox->currentRow();
    if (row < 0 || row >= PlaceCount)
        return;
    // The window stays up under the messages and the Dog Catcher until the move is done.
    if (TravelTo(static_cast<std::uint8_t>(row)))
        warden.exec();
    CloseWindow();
}

} // namespace barkmoor
