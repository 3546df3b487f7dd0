// The game-over window: what it shows after a game, the name prompt standing alone on the
// screen, and its two ways out, one of which must really end the program.
#include "WindowTesting.h"

#include "Unit1.h"
#include "Unit6.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

// The three table rows as "score|name|date".
QStringList Rows(QWidget *box)
{
    return { ControlText(box, "score1") + '|' + ControlText(box, "Name1") + '|' + ControlText(box, "Date1"),
        ControlText(box, "Score2") + '|' + ControlText(box, "Name2") + '|' + ControlText(box, "Date2"),
        ControlText(box, "Score3") + '|' + ControlText(box, "Name3") + '|' + ControlText(box, "Date3") };
}

// Today as the date column shows it under the C locale the window tests run in: month and
// day without a leading zero, the year in two digits (7 December 2026 is "12/7/26").
QString Today()
{
    const QDate today = QDate::currentDate();
    return QStringLiteral("%1/%2/%3")
        .arg(today.month())
        .arg(today.day())
        .arg(today.year() % 100, 2, 10, QLatin1Char('0'));
}

QStringList VisibleWindows()
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            names << w->objectName();
    return names;
}

void EndGameWith(std::int32_t cash, std::int32_t savings, std::int32_t debt)
{
    Game.Cash = cash;
    Game.Savings = savings;
    Game.Debt = debt;
}

// Counts the requests to end the program that reach the application object.
class QuitCounter final : public QObject {
public:
    QuitCounter() { qApp->installEventFilter(this); }
    ~QuitCounter() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject *target, QEvent *event) override
    {
        if (target == qApp && event->type() == QEvent::Quit)
            ++quits;
        return false;
    }
    int quits = 0;
};

class GameOverTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        MakeWindows();
        SnorfleMain->show();
    }
};

} // namespace

// A lost game: layout, score with its sign, the starting table, the verdict, no prompt;
// "New Game" asks for a new game and brings the main window back.
TEST_F(GameOverTest, LostGameAndNewGame)
{
    QWidget *w = GameOverBox;
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Barkmoor - Game Over"));
    EXPECT_FALSE(w->windowFlags() & Qt::WindowCloseButtonHint);
    ExpectNothingClipped(w);
    auto *header = w->findChild<QHeaderView *>(QStringLiteral("HeaderControl2"));
    ASSERT_EQ(header->count(), 3);
    EXPECT_FALSE(header->isEnabled());
    EXPECT_FALSE(header->sectionsClickable());
    // Each caption fits its section and is drawn inside the header.
    const QFontMetrics metrics(header->font());
    const char *const captions[] = { "Score", "The Top Snorfle", "Date" };
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(header->model()->headerData(i, Qt::Horizontal).toString(), QLatin1String(captions[i]));
        const int width = metrics.horizontalAdvance(QLatin1String(captions[i]));
        EXPECT_LT(width, header->sectionSize(i)) << captions[i];
        EXPECT_LT(header->sectionPosition(i) + width, header->width()) << captions[i];
    }
    EXPECT_TRUE(w->findChild<QLabel *>(QStringLiteral("endgamemessage"))->wordWrap());

    EndGameWith(2000, 0, 5500);
    ModalScript script;
    script.Expect(QStringLiteral("GameOverBox"), [](QWidget *box) {
        EXPECT_FALSE(SnorfleMain->isVisible());
        EXPECT_EQ(ControlText(box, "totalcash"), QStringLiteral("$-3500"));
        EXPECT_EQ(ControlText(box, "endgamemessage"),
            QStringLiteral("Did you roll in something or is that your score that stinks!"));
        EXPECT_EQ(Rows(box),
            (QStringList {
                "750000|The Dog Catcher|04/23/00", "500000|The Alley Cat|04/23/00", "250000|Your Owner|04/23/00" }));
        EXPECT_EQ(box->findChild<QLabel *>(QStringLiteral("Image2"))->pixmap().toImage(),
            SnorfleMain->TitlePicture().toImage());
        EXPECT_TRUE(CentredOnScreen(box));
        SaveGrab(box, QStringLiteral("gameover_lost.png"));
        ClickButton(box, QStringLiteral("New Game"));
    });
    GameOverBox->exec();
    EXPECT_EQ(script.Seen(), QStringList { "GameOverBox" });
    EXPECT_EQ(Game.NewGameRequested, 1);
    EXPECT_FALSE(GameOverBox->isVisible());
    EXPECT_TRUE(SnorfleMain->isVisible());
}

// Three good games in one process, each naming itself differently: the prompt stands
// alone on the screen, a long name is cut, an empty name is kept, Cancel keeps the
// default; every showing rebuilds the rows and the verdict, and a score of 0 has none.
TEST_F(GameOverTest, HighScoresAcrossGames)
{
    const QString today = Today();
    QStringList prompts;
    auto expectAlone = [](QWidget *prompt) {
        EXPECT_EQ(VisibleWindows(), QStringList { "QueryValue" });
        EXPECT_EQ(
            prompt->findChild<QLineEdit *>(QStringLiteral("Value"))->text(), QStringLiteral("Unclaimed High Score"));
        SaveGrab(prompt, QStringLiteral("gameover_prompt.png"));
    };

    EndGameWith(700000, 200000, 100000);
    ModalScript first;
    first.Expect(QStringLiteral("QueryValue"), [&](QWidget *prompt) { expectAlone(prompt); })
        .Query(QStringLiteral("Sir Barksalot the Third"), true, &prompts)
        .Expect(QStringLiteral("GameOverBox"), [&](QWidget *box) {
            EXPECT_EQ(ControlText(box, "totalcash"), QStringLiteral("$800000"));
            EXPECT_EQ(Rows(box),
                (QStringList { "800000|Sir Barksalot the Th|" + today, "750000|The Dog Catcher|04/23/00",
                    "500000|The Alley Cat|04/23/00" }));
            EXPECT_EQ(ControlText(box, "endgamemessage"),
                QStringLiteral("Not bad, now be a good dog and fetch the newspaper."));
            SaveGrab(box, QStringLiteral("gameover_won.png"));
            ClickButton(box, QStringLiteral("New Game"));
        });
    // The script's first step only looks; the prompt stays for the next step to answer.
    GameOverBox->exec();
    ASSERT_TRUE(first.Finished());
    EXPECT_EQ(prompts, QStringList { "Barkmoor - New Barkmoor High Score|Congratulations, You got a new high score!" });

    SnorfleMain->NewGame();
    EndGameWith(600000, 0, 0);
    ModalScript second;
    second.Query(QString(), true).Expect(QStringLiteral("GameOverBox"), [&](QWidget *box) {
        EXPECT_EQ(Rows(box),
            (QStringList {
                "800000|Sir Barksalot the Th|" + today, "750000|The Dog Catcher|04/23/00", "600000||" + today }));
        ClickButton(box, QStringLiteral("New Game"));
    });
    GameOverBox->exec();
    ASSERT_TRUE(second.Finished());

    SnorfleMain->NewGame();
    EndGameWith(790000, 0, 0);
    ModalScript third;
    third.Query(QStringLiteral("Typed then cancelled"), false).Expect(QStringLiteral("GameOverBox"), [&](QWidget *box) {
        EXPECT_EQ(Rows(box),
            (QStringList { "800000|Sir Barksalot the Th|" + today, "790000|Unclaimed High Score|" + today,
                "750000|The Dog Catcher|04/23/00" }));
        ClickButton(box, QStringLiteral("New Game"));
    });
    GameOverBox->exec();
    ASSERT_TRUE(third.Finished());

    // Cash equal to debt: "$0", no prompt, and the last game's verdict is gone.
    SnorfleMain->NewGame();
    EndGameWith(5500, 0, 5500);
    ModalScript fourth;
    fourth.Expect(QStringLiteral("GameOverBox"), [](QWidget *box) {
        EXPECT_EQ(ControlText(box, "totalcash"), QStringLiteral("$0"));
        EXPECT_EQ(ControlText(box, "endgamemessage"), QString());
        ClickButton(box, QStringLiteral("New Game"));
    });
    GameOverBox->exec();
    EXPECT_EQ(fourth.Seen(), QStringList { "GameOverBox" });
}

// "Exit Game" inside the application's own event loop: the loop must really end, with the
// main window closed, rather than the game-over window merely closing.
TEST_F(GameOverTest, ExitGameEndsTheProgram)
{
    QuitCounter counter;
    ModalScript script;
    script.Expect(QStringLiteral("GameOverBox"), [](QWidget *box) { ClickButton(box, QStringLiteral("Exit Game")); });
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, [] { GameOverBox->exec(); });
    start.start(0);
    // Should the loop not end, this stops it with a code that fails the test.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(20'000);

    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(script.Finished());
    EXPECT_GE(counter.quits, 1);
    EXPECT_FALSE(SnorfleMain->isVisible());
    EXPECT_FALSE(GameOverBox->isVisible());
    EXPECT_EQ(Game.NewGameRequested, 0);
}

// With the main window hidden the name prompt is briefly the program's only window; its
// closing must not end the program (the game-over window showing straight after it
// withdraws the automatic quit that Qt queues).
TEST_F(GameOverTest, NamePromptDoesNotEndTheProgram)
{
    QuitCounter counter;
    EndGameWith(900000, 0, 0);
    ModalScript script;
    script.Query(QStringLiteral("Rex")).Expect(QStringLiteral("GameOverBox"), [](QWidget *box) {
        ClickButton(box, QStringLiteral("New Game"));
    });
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, [] {
        GameOverBox->exec();
        QCoreApplication::exit(5);
    });
    start.start(0);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(20'000);

    EXPECT_EQ(QApplication::exec(), 5);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(counter.quits, 0);
    EXPECT_TRUE(SnorfleMain->isVisible());
    EXPECT_EQ(HighScoreTable[0].Name, "Rex");
}

// A name is cut after 20 characters as the player sees them. Catches a cut by bytes, code
// points or UTF-16 units: half a flag, an accent without its letter, a broken joined emoji.
TEST(VisibleCharacters, NamesKeepWholeCharacters)
{
    const std::string flag = "\xF0\x9F\x87\xA9\xF0\x9F\x87\xAA"; // two regional indicators
    const std::string accented = "e\xCC\x81"; // e and a combining acute
    const std::string family = "\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7";
    const std::string paw = "\xF0\x9F\x90\xBE"; // one surrogate pair in UTF-16
    auto times = [](const std::string &text, int count) {
        std::string all;
        for (int i = 0; i < count; ++i)
            all += text;
        return all;
    };
    const std::pair<std::string, std::string> rows[] = {
        { "Barkmoor champion" + times(flag, 6), "Barkmoor champion" + times(flag, 3) },
        { times(accented, 22), times(accented, 20) },
        { times("a", 19) + accented, times("a", 19) + accented },
        { times(family, 21), times(family, 20) },
        { times(paw, 21), times(paw, 20) },
        { "Rex", "Rex" },
        { "", "" },
    };
    for (const auto &[typed, kept] : rows)
        EXPECT_EQ(FirstVisibleCharacters(typed, 20), kept) << typed;
}

// A right-to-left name starts at the left of the name column as the others do. Catches the
// label mirroring its alignment for Hebrew text: the name would sit against the date column.
TEST_F(GameOverTest, RightToLeftNameStartsInItsColumn)
{
    HighScoreTable[0].Name = "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D"; // four Hebrew letters
    ModalScript script;
    int leftmostInk = -1;
    script.Expect(QStringLiteral("GameOverBox"), [&](QWidget *box) {
        const QImage name = box->findChild<QLabel *>(QStringLiteral("Name1"))->grab().toImage();
        for (int x = 0; x < name.width() && leftmostInk < 0; ++x)
            for (int y = 0; y < name.height(); ++y)
                if (qGray(name.pixel(x, y)) < 128) {
                    leftmostInk = x;
                    break;
                }
        ClickButton(box, QStringLiteral("New Game"));
    });
    GameOverBox->exec();
    ASSERT_TRUE(script.Finished());
    EXPECT_GE(leftmostInk, 0);
    EXPECT_LT(leftmostInk, 10); // four letters take well under half of the 169-pixel label
}
