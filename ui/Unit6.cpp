// Game over: shows the score and the table built by the high-score rules.
#include "Unit6.h"

#include "GameCore.h"
#include "HighScores.h"
#include "ScreenReader.h"
#include "ui_Unit6.h"

#include <QDate>
#include <QLocale>
#include <QTextBoundaryFinder>

namespace barkmoor {

namespace {

// Today in the system's short date format; a system with no locale of its own gets
// month/day/two-digit year rather than Qt's neutral "7 Dec 2026", which the date column
// has no room for.
QString TodayText()
{
    const QLocale system = QLocale::system();
    const QDate today = QDate::currentDate();
    if (system.language() == QLocale::C)
        return today.toString(QStringLiteral("M/d/yy"));
    return system.toString(today, QLocale::ShortFormat);
}

} // namespace

std::string FirstVisibleCharacters(const std::string &text, std::size_t count)
{
    const QString shown = QString::fromStdString(text);
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, shown);
    qsizetype end = 0;
    for (std::size_t kept = 0; kept < count && end >= 0 && end < shown.size(); ++kept)
        end = characters.toNextBoundary();
    if (end < 0 || end >= shown.size())
        return text;
    return shown.left(end).toStdString();
}

TGameOverBox::TGameOverBox(QWidget &mainWindow, const PictureSource &pictures)
    : TGameDialog("GameOverBox", pictures, &mainWindow)
    , ui(std::make_unique<Ui::TGameOverBox>())
    , mainWindow(mainWindow)
{
    ui->setupUi(this);
    SetUpWindow();
    // The name the player types is cut where the player sees a character end.
    SetCharacterCut(FirstVisibleCharacters);
    // A right-to-left name starts where the others do rather than at the date column.
    for (QLabel *name : { ui->Name1, ui->Name2, ui->Name3 })
        name->setAlignment(name->alignment() | Qt::AlignAbsolute);
    ui->HeaderControl2->SetSections({ { QStringLiteral("Score"), 80 }, { QStringLiteral("The Top Snorfle"), 190 },
        { QStringLiteral("Date"), 60 } });
    connect(ui->exitgamebttn, &QPushButton::clicked, this, &TGameOverBox::exitgamebttnClick);
    connect(ui->newgamebttn, &QPushButton::clicked, this, &TGameOverBox::newgamebttnClick);
}

TGameOverBox::~TGameOverBox() = default;

void TGameOverBox::FormShow()
{
    mainWindow.hide();
    CopyPictures(ui->Image1, ui->Image2);
    ui->totalcash->setText(QStringLiteral("$%1").arg(FinalScore()));
    TopSnorfleWinner();

    QLabel *const scores[] = { ui->score1, ui->Score2, ui->Score3 };
    QLabel *const names[] = { ui->Name1, ui->Name2, ui->Name3 };
    QLabel *const dates[] = { ui->Date1, ui->Date2, ui->Date3 };
    for (std::size_t entry = 0; entry < HighScoreTable.size(); ++entry) {
        scores[entry]->setText(QString::number(HighScoreTable[entry].Score));
        const QString name = QString::fromStdString(HighScoreTable[entry].Name);
        names[entry]->setText(name);
        // Read row by row: the rank, then name, date and score in the order of the labels.
        names[entry]->setAccessibleName(QStringLiteral("%1. %2").arg(entry + 1).arg(name));
        dates[entry]->setText(QString::fromStdString(HighScoreTable[entry].Date));
    }

    ui->endgamemessage->clear();
    ui->endgamemessage->setText(QString::fromStdString(Verdict(FinalScore())));
    // A reader skips short labels once the window is up, so the buttons say the score and table
    // for as long as the window is up.
    QStringList heard { ui->Label4->text() + QLatin1Char(' ') + ui->totalcash->text() };
    for (std::size_t entry = 0; entry < HighScoreTable.size(); ++entry)
        heard << QStringLiteral("%1, %2, %3")
                     .arg(names[entry]->accessibleName(), scores[entry]->text(), dates[entry]->text());
    const QString table = heard.join(QStringLiteral(". "));
    for (QPushButton *button : { ui->exitgamebttn, ui->newgamebttn })
        Announce(button, table, table);
    ui->exitgamebttn->setFocus();
}

void TGameOverBox::TopSnorfleWinner()
{
    RankFinalScore(TodayText().toStdString());
}

void TGameOverBox::exitgamebttnClick()
{
    // The main window's close ends the program once this handler has returned.
    mainWindow.close();
    CloseWindow();
}

void TGameOverBox::newgamebttnClick()
{
    Game.NewGameRequested = 1;
    CloseWindow();
    mainWindow.show();
    mainWindow.raise();
    mainWindow.activateWindow();
}

} // namespace barkmoor
