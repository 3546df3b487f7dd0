// The look shared by every game window: font, white ground, fixed frame, centring.
#pragma once

#include <QFont>
#include <QPixmap>

class QLabel;
class QListWidget;
class QSize;
class QWidget;

namespace barkmoor {

// The height of every list row, in the trading columns and the travel list alike.
inline constexpr int RowHeight = 13;

// Where a dialog's two pictures come from: the main window.
class PictureSource {
public:
    virtual QPixmap DogPicture() const = 0;
    virtual QPixmap TitlePicture() const = 0;

protected:
    ~PictureSource() = default;
};

// The 8-point game font: the metric-compatible bitmap MS Sans Serif when the machine has
// it and the screen shows it crisply (a device pixel ratio of 1), otherwise the scalable
// Liberation Sans, which fits every caption (on Windows Microsoft Sans Serif, else Tahoma).
QFont GameFont();
// The two candidates. The bitmap one is a default font when the machine lacks it.
QFont BitmapGameFont();
QFont ScalableGameFont();
bool BitmapFontIsCrisp(const QFont &bitmap, qreal devicePixelRatio);

// A picture for a screen of this device pixel ratio: at a whole ratio above 1 each pixel
// becomes a square block (no blur); between whole ratios it is blown up by the next whole
// ratio and smoothed down from there; at 1 or below it is the picture as it is.
QPixmap CrispPicture(const QPixmap &picture, qreal devicePixelRatio);

// Fixed client size, white ground (through the palette: a style sheet would stop the font
// reaching the controls), the game font, and a title bar with a minimise button only.
void StyleGameWindow(QWidget &window, const QSize &clientSize);

// Every row of the list RowHeight high and as wide as the list.
void SetRowHeights(QListWidget *list);

void CentreOnScreen(QWidget &window);

// Names the dog and title pictures for screen readers.
void NamePictures(QLabel *dog, QLabel *title);
// Copies the main window's dog and title pictures into a dialog's two picture labels.
void CopyMainPictures(const PictureSource &main, QLabel *dog, QLabel *title);

} // namespace barkmoor
