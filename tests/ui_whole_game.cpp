// One whole 15-day game played through the real windows, as a player would: trading,
// trotting, the garden's visits, whatever the clock brings, the last day, "End", the score
// and a new game. Catches any break in the hand-over between windows over a full game, and
// a window not standing over the game window beneath it (its transient parent, which keeps
// it above the game on Wayland): a question after the travel window closed once had none.
#include "WindowTesting.h"

#include "Unit1.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QWindow>

#include <cstdio>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

template<class T> T *MainControl(const char *name)
{
    return SnorfleMain->findChild<T *>(QLatin1String(name));
}

void ClickRow(const char *listName, int row)
{
    ClickListRow(MainControl<QListWidget>(listName), row);
}

// Types into a window's amount box and presses one of its buttons.
void PayIn(QWidget *window, const QString &amount, const QString &button)
{
    auto *box = window->findChild<QLineEdit *>(QStringLiteral("AmountBox"));
    box->selectAll();
    QTest::keyClicks(box, amount);
    ClickButton(window, button);
}

// Checks each window as it shows against the one beneath: the Dog Catcher over the travel
// window, messages over whichever dialog is up, the rest over the main window, hidden or not.
class OwnerWatch final : public QObject {
public:
    OwnerWatch() { qApp->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWidget *>(watched);
        if (event->type() != QEvent::Show || !window || !window->isWindow())
            return false;
        QWidget *beneath = SnorfleMain;
        for (const char *name : { "Warden", "travel", "TopDogBox", "SavingBankBox", "GameOverBox" })
            if (QWidget *dialog = VisibleWindow(QLatin1String(name));
                dialog && dialog != window && beneath == SnorfleMain)
                beneath = dialog;
        kinds.insert(window->objectName());
        if (window != SnorfleMain && window->windowHandle()->transientParent() != beneath->windowHandle())
            wrong << window->windowTitle();
        return false;
    }
    QSet<QString> kinds;
    QStringList wrong;
};

class WholeGameTest : public WindowTest { };

} // namespace

TEST_F(WholeGameTest, FifteenDaysFromFirstTrotToNewGame)
{
    Freeze(1'234'567);
    MakeWindows();
    SnorfleMain->show();
    MenuAction("days2")->trigger();
    ASSERT_EQ(Game.DaysLeft, 15);

    int day = 0;
    bool paidTopDog = false;
    bool deposited = false;
    QStringList scores;
    OwnerWatch owners;
    Responder responder;
    responder.On(QLatin1String(ShowNoteName), [](QWidget *w) { ClickButton(w, QStringLiteral("OK")); })
        .On(QLatin1String(ConfirmYesNoName), [](QWidget *w) { ClickButton(w, QStringLiteral("Yes")); })
        .On(QLatin1String(AskTitledName), [](QWidget *w) { ClickButton(w, QStringLiteral("Yes")); })
        .On(QLatin1String(QueryValueName),
            [](QWidget *w) {
                // Buy ten at a time; sell whatever the default (everything) says.
                if (w->windowTitle() == QStringLiteral("Buy how many Snorfle?"))
                    w->findChild<QLineEdit *>(QStringLiteral("Value"))->setText(QStringLiteral("10"));
                ClickButton(w, QStringLiteral("OK"));
            })
        .On(QStringLiteral("travel"),
            [&](QWidget *w) {
                // Away and back: every second move arrives at the garden.
                auto *list = w->findChild<QListWidget *>(QStringLiteral("placebox"));
                const int row = day % 2 == 1 ? 6 : day % 6;
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
            })
        .On(QStringLiteral("TopDogBox"),
            [&](QWidget *w) {
                if (paidTopDog || Game.Cash < 100)
                    ClickButton(w, QStringLiteral("Leave"));
                else
                    PayIn(w, QStringLiteral("100"), QStringLiteral("Repay"));
                paidTopDog = !paidTopDog;
            })
        .On(QStringLiteral("SavingBankBox"),
            [&](QWidget *w) {
                if (deposited || Game.Cash < 50)
                    ClickButton(w, QStringLiteral("Leave"));
                else
                    PayIn(w, QStringLiteral("50"), QStringLiteral("Deposit"));
                deposited = !deposited;
            })
        .On(QStringLiteral("Warden"),
            [](QWidget *w) {
                ClickButton(w, QStringLiteral("Run"));
                ClickButton(w, QStringLiteral("OK"));
            })
        .On(QStringLiteral("GameOverBox"), [&](QWidget *w) {
            scores << w->findChild<QLabel *>(QStringLiteral("totalcash"))->text();
            ClickButton(w, QStringLiteral("New Game"));
        });

    auto *trot = MainControl<QPushButton>("TrotBttn");
    int lastDays = Game.DaysLeft;
    while (trot->text() == QStringLiteral("Trot") && scores.isEmpty() && day < 40) {
        // Sell yesterday's Milk Bones, buy today's (always on sale).
        if (Game.Stock[0] > 0)
            ClickRow("SellBox", 0);
        ClickRow("BuyBox", 0);
        Freeze(1'234'567 + std::uint32_t(day) * 3'333'333u);
        ++day;
        QTest::mouseClick(trot, Qt::LeftButton);
        ASSERT_LE(Game.DaysLeft, lastDays);
        lastDays = Game.DaysLeft;
        EXPECT_EQ(Game.PocketsUsed,
            Game.Stock[0] + Game.Stock[1] + Game.Stock[2] + Game.Stock[3] + Game.Stock[4] + Game.Stock[5]
                + Game.Stock[6] + Game.Stock[7] + Game.Stock[8] + Game.Stock[9]);
    }
    EXPECT_GE(responder.Count(QStringLiteral("travel")), 1);

    if (scores.isEmpty()) {
        // Reached the last day: "End" finishes the game.
        ASSERT_EQ(trot->text(), QStringLiteral("End"));
        EXPECT_LE(Game.DaysLeft, 0);
        EXPECT_EQ(MainControl<QLabel>("dayslabel")->text(), QString::number(Game.DaysLeft));
        EXPECT_GE(responder.Count(QStringLiteral("TopDogBox")), 1);
        EXPECT_GE(responder.Count(QStringLiteral("SavingBankBox")), 1);
        const std::int64_t expected = std::int64_t(Game.Cash) + Game.Savings - Game.Debt;
        QTest::mouseClick(trot, Qt::LeftButton);
        ASSERT_EQ(scores.size(), 1);
        EXPECT_EQ(scores[0], QStringLiteral("$%1").arg(expected));
        EXPECT_GE(day, 15);
    }
    ASSERT_EQ(scores.size(), 1);
    std::printf("played %d turns; answered travel %d, notes %d, Top Dog %d, bank %d, Dog Catcher %d; score %s\n", day,
        responder.Count(QStringLiteral("travel")), responder.Count(QLatin1String(ShowNoteName)),
        responder.Count(QStringLiteral("TopDogBox")), responder.Count(QStringLiteral("SavingBankBox")),
        responder.Count(QStringLiteral("Warden")), qPrintable(scores[0]));
    EXPECT_EQ(owners.wrong, QStringList());
    // The main window and every other kind but the bigger coat's offer and About (tested apart).
    EXPECT_EQ(owners.kinds.size(), 9) << QStringList(owners.kinds.values()).join(' ').toStdString();
    EXPECT_TRUE(SnorfleMain->isVisible());
    EXPECT_EQ(trot->text(), QStringLiteral("Trot"));
    EXPECT_EQ(Game.DaysLeft, 15);
    EXPECT_EQ(MainControl<QLabel>("cashlabel")->text(), QStringLiteral("$ 2000"));
    EXPECT_EQ(MainControl<QLabel>("dayslabel")->text(), QStringLiteral("15"));
}
