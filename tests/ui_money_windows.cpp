// Top Dog's Den and the bank as the player meets them: typed into the real amount box,
// the real buttons pressed, the real messages answered.
#include "WindowTesting.h"

#include "Unit1.h"
#include "Unit4.h"
#include "Unit5.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

// Replaces the amount box's text the way a player does: select all, then type.
void Type(QWidget *window, const QString &text)
{
    auto *box = window->findChild<QLineEdit *>(QStringLiteral("AmountBox"));
    QKeyEvent selectAll(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
    QApplication::sendEvent(box, &selectAll);
    if (text.isEmpty()) {
        QKeyEvent erase(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        QApplication::sendEvent(box, &erase);
    }
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
    ASSERT_EQ(box->text(), text);
}

QString Shown(const std::string &text)
{
    return QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QStringList TabChain(QWidget *first, int count)
{
    QStringList names;
    QWidget *w = first;
    for (int i = 0; i < count; ++i, w = w->nextInFocusChain()) {
        while (w->focusPolicy() == Qt::NoFocus)
            w = w->nextInFocusChain();
        names << w->objectName();
    }
    return names;
}

class MoneyWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        MakeWindows();
    }
};

} // namespace

// The den as laid out: a control moved, a caption mistyped or the pictures not copied
// would show here; the first showing is centred, refreshed, and has "Leave" focused.
TEST_F(MoneyWindowTest, TopDogLayoutAndFirstShowing)
{
    QWidget *w = TopDogBox;
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Barkmoor - Top Dog's Den"));
    EXPECT_FALSE(w->windowFlags() & Qt::WindowCloseButtonHint);
    ExpectNothingClipped(w);
    EXPECT_EQ(TabChain(w->findChild<QWidget *>(QStringLiteral("AmountBox")), 6),
        (QStringList { "AmountBox", "cancelbttn", "repaybttn", "borrowbttn", "Button1", "Button2" }));
    EXPECT_EQ(
        w->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().toImage(), SnorfleMain->DogPicture().toImage());
    EXPECT_EQ(
        w->findChild<QLabel *>(QStringLiteral("Image2"))->pixmap().toImage(), SnorfleMain->TitlePicture().toImage());

    Game.Cash = -250; // shown with its sign straight after the "$"
    ModalScript script;
    script.Expect(QStringLiteral("TopDogBox"), [](QWidget *box) {
        EXPECT_EQ(box->focusWidget()->objectName(), QStringLiteral("cancelbttn"));
        EXPECT_EQ(ControlText(box, "topdogdebt"), QStringLiteral("$5500"));
        EXPECT_EQ(ControlText(box, "cashinpaw"), QStringLiteral("$-250"));
        EXPECT_EQ(ControlText(box, "AmountBox"), QStringLiteral("0"));
        EXPECT_TRUE(CentredOnScreen(box));
        SaveGrab(box, QStringLiteral("topdog.png"));
        // Tabbing into the amount box leaves its text unselected.
        auto *amount = box->findChild<QLineEdit *>(QStringLiteral("AmountBox"));
        QFocusEvent tabbedIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(amount, &tabbedIn);
        EXPECT_FALSE(amount->hasSelectedText());
        ClickButton(box, QStringLiteral("Leave"));
    });
    TopDogBox->exec();
    EXPECT_TRUE(script.Finished());
    EXPECT_FALSE(TopDogBox->isVisible());
}

// A loan and a repayment through the window: the figures and the box refresh after each
// action and each refusal, the money moves only once the message has been dismissed, and
// a zero leaves even the box alone.
TEST_F(MoneyWindowTest, TopDogThroughTheWindow)
{
    QStringList notes;
    ModalScript script;
    script
        .Expect(QStringLiteral("TopDogBox"),
            [](QWidget *box) {
                Type(box, QStringLiteral(" 250"));
                ClickButton(box, QStringLiteral("Borrow"));
                EXPECT_EQ(ControlText(box, "topdogdebt"), QStringLiteral("$5750"));
                EXPECT_EQ(ControlText(box, "cashinpaw"), QStringLiteral("$2250"));
                EXPECT_EQ(ControlText(box, "AmountBox"), QStringLiteral("0"));
                Type(box, QStringLiteral("00"));
                ClickButton(box, QStringLiteral("Repay"));
                Type(box, QStringLiteral("-0"));
                ClickButton(box, QStringLiteral("Borrow"));
                EXPECT_EQ(ControlText(box, "AmountBox"), QStringLiteral("-0"));
                Type(box, QStringLiteral("-250"));
                ClickLater(box, QStringLiteral("Repay"));
            })
        .Note(&notes)
        .Expect(QStringLiteral("TopDogBox"),
            [](QWidget *box) {
                EXPECT_EQ(ControlText(box, "AmountBox"), QStringLiteral("0"));
                EXPECT_EQ(Game.Cash, 2250);
                Type(box, QStringLiteral("$FA"));
                ClickLater(box, QStringLiteral("Repay"));
            })
        .Expect(QLatin1String(ShowNoteName),
            [&notes](QWidget *note) {
                // The message comes before the money moves.
                notes << MessageText(note);
                EXPECT_EQ(ControlText(TopDogBox, "cashinpaw"), QStringLiteral("$2250"));
                EXPECT_EQ(Game.Debt, 5750);
                ClickButton(note, QStringLiteral("OK"));
            })
        .Expect(QStringLiteral("TopDogBox"),
            [](QWidget *box) {
                EXPECT_EQ(ControlText(box, "topdogdebt"), QStringLiteral("$5500"));
                EXPECT_EQ(ControlText(box, "cashinpaw"), QStringLiteral("$2000"));
                ClickLater(box, QStringLiteral("Max"));
            })
        .Note(&notes)
        .Expect(QStringLiteral("TopDogBox"), [](QWidget *box) {
            ClickButton(box, QStringLiteral("All"));
            EXPECT_EQ(ControlText(box, "topdogdebt"), QStringLiteral("$3500"));
            EXPECT_EQ(ControlText(box, "cashinpaw"), QStringLiteral("$0"));
            Type(box, QStringLiteral("12"));
            ClickButton(box, QStringLiteral("All"));
            EXPECT_EQ(ControlText(box, "AmountBox"), QStringLiteral("12"));
            ClickButton(box, QStringLiteral("Leave"));
        });
    TopDogBox->exec();
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(notes,
        (QStringList { Shown("Woof! Did your paw slip?\r\rYou need to enter a valid number"),
            Shown("Woof! Nice doing business with you snorfle\r\rGlad I didn't have to send the muscle mutts round "
                  "to collect it."),
            Shown("Woof! Do you think i'm a young pup!\r\rI already lent you money this visit.") }));
    EXPECT_EQ(Game.Cash, 0);
    EXPECT_EQ(Game.Debt, 3500);
}

// Later showings open where the window was left, refreshed, with "Leave" focused again.
TEST_F(MoneyWindowTest, LaterShowingsKeepThePlaceAndRefresh)
{
    QPoint left;
    ModalScript first;
    first.Expect(QStringLiteral("TopDogBox"), [&left](QWidget *box) {
        box->move(box->pos() + QPoint(-40, 25));
        left = box->pos();
        Type(box, QStringLiteral("77"));
        box->findChild<QWidget *>(QStringLiteral("AmountBox"))->setFocus();
        ClickButton(box, QStringLiteral("Leave"));
    });
    TopDogBox->exec();
    ASSERT_TRUE(first.Finished());

    Game.Debt = 123;
    ModalScript second;
    second.Expect(QStringLiteral("TopDogBox"), [&left](QWidget *box) {
        EXPECT_EQ(box->pos(), left);
        EXPECT_EQ(box->focusWidget()->objectName(), QStringLiteral("cancelbttn"));
        EXPECT_EQ(ControlText(box, "topdogdebt"), QStringLiteral("$123"));
        EXPECT_EQ(ControlText(box, "AmountBox"), QStringLiteral("0"));
        ClickButton(box, QStringLiteral("Leave"));
    });
    TopDogBox->exec();
    EXPECT_TRUE(second.Finished());
}

// The bank as laid out; its title must read with one plain ampersand.
TEST_F(MoneyWindowTest, BankLayoutAndFirstShowing)
{
    QWidget *w = SavingBankBox;
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Barkmoor - Savings & Bone"));
    EXPECT_FALSE(w->windowFlags() & Qt::WindowCloseButtonHint);
    ExpectNothingClipped(w);
    // The bank's name reads with one plain ampersand, not taken for an access key.
    EXPECT_EQ(ControlText(w, "Title1").count(QLatin1Char('&')), 1);
    EXPECT_EQ(w->findChild<QLabel *>(QStringLiteral("Title1"))->buddy(), nullptr);
    EXPECT_EQ(TabChain(w->findChild<QWidget *>(QStringLiteral("AmountBox")), 6),
        (QStringList { "AmountBox", "cancelbttn", "DepositBttn", "Withdrawbttn", "Button1", "Button2" }));
    EXPECT_EQ(
        w->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().toImage(), SnorfleMain->DogPicture().toImage());

    Game.Savings = 8000;
    ModalScript script;
    script.Expect(QStringLiteral("SavingBankBox"), [](QWidget *box) {
        EXPECT_EQ(box->focusWidget()->objectName(), QStringLiteral("cancelbttn"));
        EXPECT_EQ(ControlText(box, "banksavings"), QStringLiteral("$8000"));
        EXPECT_EQ(ControlText(box, "cashinpaw"), QStringLiteral("$2000"));
        EXPECT_EQ(ControlText(box, "AmountBox"), QStringLiteral("0"));
        EXPECT_TRUE(CentredOnScreen(box));
        SaveGrab(box, QStringLiteral("bank.png"));
        ClickButton(box, QStringLiteral("Leave"));
    });
    SavingBankBox->exec();
    EXPECT_TRUE(script.Finished());
}

// Deposits and withdrawals through the window, with each refusal answered in the real
// message box and followed by a refresh.
TEST_F(MoneyWindowTest, BankThroughTheWindow)
{
    Game.Savings = 8000;
    QStringList notes;
    ModalScript script;
    script
        .Expect(QStringLiteral("SavingBankBox"),
            [](QWidget *box) {
                Type(box, QStringLiteral("00"));
                ClickButton(box, QStringLiteral("Deposit"));
                ClickButton(box, QStringLiteral("Withdraw"));
                EXPECT_EQ(ControlText(box, "AmountBox"), QStringLiteral("00"));
                Type(box, QStringLiteral("2500"));
                ClickLater(box, QStringLiteral("Deposit"));
            })
        .Note(&notes)
        .Expect(QStringLiteral("SavingBankBox"),
            [](QWidget *box) {
                EXPECT_EQ(ControlText(box, "AmountBox"), QStringLiteral("0"));
                Type(box, QStringLiteral("2000"));
                ClickLater(box, QStringLiteral("Deposit"));
            })
        .Expect(QLatin1String(ShowNoteName),
            [&notes](QWidget *note) {
                notes << MessageText(note);
                EXPECT_EQ(ControlText(SavingBankBox, "banksavings"), QStringLiteral("$8000"));
                EXPECT_EQ(Game.Cash, 2000);
                ClickButton(note, QStringLiteral("OK"));
            })
        .Expect(QStringLiteral("SavingBankBox"),
            [](QWidget *box) {
                EXPECT_EQ(ControlText(box, "banksavings"), QStringLiteral("$10000"));
                EXPECT_EQ(ControlText(box, "cashinpaw"), QStringLiteral("$0"));
                Type(box, QStringLiteral("5"));
                ClickButton(box, QStringLiteral("All"));
                EXPECT_EQ(ControlText(box, "AmountBox"), QStringLiteral("5"));
                Type(box, QStringLiteral("-100"));
                ClickLater(box, QStringLiteral("Withdraw"));
            })
        .Note(&notes)
        .Expect(QStringLiteral("SavingBankBox"),
            [](QWidget *box) {
                Type(box, QStringLiteral("6000"));
                ClickLater(box, QStringLiteral("Withdraw"));
            })
        .Note(&notes)
        .Expect(QStringLiteral("SavingBankBox"),
            [](QWidget *box) {
                ClickButton(box, QStringLiteral("Max"));
                EXPECT_EQ(ControlText(box, "banksavings"), QStringLiteral("$5000"));
                EXPECT_EQ(ControlText(box, "cashinpaw"), QStringLiteral("$5000"));
                Type(box, QStringLiteral("1"));
                ClickLater(box, QStringLiteral("Withdraw"));
            })
        .Note(&notes)
        .Expect(QStringLiteral("SavingBankBox"), [](QWidget *box) {
            ClickButton(box, QStringLiteral("All"));
            EXPECT_EQ(ControlText(box, "banksavings"), QStringLiteral("$10000"));
            EXPECT_EQ(ControlText(box, "cashinpaw"), QStringLiteral("$0"));
            ClickButton(box, QStringLiteral("Leave"));
        });
    SavingBankBox->exec();
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(notes,
        (QStringList { Shown("Woof! You do not have that much cash to deposit"),
            Shown("Woof! Thank you for your deposit.\r\rHave a nice day!"),
            Shown("Woof! Did your paw slip?\r\rYou need to enter a valid number"),
            Shown("Woof!  You cannot withdraw that much!\r\rYou can only withdraw a maximum of $5000 per visit."),
            Shown("Woof! The bank can only allow one withdrawal per visit\r\rYou already made a withdrawal this "
                  "visit.") }));
    EXPECT_EQ(Game.Savings, 10000);
    EXPECT_EQ(Game.WithdrewThisVisit, 1);
}
