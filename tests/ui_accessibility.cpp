// What a screen reader gets from the board: the main window's accessible tree, read the way
// an AT-SPI reader reads it (name and description of each node).
#include "WindowTesting.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit6.h"

#include <QAccessible>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>

#include <tuple>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

struct Node {
    QString name;
    QString description;
    QAccessible::Role role;
};

void Walk(QAccessibleInterface *node, QList<Node> &found)
{
    if (!node)
        return;
    found << Node { node->text(QAccessible::Name), node->text(QAccessible::Description), node->role() };
    for (int i = 0; i < node->childCount(); ++i)
        Walk(node->child(i), found);
}

QList<Node> Tree(QWidget *window)
{
    QList<Node> found;
    Walk(QAccessible::queryAccessibleInterface(window), found);
    return found;
}

// The name that goes with a description, or "<none>".
QString NameDescribedAs(const QList<Node> &tree, const QString &description)
{
    for (const Node &node : tree)
        if (node.description == description)
            return node.name;
    return QStringLiteral("<none>");
}

bool HasNamed(const QList<Node> &tree, const QString &name, QAccessible::Role role)
{
    for (const Node &node : tree)
        if (node.name == name && node.role == role)
            return true;
    return false;
}

class AccessibilityTest : public WindowTest { };

} // namespace

// Each figure reads back with what it is, after its caption. Catches a value label left
// without its description, a description on the wrong label (cash and debt swapped), a name
// that replaced the figure a reader should speak, and a figure read without its caption.
TEST_F(AccessibilityTest, TheBoardReadsAsFiguresWithWhatTheyAre)
{
    MakeAndShowWindows();
    Game.Cash = 1234;
    Game.Debt = 4321;
    Game.Savings = 77;
    Game.PocketsUsed = 12;
    Game.Stock[0] = 12;
    Game.DaysLeft = 9;
    Game.Place = 2;
    Game.HasLicenceTag = 1;
    SnorfleMain->UpdateGame();

    const QList<Node> tree = Tree(SnorfleMain);
    const std::pair<const char *, const char *> figures[] = {
        { "Cash", "Cash $ 1234" },
        { "Debt", "Debt $ 4321" },
        { "Savings", "Savings $ 77" },
        { "Doggie Coat Pockets", "Doggie Coat Pockets 12/100" },
        { "Days Remaining", "Days Remaining: 9" },
        { "Place", "Park" },
        { "Licenced", "Licenced Yes" },
    };
    for (const auto &[description, figure] : figures)
        EXPECT_EQ(NameDescribedAs(tree, QLatin1String(description)), QLatin1String(figure));
}

// The controls that show no text of their own still have a name. Catches a health bar, a
// column, a picture or an amount box that a reader can only call "progress bar" or "list".
TEST_F(AccessibilityTest, ControlsWithoutTextHaveNames)
{
    MakeAndShowWindows();
    const QList<Node> board = Tree(SnorfleMain);
    EXPECT_TRUE(HasNamed(board, QStringLiteral("Health"), QAccessible::ProgressBar));
    for (const char *column : { "Sell", "Items", "Buy" })
        EXPECT_TRUE(HasNamed(board, QLatin1String(column), QAccessible::List)) << column;
    EXPECT_TRUE(HasNamed(board, QStringLiteral("Dog"), QAccessible::Graphic));
    EXPECT_TRUE(HasNamed(board, QStringLiteral("Barkmoor"), QAccessible::Graphic));

    EXPECT_TRUE(HasNamed(Tree(travel), QStringLiteral("Where to Snorfle?"), QAccessible::List));
    EXPECT_TRUE(HasNamed(Tree(travel), QStringLiteral("Dog"), QAccessible::Graphic));
    EXPECT_TRUE(HasNamed(Tree(TopDogBox), QStringLiteral("How much?"), QAccessible::EditableText));
}

// The high-score table reads row by row, each row opening with its rank. Catches the labels
// read column by column (three scores, then three names) and a row without its rank.
TEST_F(AccessibilityTest, HighScoresReadRowByRow)
{
    MakeAndShowWindows();
    QStringList heard;
    ModalScript script;
    script.Expect(QStringLiteral("GameOverBox"), [&](QWidget *box) {
        for (const Node &node : Tree(box))
            heard << node.name;
        ClickButton(box, QStringLiteral("New Game"));
    });
    GameOverBox->exec();
    ASSERT_TRUE(script.Finished());
    const qsizetype first = heard.indexOf(QStringLiteral("1. The Dog Catcher"));
    ASSERT_GE(first, 0) << heard.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(heard.mid(first, 9),
        (QStringList { "1. The Dog Catcher", "04/23/00", "750000", "2. The Alley Cat", "04/23/00", "500000",
            "3. Your Owner", "04/23/00", "250000" }));
}

// What a reader asks of an edit box at each edge: the caret (-2) and end (-1) offsets, the end
// of the text, a surrogate pair, the pieces before and after; then where the boxes lie and a
// hidden entry. Catches an offset read as a plain one, the last word read as nothing, half a
// pair, a word or line cut wrong, boxes placed without the edit's alignment, and hidden text read.
TEST_F(AccessibilityTest, EditBoxTextAtEachEdge)
{
    using B = QAccessible::TextBoundaryType;
    QLineEdit edit(QStringLiteral("12 3\U0001F415"));
    edit.setCursorPosition(1);
    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(&edit)->textInterface();
    const auto at = &QAccessibleTextInterface::textAtOffset, before = &QAccessibleTextInterface::textBeforeOffset,
               after = &QAccessibleTextInterface::textAfterOffset;
    const std::tuple<decltype(at), int, B, int, int> rows[] = { { at, 0, B::CharBoundary, 0, 1 },
        { at, -2, B::CharBoundary, 1, 2 }, { at, 5, B::CharBoundary, 4, 6 }, { at, 6, B::CharBoundary, 6, 6 },
        { before, -1, B::CharBoundary, 4, 6 }, { after, 3, B::CharBoundary, 4, 6 }, { at, 1, B::WordBoundary, 0, 3 },
        { at, -1, B::WordBoundary, 3, 6 }, { before, 4, B::WordBoundary, 0, 3 }, { after, 2, B::WordBoundary, 3, 6 },
        { after, 4, B::WordBoundary, 4, 4 }, { at, 2, B::LineBoundary, 0, 6 }, { before, 2, B::LineBoundary, 2, 2 } };
    int start = -9, end = -9;
    for (const auto &[ask, offset, boundary, first, last] : rows)
        EXPECT_EQ(std::tuple((text->*ask)(offset, boundary, &start, &end), start, end),
            std::tuple(edit.text().mid(first, last - first), first, last))
            << offset << " " << boundary;
    edit.setAlignment(Qt::AlignRight); // takes effect as the edit paints
    edit.grab();
    for (const int offset : { 0, 3, 4, 5 }) // a point inside a box is in that character for the edit too
        EXPECT_EQ(text->offsetAtPoint(text->characterRect(offset).topLeft() + QPoint(1, 1)), qMin(offset, 4));
    edit.setEchoMode(QLineEdit::Password);
    EXPECT_EQ(text->characterCount(), 0);
}

// Voice control types through the accessible interface under the keys' limits, and OK buys
// with it. Catches such typing ignored, and a 256th character or a tab taken (a refused text
// leaves the offered amount, the most $2000 pays for at $465).
TEST_F(AccessibilityTest, AnAmountTypedByVoiceBuys)
{
    MakeAndShowWindows();
    Game.Prices[2] = 465;
    QString refused;
    ModalScript script;
    script.Expect(QLatin1String(QueryValueName), [&](QWidget *prompt) {
        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(prompt->findChild<QLineEdit *>());
        box->setText(QAccessible::Value, QString(256, QLatin1Char('1')));
        box->editableTextInterface()->insertText(0, QStringLiteral("1\t"));
        refused = box->text(QAccessible::Value);
        box->editableTextInterface()->replaceText(0, -1, QStringLiteral("3"));
        ClickButton(prompt, QStringLiteral("OK"));
    });
    ClickListRow(SnorfleMain->findChild<QListWidget *>(QStringLiteral("BuyBox")), 2);
    EXPECT_EQ(refused, QStringLiteral("4"));
    EXPECT_EQ(Game.Stock[2], 3);
}
