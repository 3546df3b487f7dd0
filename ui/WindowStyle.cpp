// Shared window look and the picture copy that every dialog makes from the main window.
#include "WindowStyle.h"

#include "Platform.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QWidget>
#include <QtMath>

namespace barkmoor {

QFont BitmapGameFont()
{
#ifdef _WIN32
    // Windows carries the bitmap font itself; GameFont still checks that it is there.
    const bool loaded = true;
#else
    static const bool loaded = [] {
        const QString wineFont = QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf");
        return QFile::exists(wineFont) && QFontDatabase::addApplicationFont(wineFont) >= 0;
    }();
#endif
    if (!loaded)
        return {};
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(13);
    return f;
}

QFont ScalableGameFont()
{
#ifdef _WIN32
    // Windows' scalable face of the same design. Wine has none: there the Linux host's
    // Liberation Sans (Arial's widths, which every caption was laid out to fit on Linux), else
    // Wine's own Tahoma, which is wider.
    QFont f;
    f.setFamilies(
        { QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Tahoma") });
    // Drawn by the system's own engine at every scale, as Windows draws its dialogs; Qt would
    // otherwise hand a scaled screen's text to DirectWrite, which under Wine knows only the
    // fonts of the Linux host.
    f.setHintingPreference(QFont::PreferFullHinting);
#else
    QFont f(QStringLiteral("Liberation Sans"));
#endif
    f.setPixelSize(11);
    return f;
}

bool BitmapFontIsCrisp(const QFont &bitmap, qreal devicePixelRatio)
{
    // Its glyphs come in one size only: a doubled screen would draw them small on
    // doubled advances, and a missing strike would be faked from another size.
    if (devicePixelRatio > 1.0 || bitmap.family() != QStringLiteral("MS Sans Serif"))
        return false;
    const QFontInfo shown(bitmap);
#ifdef _WIN32
    // Qt 6.4 as released asks the system for a bitmap strike by its line height as the height
    // of the characters alone, and so draws the next strike up (a 16-pixel line for 13); the
    // Qt that tools/windows/build.sh makes carries a patch for it. Only the 8-point strike
    // itself, with its 13-pixel line, will do.
    if (QFontMetrics(bitmap).height() != bitmap.pixelSize())
        return false;
#endif
    return shown.family() == bitmap.family() && shown.pixelSize() == bitmap.pixelSize();
}

QFont GameFont()
{
    static const QFont font = [] {
        const QFont bitmap = BitmapGameFont();
        return BitmapFontIsCrisp(bitmap, qApp->devicePixelRatio()) ? bitmap : ScalableGameFont();
    }();
    return font;
}

QPixmap CrispPicture(const QPixmap &picture, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1.0 || picture.isNull())
        return picture;
    // Whole ratios repeat each pixel; left to the painter the picture would be smoothed.
    // Between them, repeat by the next whole ratio and smooth down only that last step.
    const int whole = qCeil(devicePixelRatio);
    QPixmap sharp = picture.scaled(picture.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (whole != devicePixelRatio)
        sharp = sharp.scaled(
            (QSizeF(picture.size()) * devicePixelRatio).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    sharp.setDevicePixelRatio(devicePixelRatio);
    return sharp;
}

void StyleGameWindow(QWidget &window, const QSize &clientSize)
{
    window.setFont(GameFont());
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::white);
    window.setPalette(palette);
    // A fixed border on Windows, which would otherwise draw one that resizes.
    window.setWindowFlags((window.windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowMinimizeButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window.setFixedSize(clientSize);
    platform().FrameGameWindow(window);
}

void SetRowHeights(QListWidget *list)
{
    for (int row = 0; row < list->count(); ++row)
        list->item(row)->setSizeHint(QSize(list->width(), RowHeight));
}

void CentreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
}

void NamePictures(QLabel *dog, QLabel *title)
{
    dog->setAccessibleName(QStringLiteral("Dog"));
    title->setAccessibleName(QStringLiteral("Barkmoor"));
}

void CopyMainPictures(const PictureSource &main, QLabel *dog, QLabel *title)
{
    NamePictures(dog, title);
    // A copy of its own, as the dialogs never share a bitmap with the main window.
    dog->setPixmap(main.DogPicture().copy());
    title->setPixmap(main.TitlePicture().copy());
}

} // namespace barkmoor
