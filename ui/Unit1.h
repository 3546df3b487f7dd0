// The main window: status display, trading columns, the Trot button and the menu.
#pragma once

#include "WindowStyle.h"

#include <QMainWindow>
#include <QPixmap>

#include <memory>

class QListWidget;

namespace Ui {
class TSnorfleMain;
}

namespace barkmoor {

// The maker's web site, opened by Help > Web Site.
inline constexpr const char *MakerWebSite = "https://barkmoor.example.org/";

class Taboutbox;
class TGameOverBox;
class TSavingBankBox;
class TTopDogBox;
class Ttravel;

// The dialogs the main window shows, each ready when asked for: start-up makes them after
// the window's first frame, or at once when a handler needs one sooner.
class MainDialogs {
public:
    virtual Ttravel &Travel() = 0;
    virtual TTopDogBox &TopDog() = 0;
    virtual TSavingBankBox &Bank() = 0;
    virtual TGameOverBox &GameOver() = 0;
    virtual Taboutbox &About() = 0;

protected:
    ~MainDialogs() = default;
};

// The dialogs copy their pictures from it.
class TSnorfleMain : public QMainWindow, public PictureSource {
    Q_OBJECT

public:
    explicit TSnorfleMain(MainDialogs &dialogs, QWidget *parent = nullptr);
    ~TSnorfleMain() override;

    // Creation handler: sound menu state, game length, and the first game.
    void FormCreate();
    // Greys the Sound command when there is no audio output; its tick, and so SoundOn, stays.
    void ShowAudioOutputs(int outputs);
    // Copies GameState onto the display.
    void UpdateGame();
    void NewGame();
    void soundselection();
    // Trading clicks on a row of the stock and price columns.
    void SellBoxClick();
    void BuyBoxClick();

    // The day's turn and the end of a game.
    void TrotBttnClick();
    void RepayDebt();
    void BankVisit();
    void GetLicence();
    void GameOver();

    // Menu commands. The check items are already ticked or unticked by the menu when
    // these run, as a menu tick turns over when it is chosen.
    void Exit2Click();
    void Sound1Click();
    void days1Click();
    void days2Click();
    void HelpTopics1Click();
    void WebSite1Click();
    void About1Click();
    void EndCurrentGame1Click();

    // The help file Help Topics opens: barkmoor.hlp in the running program's folder.
    static QString HelpFilePath();

    QPixmap DogPicture() const override;
    QPixmap TitlePicture() const override;

protected:
    // Closing the main window ends the program, even when it was hidden at the time.
    void closeEvent(QCloseEvent *event) override;

private:
    void FillColumns();
    void ChooseGameLength(QAction *chosen, std::int32_t days);
    // After a trade or a refusal: no row stays picked and the keyboard goes back to Trot.
    void CloseTrade(QListWidget *list, const QStringList &before);
    // The figures as a listener hears them, one part each, always in the same order.
    QStringList HeardStatus() const;
    // Puts the parts that differ from before into Trot's description, which a screen reader
    // reads with the button as the focus comes back, so a result is heard without anything
    // on screen changing. Called before the focus moves there.
    void SayChanges(const QStringList &before);

    std::unique_ptr<Ui::TSnorfleMain> ui;
    MainDialogs &dialogs;
};

} // namespace barkmoor
