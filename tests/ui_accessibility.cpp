// What a screen reader gets from the board: the main window's accessible tree, read the way
// an AT-SPI reader reads it (name and description of each node).
#include "WindowTesting.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit6.h"

#include <QAccessible>
#include <QHash>

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

// Each figure reads back with what it is. Catches a value label left without its
// description, a description on the wrong label (cash and debt swapped), and a name that
// replaced the figure a reader should speak (a caption may go before it).
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
        { "Cash", "$ 1234" },
        { "Debt", "$ 4321" },
        { "Savings", "$ 77" },
        { "Doggie Coat Pockets", "12/100" },
        { "Days Remaining", "9" },
        { "Place", "Park" },
        { "Licenced", "Yes" },
    };
    for (const auto &[description, figure] : figures) {
        const QString name = NameDescribedAs(tree, QLatin1String(description));
        EXPECT_TRUE(name == QLatin1String(figure) || name.endsWith(QLatin1Char(' ') + QLatin1String(figure)))
            << name.toStdString();
    }
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
