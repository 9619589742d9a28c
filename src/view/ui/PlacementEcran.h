#pragma once
// Windows kept within the available area of their screen, frame included.

#include <QRect>
#include <QSize>

class QWidget;

namespace galbix {

/// `voulue` (inner size) shrunk so that, with a frame of `decor`, it fits in `zone`.
QSize TailleDansZone(QSize voulue, QSize decor, const QRect& zone);

/// The frame of `fenetre`'s window (its sides and title bar), or of `voisine` while
/// `fenetre` is not framed yet; empty when neither is.
QSize DecorDeFenetre(const QWidget& fenetre, const QWidget* voisine = nullptr);

/// Once the window manager has framed the shown window `fenetre` (it waits for that about
/// two seconds at most), shrinks and moves it as little as needed so that its frame lies within
/// its screen's available area.
void GarderDansEcran(QWidget& fenetre);

} // namespace galbix
