#pragma once
// The editing session of command tests, loaded with both sides as after opening a project, and
// the comparison of a side with the points a command should leave.

#include "app/SessionEdition.h"
#include "model/Extremes.h"
#include <QList>
#include <QPointF>
#include <QStringList>
#include <cmath>
#include <vector>

namespace galbix::tests {

/// A session holding `e` and `s` 500 mm apart, the placing values typed being those the profiles
/// show, and its first undo snapshot.
struct SessionChargee : SessionEdition {
    ContexteEdition Ctx = Contexte();
    SessionChargee(std::vector<PointProfil> e, std::vector<PointProfil> s) {
        Profils.PointsE = std::move(e);
        Profils.PointsS = std::move(s);
        Profils.EcartementZ = 500;
        CalculerExtremes(Profils);
        Geometrie.FlecheSaisie = Profils.FlecheBA;
        Geometrie.DiedreMmSaisi = Profils.DiedreMm;
        EnregistrerUndo(Ctx);
    }
};

/// Empty when `p` holds as many points as `attendu`, each within `ecart` of its own; else the
/// points of `p` as text, for the failure message.
inline QString EcartPoints(const std::vector<PointProfil>& p, const QList<QPointF>& attendu, double ecart = 1e-4) {
    bool proches = qsizetype(p.size()) == attendu.size();
    QStringList texte;
    for (size_t i = 0; i < p.size(); ++i) {
        const QPointF a = proches ? attendu[qsizetype(i)] : QPointF();
        proches = proches && std::hypot(p[i].X - a.x(), p[i].Y - a.y()) <= ecart;
        texte << QStringLiteral("(%1, %2)").arg(p[i].X).arg(p[i].Y);
    }
    return proches ? QString() : texte.join(u' ');
}

} // namespace galbix::tests
