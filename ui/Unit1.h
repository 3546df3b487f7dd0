// The main window: status display, trading columns, the Trot button and the menu.
#pragma once

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

class TSnorfleMain : public QMainWindow {
    Q_OBJECT

public:
    explicit TSnorfleMain(QWidget *parent = nullptr);
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

    QPixmap DogPicture() const;
    QPixmap TitlePicture() const;

protected:
    // Closing the main window ends the program, even when it was hidden at the time.
    void closeEvent(QCloseEvent *event) override;

private:
    void FillColumns();
    void ChooseGameLength(QAction *chosen, std::int32_t days);
    // After a trade or a refusal: no row stays picked and the keyboard goes back to Trot.
    void CloseTrade(QListWidget *list);

    std::unique_ptr<Ui::TSnorfleMain> ui;
};

// The main window, set once at start-up.
extern TSnorfleMain *SnorfleMain;

} // namespace barkmoor
