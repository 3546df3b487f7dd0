// Travel window: one pick, by mouse or arrow key, is one move.
#include "Unit2.h"

#include "GameCore.h"
#include "Travel.h"
#include "Unit7.h"
#include "WindowStyle.h"
#include "ui_Unit2.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace barkmoor {

Ttravel *travel = nullptr;

namespace {
constexpr int RowHeight = 13;
}

Ttravel::Ttravel(QWidget *parent)
    : TGameDialog("travel", parent)
    , ui(std::make_unique<Ui::Ttravel>())
{
    ui->setupUi(this);
    SetUpWindow(274, 161);
    CentreOnEveryShow();
    for (int row = 0; row < ui->placebox->count(); ++row)
        ui->placebox->item(row)->setSizeHint(QSize(ui->placebox->width(), RowHeight));
    // A mouse pick arrives once, on release; keyboard picks are caught in eventFilter.
    connect(ui->placebox, &QListWidget::itemClicked, this, &Ttravel::placeboxClick);
    ui->placebox->installEventFilter(this);
}

Ttravel::~Ttravel() = default;

void Ttravel::FormCreate()
{
    CopyMainPictures(ui->Image1, ui->Image2);
}

bool Ttravel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->placebox && event->type() == QEvent::KeyPress) {
        // Let the list move its highlight first; a changed row is a pick.
        const int before = ui->placebox->currentRow();
        ui->placebox->removeEventFilter(this);
        QCoreApplication::sendEvent(ui->placebox, event);
        ui->placebox->installEventFilter(this);
        if (ui->placebox->currentRow() != before && ui->placebox->currentRow() >= 0)
            placeboxClick();
        return true;
    }
    return TGameDialog::eventFilter(watched, event);
}

void Ttravel::placeboxClick()
{
    const int row = ui->placebox->currentRow();
    if (row < 0 || row >= PlaceCount)
        return;
    // The window stays up under the messages and the Dog Catcher until the move is done.
    if (TravelTo(static_cast<std::uint8_t>(row)))
        Warden->exec();
    CloseWindow();
}

} // namespace barkmoor
