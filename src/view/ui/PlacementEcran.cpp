#include "view/ui/PlacementEcran.h"

#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace galbix {

namespace {

/// How often and how long a shown window waits for its frame.
constexpr int EssaisCadre = 80;
constexpr int PauseCadreMs = 25;

QSize Marges(const QWidget& w)
{
    const QWindow* fenetre = w.windowHandle();
    if (!fenetre || !w.isVisible())
        return {};
    const QMargins m = fenetre->frameMargins();
    return {m.left() + m.right(), m.top() + m.bottom()};
}

void Replacer(QWidget& fenetre)
{
    if (fenetre.isMaximized() || fenetre.isFullScreen() || fenetre.isMinimized() || !fenetre.screen())
        return;
    const QRect zone = fenetre.screen()->availableGeometry();
    const QSize decor = Marges(fenetre);
    const QSize taille = TailleDansZone(fenetre.size(), decor, zone);
    if (taille != fenetre.size())
        fenetre.resize(taille);
    QRect cadre(fenetre.windowHandle()->framePosition(), taille + decor);
    cadre.moveRight(std::min(cadre.right(), zone.right()));
    cadre.moveBottom(std::min(cadre.bottom(), zone.bottom()));
    cadre.moveLeft(std::max(cadre.left(), zone.left()));
    cadre.moveTop(std::max(cadre.top(), zone.top()));
    if (cadre.topLeft() != fenetre.windowHandle()->framePosition())
        fenetre.move(cadre.topLeft());
}

void Attendre(QPointer<QWidget> fenetre, int essai)
{
    if (!fenetre || !fenetre->isVisible())
        return;
    if (Marges(*fenetre).isNull() && essai < EssaisCadre) {
        QTimer::singleShot(PauseCadreMs, fenetre, [fenetre, essai] { Attendre(fenetre, essai + 1); });
        return;
    }
    Replacer(*fenetre);
}

} // namespace

QSize TailleDansZone(QSize voulue, QSize decor, const QRect& zone)
{
    return voulue.boundedTo((zone.size() - decor).expandedTo(QSize(1, 1)));
}

QSize DecorDeFenetre(const QWidget& fenetre, const QWidget* voisine)
{
    QSize decor = Marges(fenetre);
    if (decor.isNull() && voisine)
        decor = Marges(*voisine->window());
    return decor;
}

void GarderDansEcran(QWidget& fenetre)
{
    QTimer::singleShot(0, &fenetre, [f = QPointer<QWidget>(&fenetre)] { Attendre(f, 0); });
}

} // namespace galbix
