// About window: shown from the Help menu; it touches no game state.
#include "Unit3.h"

#include "ui_Unit3.h"

#include <QCoreApplication>

namespace barkmoor {

Taboutbox::Taboutbox(const PictureSource &pictures, QWidget *parent)
    : TGameDialog("aboutbox", pictures, parent)
    , ui(std::make_unique<Ui::Taboutbox>())
{
    ui->setupUi(this);
    // The form holds the version as %1.
    for (QLabel *label : { ui->Label3, ui->Label4 })
        label->setText(label->text().arg(QCoreApplication::applicationVersion()));
    SetUpWindow();
    connect(ui->Button1, &QPushButton::clicked, this, &Taboutbox::Button1Click);
}

Taboutbox::~Taboutbox() = default;

void Taboutbox::FormCreate()
{
    CopyPictures(ui->Image1, ui->Image2);
    // The first notice keeps its width and grows to hold its wrapped lines.
    ui->Label2->setFixedHeight(qMax(ui->Label2->height(), ui->Label2->heightForWidth(ui->Label2->width())));
    ui->Button1->setFocus();
}

void Taboutbox::Button1Click()
{
    CloseWindow();
}

} // namespace barkmoor
