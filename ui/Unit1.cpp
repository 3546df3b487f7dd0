// Main window: builds from its description and mirrors GameState on screen.
#include "Unit1.h"

#include "GameCore.h"
#include "Keyboard.h"
#include "Platform.h"
#include "Prompts.h"
#include "ScreenReader.h"
#include "Trade.h"
#include "Travel.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "WindowFocus.h"
#include "WindowStyle.h"
#include "ui_Unit1.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QStyledItemDelegate>
#include <QtMath>

namespace barkmoor {
namespace {

const QString EndCaption = QStringLiteral("End");
const std::string FinancesTitle = "Barkmoor - Finances";

QString Dollars(std::int32_t amount)
{
    return QStringLiteral("$ ") + QString::number(amount);
}

// Each row reads with its goods, as a listener never hears the names column beside it.
void FillColumn(QListWidget *list, const QStringList &rows, const QStringList &spoken)
{
    list->clear();
    for (qsizetype row = 0; row < rows.size(); ++row)
        (new QListWidgetItem(rows[row], list))->setData(Qt::AccessibleTextRole, spoken[row]);
    SetRowHeights(list);
}

// The row the player picked, or -1 when the click left none selected.
int PickedRow(const QListWidget *list)
{
    const QListWidgetItem *item = list->currentItem();
    return item && item->isSelected() ? list->row(item) : -1;
}

// Draws a number in full: the widest price ("$ 184810") needs nearly the whole column, so
// it is never elided and may use the right margin; one wider still than the column less
// its left margin gives up some of that too. Figures that fit are drawn as the list does.
class WholeFigures final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem figure(option);
        initStyleOption(&figure, index);
        figure.textElideMode = Qt::ElideNone;
        const QWidget *view = figure.widget;
        QStyle *style = view ? view->style() : QApplication::style();
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        const int textWidth = qCeil(QFontMetricsF(figure.font).horizontalAdvance(figure.text));
        const int overflow = margin + textWidth - figure.rect.width();
        if (overflow > 0)
            figure.rect.setLeft(figure.rect.left() - qMin(overflow, margin));
        style->drawControl(QStyle::CE_ItemViewItem, &figure, painter, view);
    }
};

} // namespace

TSnorfleMain::TSnorfleMain(MainDialogs &dialogs, QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::TSnorfleMain>())
    , dialogs(dialogs)
{
    ui->setupUi(this);
    ui->centralwidget->setObjectName(QStringLiteral("SnorfleMainClient"));
    // The form holds the version as %1.
    ui->Label8->setText(ui->Label8->text().arg(QCoreApplication::applicationVersion()));
    // The form gives the client area's size; the menu bar adds its own height in the game font.
    const QSize client = ui->centralwidget->minimumSize();
    ui->centralwidget->setFixedSize(client);
    ui->MainMenu1->setFont(GameFont());
    // Pop-up menus are windows of their own and take no font from the bar.
    for (QMenu *menu : ui->MainMenu1->findChildren<QMenu *>())
        menu->setFont(GameFont());
    StyleGameWindow(*this, client + QSize(0, ui->MainMenu1->sizeHint().height()));
    // Trot takes Enter too: after every trade the focus goes there so the next key plays on.
    EnterPressesFocusedButton(*this);
    OpenMenuByKeyboard(*this, ui->MainMenu1);

    ui->Image1->setPixmap(CrispPicture(QPixmap(QStringLiteral(":/dog.bmp")), qApp->devicePixelRatio()));
    ui->Image2->setPixmap(CrispPicture(QPixmap(QStringLiteral(":/title.bmp")), qApp->devicePixelRatio()));
    NamePictures(ui->Image1, ui->Image2);
    ui->HeaderControl1->SetSections(
        { { QStringLiteral("Sell"), 41 }, { QStringLiteral("Items"), 161 }, { QStringLiteral("Buy"), 55 } });

    // The names column shows its text in full black though it takes no clicks.
    QPalette names = ui->ListBox2->palette();
    names.setColor(QPalette::Disabled, QPalette::Text, names.color(QPalette::Active, QPalette::Text));
    names.setColor(QPalette::Disabled, QPalette::Base, names.color(QPalette::Active, QPalette::Base));
    ui->ListBox2->setPalette(names);
    for (QListWidget *list : { ui->SellBox, ui->ListBox2, ui->BuyBox }) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        SetRowHeights(list);
    }
    ui->BuyBox->setItemDelegate(new WholeFigures(ui->BuyBox));
    connect(ui->SellBox, &QListWidget::itemClicked, this, &TSnorfleMain::SellBoxClick);
    connect(ui->BuyBox, &QListWidget::itemClicked, this, &TSnorfleMain::BuyBoxClick);
    PickRowByKeyboard(ui->SellBox, [this] { SellBoxClick(); });
    PickRowByKeyboard(ui->BuyBox, [this] { BuyBoxClick(); });
    CurrentRowOnlyWhileFocused(ui->SellBox);
    CurrentRowOnlyWhileFocused(ui->BuyBox);
    ui->TrotBttn->setFocus();
    HandBackFocusOnClose(*this);

    connect(ui->Exit2, &QAction::triggered, this, &TSnorfleMain::Exit2Click);
    connect(ui->Sound1, &QAction::triggered, this, &TSnorfleMain::Sound1Click);
    connect(ui->days1, &QAction::triggered, this, &TSnorfleMain::days1Click);
    connect(ui->days2, &QAction::triggered, this, &TSnorfleMain::days2Click);
    connect(ui->HelpTopics1, &QAction::triggered, this, &TSnorfleMain::HelpTopics1Click);
    connect(ui->WebSite1, &QAction::triggered, this, &TSnorfleMain::WebSite1Click);
    connect(ui->About1, &QAction::triggered, this, &TSnorfleMain::About1Click);
    connect(ui->EndCurrentGame1, &QAction::triggered, this, &TSnorfleMain::EndCurrentGame1Click);
    connect(ui->TrotBttn, &QPushButton::clicked, this, &TSnorfleMain::TrotBttnClick);
}

TSnorfleMain::~TSnorfleMain() = default;

void TSnorfleMain::FormCreate()
{
    ShowAudioOutputs(platform().AudioOutputCount());
    Game.SoundOn = ui->Sound1->isChecked() ? 1 : 0;
    Game.GameLength = LongGameDays;
    NewGame();
    CentreOnScreen(*this);
}

void TSnorfleMain::ShowAudioOutputs(int outputs)
{
    ui->Sound1->setEnabled(outputs != 0);
}

void TSnorfleMain::NewGame()
{
    soundselection();
    ui->TrotBttn->setText(QStringLiteral("Trot"));
    ResetGameState();
    UpdateGame();
}

void TSnorfleMain::soundselection()
{
    if (Game.SoundOn != 0)
        platform().PlayBark();
}

void TSnorfleMain::UpdateGame()
{
    // The bar's range is 0-100 and it ignores values outside it, so show 0 for a lost dog.
    ui->healthbar->setValue(qBound(0, Game.Health, FullHealth));
    ui->cashlabel->setText(Dollars(Game.Cash));
    ui->debtlabel->setText(Dollars(Game.Debt));
    ui->savingslabel->setText(Dollars(Game.Savings));
    ui->pocketslabel->setText(QStringLiteral("%1/%2").arg(Game.PocketsUsed).arg(Game.PocketCapacity));
    ui->dayslabel->setText(QString::number(Game.DaysLeft));
    ui->placelabel->setText(QString::fromStdString(PlaceName()));
    ui->LicenceLabel->setText(Game.HasLicenceTag == 1 ? QStringLiteral("Yes") : QStringLiteral("No"));
    FillColumns();
}

void TSnorfleMain::FillColumns()
{
    ui->BuyBox->clear();
    ui->SellBox->clear();
    QStringList stock;
    QStringList prices;
    QStringList spokenStock;
    QStringList spokenPrices;
    for (int item = 0; item < ItemCount; ++item) {
        stock << QString::number(Game.Stock[item]);
        prices << Dollars(Game.Prices[item]);
        const QString goods = ui->ListBox2->item(item)->text() + QStringLiteral(", ");
        spokenStock << goods + stock.last() + QStringLiteral(" carried");
        spokenPrices << goods + (Game.Prices[item] == 0 ? QStringLiteral("not on sale") : prices.last());
    }
    FillColumn(ui->SellBox, stock, spokenStock);
    FillColumn(ui->BuyBox, prices, spokenPrices);
}

QStringList TSnorfleMain::HeardStatus() const
{
    QStringList parts { ui->placelabel->text(), QStringLiteral("%1 days remaining").arg(Game.DaysLeft),
        QStringLiteral("cash ") + Dollars(Game.Cash), QStringLiteral("debt ") + Dollars(Game.Debt),
        QStringLiteral("savings ") + Dollars(Game.Savings),
        QStringLiteral("pockets %1 of %2").arg(Game.PocketsUsed).arg(Game.PocketCapacity),
        QStringLiteral("health %1").arg(ui->healthbar->value()),
        Game.HasLicenceTag == 1 ? QStringLiteral("licenced") : QStringLiteral("not licenced") };
    for (int item = 0; item < ItemCount; ++item)
        parts << QStringLiteral("%1 %2 carried").arg(ui->ListBox2->item(item)->text()).arg(Game.Stock[item]);
    return parts;
}

void TSnorfleMain::SayChanges(const QStringList &before)
{
    const QStringList now = HeardStatus();
    QStringList changed;
    for (qsizetype part = 0; part < now.size(); ++part)
        if (part >= before.size() || now[part] != before[part])
            changed << now[part];
    Announce(ui->TrotBttn, changed.join(QStringLiteral(", ")));
}

void TSnorfleMain::TrotBttnClick()
{
    const QStringList before = HeardStatus();
    if (ui->TrotBttn->text() == EndCaption) {
        GameOver();
        SayChanges(before);
        return;
    }
    dialogs.Travel().exec();
    UpdateGame();
    if (Game.AtGarden == 1) {
        RepayDebt();
        Game.AtGarden = 0;
        BankVisit();
        if (Game.HasLicenceTag == 0)
            GetLicence();
    }
    if (Game.DaysLeft < 1 && Game.LastDayWarned == 0) {
        ShowNote("You're on the last day Snorfle, better sell what you can");
        Game.LastDayWarned = 1;
        ui->TrotBttn->setText(EndCaption);
    }
    if (Game.HealthGone == 1 || Game.DaysLeft < 0)
        GameOver();
    SayChanges(before);
    ui->TrotBttn->setFocus();
}

void TSnorfleMain::RepayDebt()
{
    if (AskTitled("Do you want to visit the Top Dog?", FinancesTitle) != Answer::No) {
        dialogs.TopDog().exec();
        UpdateGame();
    }
}

void TSnorfleMain::BankVisit()
{
    if (AskTitled("Do you want to visit the Saving & Bone Bank?", FinancesTitle) != Answer::No) {
        dialogs.Bank().exec();
        UpdateGame();
    }
}

void TSnorfleMain::GetLicence()
{
    if (OfferLicenceTag())
        UpdateGame();
}

void TSnorfleMain::GameOver()
{
    dialogs.GameOver().exec();
    if (Game.NewGameRequested == 1)
        NewGame();
}

void TSnorfleMain::EndCurrentGame1Click()
{
    GameOver();
}

void TSnorfleMain::Exit2Click()
{
    close();
}

void TSnorfleMain::Sound1Click()
{
    Game.SoundOn = ui->Sound1->isChecked() ? 1 : 0;
}

void TSnorfleMain::days1Click()
{
    ChooseGameLength(ui->days1, LongGameDays);
}

void TSnorfleMain::days2Click()
{
    ChooseGameLength(ui->days2, ShortGameDays);
}

void TSnorfleMain::ChooseGameLength(QAction *chosen, std::int32_t days)
{
    ui->days1->setChecked(false);
    ui->days2->setChecked(false);
    chosen->setChecked(true);
    Game.GameLength = days;
    NewGame();
}

QString TSnorfleMain::HelpFilePath()
{
    const QString program = QCoreApplication::applicationFilePath();
    return QDir(QFileInfo(program).absolutePath()).filePath(QStringLiteral("barkmoor.hlp"));
}

void TSnorfleMain::HelpTopics1Click()
{
    platform().OpenHelp(HelpFilePath());
}

void TSnorfleMain::WebSite1Click()
{
    platform().OpenWebSite(QString::fromLatin1(MakerWebSite));
}

void TSnorfleMain::About1Click()
{
    dialogs.About().exec();
}

void TSnorfleMain::BuyBoxClick()
{
    const QStringList before = HeardStatus();
    const int item = PickedRow(ui->BuyBox);
    if (item < 0)
        return;
    const TradeOutcome outcome = BuyGoods(item);
    if (outcome == TradeOutcome::Cancelled)
        return;
    if (outcome == TradeOutcome::Traded)
        UpdateGame();
    CloseTrade(ui->BuyBox, before);
}

void TSnorfleMain::SellBoxClick()
{
    const QStringList before = HeardStatus();
    const int item = PickedRow(ui->SellBox);
    if (item < 0)
        return;
    const TradeOutcome outcome = SellGoods(item);
    if (outcome == TradeOutcome::Cancelled)
        return;
    if (outcome == TradeOutcome::Traded)
        UpdateGame();
    CloseTrade(ui->SellBox, before);
}

void TSnorfleMain::CloseTrade(QListWidget *list, const QStringList &before)
{
    list->clearSelection();
    SayChanges(before);
    ui->TrotBttn->setFocus();
}

void TSnorfleMain::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    QCoreApplication::quit();
}

QPixmap TSnorfleMain::DogPicture() const
{
    return ui->Image1->pixmap();
}

QPixmap TSnorfleMain::TitlePicture() const
{
    return ui->Image2->pixmap();
}

} // namespace barkmoor
