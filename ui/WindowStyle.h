// The look shared by every game window: font, white ground, fixed frame, centring.
#pragma once

#include <QFont>
#include <QPixmap>

class QWidget;
class QLabel;

namespace barkmoor {

// The 8-point game font: the metric-compatible bitmap MS Sans Serif when the machine has
// it and the screen shows it crisply (a device pixel ratio of 1), otherwise the scalable
// Liberation Sans, which fits every caption.
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
void StyleGameWindow(QWidget &window, int clientWidth, int clientHeight);

void CentreOnScreen(QWidget &window);

// Names the dog and title pictures for screen readers.
void NamePictures(QLabel *dog, QLabel *title);
// Copies the main window's dog and title pictures into a dialog's two picture labels.
void CopyMainPictures(QLabel *dog, QLabel *title);

} // namespace barkmoor
