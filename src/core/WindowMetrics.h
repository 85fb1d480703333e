#pragma once

#include <QRect>

class App;
class QWidget;

// Window positions live in section "Window Metrics", four whole numbers of twips per window
// (15 twips a pixel), named by the window's caption followed by " Left", " Top", " Width"
// and " Height".
inline constexpr int kTwipsPerPixel = 15;

// Sets the window's caption, shown in the person's language; its stored metrics stay named by
// the English caption, so that a window keeps its place whatever language it speaks.
// caption is marked for translation where it is written (QT_TRANSLATE_NOOP in context).
void SetCaption(QWidget& form, const char* context, const char* caption);

// Centres a window on the screen.
void CenterForm(App& app, QWidget& form);
// Centres a window over parent (another window); with no parent, over the screen. The size
// does not change.
void CenterForm(App& app, QWidget* parent, QWidget& form);

// Writes the window's left, top, width and height; a minimized window is not written, so that
// it keeps its last normal place.
void SaveWindowMetrics(App& app, QWidget& form);
// Sets the stored place when a width and a height are stored (each read as a 16-bit whole
// number) and says so; otherwise the window keeps its designed place. A stored place that
// nobody could reach on the present screens is brought back onto the screen.
bool RestoreWindowMetrics(App& app, QWidget& form);
// The width a window needs for its whole title: the title's text in bold, as desktops draw it,
// and the room of the title bar's icon and buttons.
int TitleBarWidth(const QWidget& form);
// Where a window goes as it is shown: at least as wide as its title needs (TitleBarWidth); with
// "AutoCenterWindows" 1 it is centred over `over` (over the screen's available area when there
// is none or it is hidden); in every case all of it stays on the screen.
void PlaceForm(App& app, QWidget& form, QWidget* over = nullptr);
// A window shown for the first time: its stored place, or else its designed size placed by
// PlaceForm over the screen.
void RestoreOrPlaceForm(App& app, QWidget& form);
// The close handlers' rule: saved only when "SaveWinPosition" is 1.
void SaveWindowMetricsOnClose(App& app, QWidget& form);

// A stored metric as the 16-bit whole number the program works with: texts that are no
// number read as 0, numbers beyond the range are held at its ends.
qint16 MetricValue(const QString& stored);
// Where a window with this geometry ends up so that a person can reach it: unchanged when
// enough of its top edge lies on one of the screens, else moved (and if need be shrunk) into
// the available area of the primary screen.
QRect ReachableGeometry(const QRect& wanted, const QRect& available, const QRect& virtualArea);
// The rectangle moved (and if need be shrunk) so that all of it lies inside `available`.
QRect WhollyInside(const QRect& wanted, const QRect& available);
