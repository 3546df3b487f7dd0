// The windows on any screen: the font chosen for the device pixel ratio, captions that fit
// in either font, and prices drawn in full. CTest runs this file at ratio 1 and again at 2.
#include "WindowTesting.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "WindowStyle.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

bool BitmapFontInstalled()
{
    return BitmapGameFont().family() == QStringLiteral("MS Sans Serif");
}

// The part of a picture that is not white ground.
QImage Ink(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb ground = qRgb(255, 255, 255);
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != ground)
                box |= QRect(x, y, 1, 1);
    return image.copy(box);
}

// The buy column's row for item 7 as drawn with the list at the given width.
QImage PriceRow(int listWidth)
{
    auto *buy = SnorfleMain->findChild<QListWidget *>(QStringLiteral("BuyBox"));
    buy->setFixedWidth(listWidth);
    SnorfleMain->UpdateGame();
    return buy->viewport()->grab(buy->visualItemRect(buy->item(7))).toImage();
}

class ScreenTest : public WindowTest { };

} // namespace

// The bitmap font only at ratio 1. Catches a test written as ">= 2" (1.5 would draw tiny
// glyphs), a switch that never happens, and a missing bitmap font taken for present.
TEST_F(ScreenTest, BitmapFontOnlyWhereItIsCrisp)
{
    QFont missing(QStringLiteral("No Such Bitmap Font"));
    missing.setPixelSize(13);
    EXPECT_FALSE(BitmapFontIsCrisp(missing, 1.0));
    if (BitmapFontInstalled()) {
        EXPECT_TRUE(BitmapFontIsCrisp(BitmapGameFont(), 1.0));
        EXPECT_FALSE(BitmapFontIsCrisp(BitmapGameFont(), 1.25));
        EXPECT_FALSE(BitmapFontIsCrisp(BitmapGameFont(), 2.0));
    }
    const bool crisp = BitmapFontInstalled() && qApp->devicePixelRatio() == 1.0;
    EXPECT_EQ(GameFont().family(), crisp ? QStringLiteral("MS Sans Serif") : QStringLiteral("Liberation Sans"));
    MakeWindows();
    EXPECT_EQ(SnorfleMain->font().family(), GameFont().family());
    EXPECT_EQ(TopDogBox->findChild<QLabel *>(QStringLiteral("Title1"))->font().family(), GameFont().family());
}

// Every one-line caption fits its label or button in both fonts. Catches a fallback sized
// one step too large, whose captions would be cut at the right.
TEST_F(ScreenTest, CaptionsFitInEitherFont)
{
    MakeWindows();
    const QList<QWidget *> windows = { SnorfleMain, travel, TopDogBox, SavingBankBox, GameOverBox, Warden, aboutbox };
    for (const QFont &font : { BitmapGameFont(), ScalableGameFont() }) {
        if (font.family() != ScalableGameFont().family() && !BitmapFontInstalled())
            continue;
        const QFontMetricsF metrics(font);
        for (QWidget *window : windows) {
            for (QLabel *label : window->findChildren<QLabel *>()) {
                if (label->wordWrap() || label->text().isEmpty())
                    continue;
                const QString shown = QString(label->text()).replace(QStringLiteral("&&"), QStringLiteral("&"));
                EXPECT_LE(metrics.horizontalAdvance(shown), label->width())
                    << font.family().toStdString() << ": " << label->objectName().toStdString();
            }
            for (QPushButton *button : window->findChildren<QPushButton *>())
                EXPECT_LE(metrics.horizontalAdvance(button->text()), button->width() - 4)
                    << font.family().toStdString() << ": " << button->objectName().toStdString();
        }
    }
}

// The widest price the rules allow, five times the dearest Table Scraps (5 x 36962), shows
// in full in the 48-pixel column in both fonts: the row drawn at 48 pixels holds the same
// ink as the row drawn with room to spare. Catches eliding ("$ 1848...") and a figure cut
// by the column's margins.
TEST_F(ScreenTest, TheWidestPriceShowsInFull)
{
    MakeAndShowWindows();
    Game.Prices[7] = 184810;
    for (const QFont &font : { BitmapGameFont(), ScalableGameFont() }) {
        if (font.family() != ScalableGameFont().family() && !BitmapFontInstalled())
            continue;
        SCOPED_TRACE(font.family().toStdString());
        SnorfleMain->setFont(font);
        const QImage roomy = Ink(PriceRow(200));
        const QImage column = Ink(PriceRow(48));
        EXPECT_EQ(column.size(), roomy.size());
        EXPECT_TRUE(column == roomy);
        // And it really is the long figure: wider than a five-digit one.
        Game.Prices[7] = 99999;
        EXPECT_LT(Ink(PriceRow(200)).width(), roomy.width());
        Game.Prices[7] = 184810;
    }
}

// At a whole ratio each picture pixel is a square block of one colour, in the main window and
// in a dialog's copy: catches the painter's smoothing (a blurred dog at 2x) and a ratio test
// that lets 1.5 through to whole-pixel blocks; at 1.5 the picture is drawn in screen pixels
// (69 x 102 makes 104 x 153), not left to the painter. At ratio 1 it is the file itself.
TEST_F(ScreenTest, PicturesScaleWithoutBlur)
{
    const QImage dog(QStringLiteral(":/dog.bmp"));
    EXPECT_EQ(CrispPicture(QPixmap::fromImage(dog), 1.0).toImage(), QPixmap::fromImage(dog).toImage());
    EXPECT_EQ(CrispPicture(QPixmap::fromImage(dog), 1.5).toImage().size(), QSize(104, 153));
    const QImage doubled = CrispPicture(QPixmap::fromImage(dog), 2.0).toImage();
    ASSERT_EQ(doubled.size(), dog.size() * 2);
    EXPECT_EQ(doubled.pixel(41, 77), dog.pixel(20, 38));
    EXPECT_EQ(doubled.pixel(40, 76), dog.pixel(20, 38));

    MakeAndShowWindows();
    const int ratio = int(qApp->devicePixelRatio());
    for (QWidget *window : { static_cast<QWidget *>(SnorfleMain), static_cast<QWidget *>(TopDogBox) }) {
        const QImage shown = window->findChild<QLabel *>(QStringLiteral("Image1"))->grab().toImage();
        int blurred = 0;
        for (int y = 0; y + ratio <= shown.height(); y += ratio)
            for (int x = 0; x + ratio <= shown.width(); x += ratio)
                for (int dy = 0; dy < ratio; ++dy)
                    for (int dx = 0; dx < ratio; ++dx)
                        blurred += shown.pixel(x + dx, y + dy) != shown.pixel(x, y);
        EXPECT_EQ(blurred, 0) << window->objectName().toStdString();
    }
}
