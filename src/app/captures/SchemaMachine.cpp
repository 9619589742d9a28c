#include "SchemaMachine.h"

#include <QPainter>
#include <QPainterPath>

namespace galbix::captures {

namespace {

// A dimension line with arrows at both ends and its caption above the middle.
void Cote(QPainter& p, double x0, double x1, double y, const QString& texte)
{
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
    for (double x : {x0, x1}) {
        const double s = x == x0 ? 1.0 : -1.0;
        p.drawLine(QPointF(x, y), QPointF(x + 8 * s, y - 4));
        p.drawLine(QPointF(x, y), QPointF(x + 8 * s, y + 4));
        p.drawLine(QPointF(x, y - 7), QPointF(x, y + 7));
    }
    p.drawText(QRectF(x0, y - 22, x1 - x0, 18), Qt::AlignCenter, texte);
}

void Chariot(QPainter& p, double x, double yFil, double sol, const QString& nom, const QString& axes)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.0));
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(x - 14, 50, 28, sol - 50));            // vertical rail
    p.setBrush(QColor(90, 110, 150));
    p.drawRect(QRectF(x - 22, yFil - 14, 44, 28));           // carriage
    p.setBrush(QColor(230, 230, 230));
    p.drawEllipse(QPointF(x, yFil), 4, 4);                   // wire clamp
    p.setPen(Qt::black);
    p.drawText(QRectF(x - 90, 8, 180, 18), Qt::AlignCenter, nom);
    p.drawText(QRectF(x - 90, 26, 180, 18), Qt::AlignCenter, axes);
}

} // namespace

QImage SchemaMachine(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double gauche = 80, droite = largeur - 80.0, sol = hauteur - 90.0;
    const double L = 1000.0, D = 250.0, envergure = 450.0;
    const auto x = [&](double z) { return gauche + (droite - gauche) * z / L; };
    const double xE = x(D), xS = x(D + envergure);
    // Root and tip points of one pair: the wire through them, extended to the carriages.
    const double yE = 175, yS = 215;
    const auto y = [&](double px) { return yE + (yS - yE) * (px - xE) / (xS - xE); };

    p.setPen(QPen(QColor(120, 120, 120), 2));
    p.drawLine(QPointF(20, sol), QPointF(largeur - 20.0, sol));
    p.setPen(QPen(QColor(150, 130, 60), 1));
    p.setBrush(QColor(250, 236, 170));
    p.drawRect(QRectF(xE, 130, xS - xE, sol - 150));
    p.setPen(Qt::black);
    p.drawText(QRectF(xE, sol - 46, xS - xE, 18), Qt::AlignCenter, QStringLiteral("bloc de mousse"));

    // The profiles on the faces: the root larger than the tip.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 0, 0), 1.5, Qt::DashLine));
    p.drawLine(QPointF(xE, 140), QPointF(xE, 240));
    p.setPen(QPen(QColor(0, 0, 200), 1.5, Qt::DashLine));
    p.drawLine(QPointF(xS, 175), QPointF(xS, 240));
    p.setPen(Qt::black);
    p.drawText(QRectF(xE - 120, 112, 240, 16), Qt::AlignCenter, QStringLiteral("face d'emplanture (E)"));
    p.drawText(QRectF(xS - 120, 112, 240, 16), Qt::AlignCenter, QStringLiteral("face de saumon (S)"));

    Chariot(p, gauche, y(gauche), sol, QStringLiteral("chariot gauche"), QStringLiteral("axes X, Y"));
    Chariot(p, droite, y(droite), sol, QStringLiteral("chariot droit"), QStringLiteral("axes U, V (ou Z, A)"));
    p.setPen(QPen(QColor(220, 60, 0), 2));
    p.drawLine(QPointF(gauche, y(gauche)), QPointF(droite, y(droite)));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(200, 0, 0));
    p.drawEllipse(QPointF(xE, yE), 4.5, 4.5);
    p.setBrush(QColor(0, 0, 200));
    p.drawEllipse(QPointF(xS, yS), 4.5, 4.5);
    p.drawText(QPointF(xE + 8, yE - 8), QStringLiteral("Ei"));
    p.drawText(QPointF(xS + 8, yS - 8), QStringLiteral("Si"));
    p.drawText(QPointF((xS + droite) / 2 - 20, y((xS + droite) / 2) - 10), QStringLiteral("fil chaud"));

    Cote(p, gauche, xE, sol + 30, QStringLiteral("D"));
    Cote(p, xE, xS, sol + 30, QStringLiteral("écartement"));
    Cote(p, gauche, droite, sol + 66, QStringLiteral("L"));
    return image;
}

} // namespace galbix::captures
