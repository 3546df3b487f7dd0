// A monkey at the real windows: random clicks on rows and buttons, menu commands, keys and
// typed text in every box, across whole games, with whatever window comes up answered at
// random too. It would catch a crash or a hang on an odd sequence of input, a modal window
// that cannot be left, a rule broken by a handler (pockets that no longer add up, a purse
// gone negative, a second loan or withdrawal in one visit), and a display left out of step
// with the game after a command.
#include "RandomPlay.h"
#include "WindowTesting.h"

#include "Unit1.h"
#include "Unit6.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <limits>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

QString MoneyText(const char *prefix, std::int32_t amount)
{
    return QLatin1String(prefix) + QString::number(amount);
}

class Monkey {
public:
    Monkey(std::uint32_t seed, long budget, std::uint32_t &clock)
        : rng(seed)
        , budget(budget)
        , clock(clock)
    {
        started.start();
        // Every window the game can bring up, answered by a random event; the two ways out
        // of the program ("Exit Game", File > Exit) are left out, as they would end the test.
        const char *const windows[] = { ShowNoteName, ConfirmYesNoName, AskTitledName, QueryValueName, "travel",
            "Warden", "TopDogBox", "SavingBankBox", "GameOverBox", "aboutbox" };
        for (const char *name : windows)
            responder.On(QLatin1String(name), [this](QWidget *window) { Answer(window); });
    }

    bool Done() const { return !failure.empty() || WindingDown(); }

    // One random event at the main window, with nothing else up.
    void MainEvent()
    {
        limits.NewVisit(); // every garden visit lies inside a single main-window event
        if (Pick(150) == 0) {
            // Staying put costs no day and may find cash, so purses near the 32-bit limit
            // can be reached in play; jump there now and then rather than wait for it.
            Game.Cash = std::numeric_limits<std::int32_t>::max() - Pick(20'000);
            Game.Savings = std::numeric_limits<std::int32_t>::max() - Pick(20'000);
            SnorfleMain->UpdateGame();
        }
        if (Pick(3) != 0)
            clock = std::uniform_int_distribution<std::uint32_t>(0, 86'399'999)(rng);
        auto *sell = SnorfleMain->findChild<QListWidget *>(QStringLiteral("SellBox"));
        auto *buy = SnorfleMain->findChild<QListWidget *>(QStringLiteral("BuyBox"));
        auto *trot = SnorfleMain->findChild<QPushButton *>(QStringLiteral("TrotBttn"));
        const int choice = Pick(100);
        trotting = choice >= 32 && choice < 72;
        if (choice < 22) {
            ClickRow(Pick(2) ? sell : buy);
        } else if (choice < 32) {
            static const Qt::Key keys[]
                = { Qt::Key_Down, Qt::Key_Up, Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape, Qt::Key_End };
            Key(Pick(2) ? sell : buy, keys[Pick(6)]);
        } else if (choice < 72) {
            Pick(5) == 0 ? Key(trot, Pick(2) ? Qt::Key_Space : Qt::Key_Return) : Click(trot);
        } else if (choice < 80) {
            Key(SnorfleMain->focusWidget() ? SnorfleMain->focusWidget() : SnorfleMain,
                Pick(2) ? Qt::Key_Escape : Qt::Key_Tab);
        } else {
            // The three commands that end a game come seldom, so that most games are played out.
            static const char *const commands[] = { "Sound1", "HelpTopics1", "WebSite1", "About1" };
            static const char *const enders[] = { "days1", "days2", "EndCurrentGame1" };
            const char *command = Pick(30) == 0 ? enders[Pick(3)] : commands[Pick(4)];
            Count(SnorfleMain);
            SnorfleMain->findChild<QAction *>(QLatin1String(command))->trigger();
        }
        if (!failure.empty())
            return;
        Check("main window");
        CheckDisplay();
    }

    void Report() const
    {
        std::printf("Monkey: %ld events (%ld at the main window, %ld in modal windows), %d games played out, "
                    "%d ended by a command, %.1f s, seed %u\n",
            events, mainEvents, events - mainEvents, gamesPlayedOut, gamesEndedByCommand,
            double(started.elapsed()) / 1000.0, seed);
        std::printf("  left at: cash %d, debt %d, savings %d, %d days, place %d\n", Game.Cash, Game.Debt, Game.Savings,
            Game.DaysLeft, Game.Place);
        std::printf("  events per window: travel %d, Warden %d, TopDogBox %d, SavingBankBox %d, aboutbox %d, "
                    "ShowNote %d, ConfirmYesNo %d, AskTitled %d, QueryValue %d\n",
            Answered("travel"), Answered("Warden"), Answered("TopDogBox"), Answered("SavingBankBox"),
            Answered("aboutbox"), Answered(ShowNoteName), Answered(ConfirmYesNoName), Answered(AskTitledName),
            Answered(QueryValueName));
    }

    long Events() const { return events; }
    int GamesPlayedOut() const { return gamesPlayedOut; }
    int Answered(const char *name) const { return answered.value(QLatin1String(name)); }
    const std::string &Failure() const { return failure; }

    std::uint32_t seed = 0;

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    // Only the event budget ends the play, so a slow machine plays the same game, just later.
    bool WindingDown() const { return events >= budget; }

    // Counts one event sent to the widget.
    void Count(const QWidget *target)
    {
        ++events;
        if (target->window() == SnorfleMain)
            ++mainEvents;
    }

    void Check(const char *where)
    {
        std::string broken = BrokenInvariant();
        if (broken.empty())
            broken = limits.Broken();
        if (!broken.empty() && failure.empty())
            failure = "event " + std::to_string(events) + " (" + where + "): " + broken;
    }

    // After a main-window command the display shows the game as it stands.
    void CheckDisplay()
    {
        const auto shown
            = [](const char *name) { return SnorfleMain->findChild<QLabel *>(QLatin1String(name))->text(); };
        const QString want[] = { MoneyText("$ ", Game.Cash), MoneyText("$ ", Game.Debt), MoneyText("$ ", Game.Savings),
            QStringLiteral("%1/%2").arg(Game.PocketsUsed).arg(Game.PocketCapacity), QString::number(Game.DaysLeft) };
        const char *const labels[] = { "cashlabel", "debtlabel", "savingslabel", "pocketslabel", "dayslabel" };
        for (int i = 0; i < 5; ++i)
            if (shown(labels[i]) != want[i] && failure.empty())
                failure = "event " + std::to_string(events) + ": " + labels[i] + " shows "
                    + shown(labels[i]).toStdString() + ", the game holds " + want[i].toStdString();
        if (!SnorfleMain->isVisible() && failure.empty())
            failure = "event " + std::to_string(events) + ": the main window stayed hidden";
    }

    void Click(QWidget *widget)
    {
        if (!widget) {
            if (failure.empty())
                failure = "event " + std::to_string(events) + ": a button to click is missing";
            return;
        }
        Count(widget);
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    void Key(QWidget *widget, Qt::Key key)
    {
        Count(widget);
        QTest::keyClick(widget, key);
    }

    // A click in the middle of a random row, now and then below the last one.
    void ClickRow(QListWidget *list)
    {
        Count(list);
        const int row = Pick(list->count() + 1);
        const QPoint at = row < list->count() ? list->visualItemRect(list->item(row)).center()
                                              : QPoint(4, list->viewport()->height() - 2);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    // Types into a box: sometimes over what is there, sometimes after it.
    void Type(QLineEdit *edit)
    {
        Count(edit);
        if (Pick(2)) {
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(edit, Qt::Key_Backspace);
        }
        // QTest only types ASCII; other characters arrive as the key events a keyboard
        // layout would send for them.
        for (const QChar c : QString::fromStdString(RandomTypedText(rng))) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(edit, char(c.unicode()));
                continue;
            }
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
            QApplication::sendEvent(edit, &release);
        }
    }

    QAbstractButton *Button(QWidget *window, const char *name)
    {
        return window->findChild<QAbstractButton *>(QLatin1String(name));
    }

    // A visible button of a message window, by its caption.
    QAbstractButton *Captioned(QWidget *window, const QString &caption)
    {
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            QString text = button->text();
            text.remove(QLatin1Char('&'));
            if (text == caption && button->isVisible())
                return button;
        }
        return nullptr;
    }

    QWidget *Focused(QWidget *window) { return window->focusWidget() ? window->focusWidget() : window; }

    // A random button among the visible ones.
    void ClickAny(QWidget *window, std::initializer_list<const char *> names)
    {
        std::vector<QAbstractButton *> shown;
        for (const char *name : names)
            if (QAbstractButton *button = Button(window, name); button && button->isVisible())
                shown.push_back(button);
        if (!shown.empty())
            Click(shown[std::size_t(Pick(int(shown.size())))]);
    }

    // One random event on whatever modal window is up; winding down, the event closes it.
    void Answer(QWidget *window)
    {
        if (!failure.empty() && !WindingDown())
            budget = events; // a broken rule: stop adding events and close up
        Check(window->objectName().toUtf8().constData());
        const QString name = window->objectName();
        answered[name] += 1;
        const bool close = WindingDown();
        const std::int32_t debt = Game.Debt;
        const std::int32_t savings = Game.Savings;

        if (name == QLatin1String(ShowNoteName)) {
            static const Qt::Key keys[] = { Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Q };
            close || Pick(2) ? Click(Captioned(window, QStringLiteral("OK"))) : Key(Focused(window), keys[Pick(4)]);
        } else if (name == QLatin1String(ConfirmYesNoName) || name == QLatin1String(AskTitledName)) {
            static const Qt::Key keys[] = { Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Y, Qt::Key_N };
            if (close || Pick(2))
                Click(Captioned(window, close || Pick(2) ? QStringLiteral("No") : QStringLiteral("Yes")));
            else
                Key(Focused(window), keys[Pick(5)]);
        } else if (name == QLatin1String(QueryValueName)) {
            auto *edit = window->findChild<QLineEdit *>(QStringLiteral("Value"));
            const int choice = close ? 0 : Pick(6);
            if (choice == 0)
                Click(Button(window, "Cancel"));
            else if (choice == 1)
                Click(Button(window, "OK"));
            else if (choice == 2)
                Key(edit, Pick(2) ? Qt::Key_Return : Qt::Key_Escape);
            else
                Type(edit);
        } else if (name == QLatin1String("travel")) {
            auto *places = window->findChild<QListWidget *>(QStringLiteral("placebox"));
            static const Qt::Key keys[]
                = { Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_Return, Qt::Key_Escape };
            close || Pick(3) ? ClickRow(places) : Key(places, keys[Pick(6)]);
        } else if (name == QLatin1String("Warden")) {
            if (close)
                ClickAny(window, { "Button1", "Button3" });
            else if (Pick(4) == 0)
                Key(Focused(window), Pick(2) ? Qt::Key_Escape : Qt::Key_Return);
            else
                ClickAny(window, { "Button1", "Button2", "Button3" });
        } else if (name == QLatin1String("TopDogBox") || name == QLatin1String("SavingBankBox")) {
            auto *amount = window->findChild<QLineEdit *>(QStringLiteral("AmountBox"));
            const int choice = close ? 0 : Pick(10);
            if (choice == 0)
                Click(Button(window, "cancelbttn"));
            else if (choice <= 3)
                Type(amount);
            else if (choice == 4)
                Key(Focused(window), Pick(2) ? Qt::Key_Escape : Qt::Key_Tab);
            else if (name == QLatin1String("TopDogBox"))
                ClickAny(window, { "repaybttn", "borrowbttn", "Button1", "Button2" });
            else
                ClickAny(window, { "DepositBttn", "Withdrawbttn", "Button1", "Button2" });
            limits.Saw(debt, savings);
        } else if (name == QLatin1String("GameOverBox")) {
            // Return and Space would press the focused "Exit Game"; only Esc and Tab are tried.
            if (close || Pick(2)) {
                ++(trotting ? gamesPlayedOut : gamesEndedByCommand);
                Click(Button(window, "newgamebttn"));
            } else
                Key(window, Pick(2) ? Qt::Key_Escape : Qt::Key_Tab);
        } else if (name == QLatin1String("aboutbox")) {
            close || Pick(2) ? Click(Button(window, "Button1")) : Key(Focused(window), Qt::Key_Escape);
        }
        Check(window->objectName().toUtf8().constData());
    }

    std::mt19937 rng;
    long budget;
    std::uint32_t &clock;
    Responder responder;
    VisitLimits limits;
    QElapsedTimer started;
    long events = 0;
    long mainEvents = 0;
    QHash<QString, int> answered; // events sent per window
    bool trotting = false; // the main-window event under way is a press of Trot
    int gamesPlayedOut = 0;
    int gamesEndedByCommand = 0;
    std::string failure;
};

class MonkeyTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        MakeAndShowWindows();
    }
};

} // namespace

TEST_F(MonkeyTest, RandomEventsAcrossWholeGames)
{
    const std::uint32_t seed = RandomPlaySeed(7);
    const long budget = RandomPlayCount(6000, 4000);
    Monkey monkey(seed, budget, clock.now);
    monkey.seed = seed;
    while (!monkey.Done())
        monkey.MainEvent();
    monkey.Report();
    RecordProperty("events", std::to_string(monkey.Events()));
    EXPECT_EQ(monkey.Failure(), "") << "seed " << seed;
    EXPECT_GE(monkey.Events(), budget) << "stopped before the budget was spent";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a window was left open";
    EXPECT_GT(monkey.GamesPlayedOut(), 0) << "no game was played to its end";
    EXPECT_GT(monkey.Answered("Warden"), 0);
    EXPECT_GT(monkey.Answered("TopDogBox"), 0);
}
