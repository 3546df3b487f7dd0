// Dog Catcher window: a thin face over the encounter rules in core.
#include "Unit7.h"

#include "Catcher.h"
#include "ScreenReader.h"
#include "ui_Unit7.h"

#include <QPushButton>

namespace barkmoor {

TWarden::TWarden(const PictureSource &pictures, QWidget *parent)
    : TGameDialog("Warden", pictures, parent)
    , ui(std::make_unique<Ui::TWarden>())
{
    ui->setupUi(this);
    SetUpWindow();
    CentreOnEveryShow();
    openingText = ui->Label2->text();
    connect(ui->Button1, &QPushButton::clicked, this, &TWarden::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &TWarden::Button2Click);
    connect(ui->Button3, &QPushButton::clicked, this, &TWarden::Button3Click);
}

TWarden::~TWarden() = default;

void TWarden::Button3Click()
{
    CloseWindow();
}

void TWarden::FormCreate()
{
    CopyPictures(ui->Image1, ui->Image2);
    ShowChoices();
}

void TWarden::Button1Click()
{
    ShowOutcome(RunFromCatcher());
}

void TWarden::FormClose()
{
    ShowChoices();
    ui->Label2->setText(openingText);
}

void TWarden::Button2Click()
{
    ShowOutcome(FightCatcher());
}

void TWarden::ShowOutcome(const std::string &text)
{
    ui->Button1->hide();
    ui->Button2->hide();
    ui->Button3->show();
    ui->Label2->setText(QString::fromStdString(text));
    // A reader skips the text once the window is up; with OK it is heard.
    Announce(ui->Button3, ui->Label2->text());
    ui->Button3->setFocus();
}

void TWarden::ShowChoices()
{
    ui->Button1->show();
    ui->Button2->show();
    ui->Button3->hide();
    ui->Button1->setFocus();
}

} // namespace barkmoor
