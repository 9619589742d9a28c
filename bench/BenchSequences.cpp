// Benchmarks of the sequence window on a large drawing: 2 000 contours, 1 000 000 points in
// all. Opening (cut, thin, fit, map, draw), taking everything into the assembly (fit and draw
// the lower view), one move of a Ctrl-drag of 500 contours, and its release.
#include "Bench.h"
#include "DialoguesMuets.h"

#include "view/ui/Dialogues.h"
#include "sequences/Decoupage.h"
#include "sequences/ui/FenetreSequences.h"
#include "sequences/ui/VueSequences.h"
#include "view/EtatVue.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QRandomGenerator>
#include <QToolButton>
#include <cmath>
#include <numbers>

namespace galbix::bench {

namespace {

// `contours` rough closed outlines of `points` points each on a grid: radii jittered well
// above the thinning tolerance, so that every point survives the thinning.
std::vector<PointFichier> GrandDessin(int contours, int points)
{
    QRandomGenerator alea(7);
    std::vector<PointFichier> r;
    r.reserve(size_t(contours) * size_t(points));
    const int colonnes = int(std::ceil(std::sqrt(double(contours))));
    for (int k = 0; k < contours; ++k) {
        const double cx = (k % colonnes) * 30.0, cy = (k / colonnes) * 30.0;
        for (int i = 0; i < points; ++i) {
            const double a = 2.0 * std::numbers::pi * double(i % (points - 1)) / double(points - 1);
            const double rayon = 10.0 * (1.0 + 0.05 * (alea.generateDouble() - 0.5));
            PointFichier p;
            p.X = float(cx + rayon * std::cos(a));
            p.Y = float(cy + rayon * std::sin(a));
            PoserCodeContour(p, k);
            r.push_back(p);
        }
        r.back().X = r[r.size() - size_t(points)].X;
        r.back().Y = r[r.size() - size_t(points)].Y;
    }
    return r;
}

void Souris(QWidget* w, QEvent::Type type, QPointF pixel, Qt::MouseButton bouton, Qt::MouseButtons boutons,
            Qt::KeyboardModifiers touches)
{
    QMouseEvent e(type, pixel, w->mapToGlobal(pixel), bouton, boutons, touches);
    QCoreApplication::sendEvent(w, &e);
}

} // namespace

void BenchSequences(const Arguments&)
{
    const std::vector<PointFichier> dessin = GrandDessin(2000, 500);
    const double decoupe = MeilleurTempsMs(3, [&] { DecouperSequences(dessin); });
    Afficher("sequences: cut and thin 2000 contours / 1000000 records", decoupe);
    DialoguesMuets dialogues;
    TamponLecture tampon;
    std::unique_ptr<FenetreSequences> fenetre;
    const double ouverture = MeilleurTempsMs(3, [&] {
        tampon.Points = dessin;
        fenetre = std::make_unique<FenetreSequences>(dialogues, tampon, CoteE, QString(), QString());
    });
    char ligne[160];
    std::snprintf(ligne, sizeof ligne, "sequences: open 2000 contours / %lld points, fit, draw upper",
                  static_cast<long long>(NombrePoints(fenetre->Sequences())));
    Afficher(ligne, ouverture);

    fenetre->show();
    QCoreApplication::processEvents();
    const ControlesSequences& c = fenetre->Controles();
    const double prendre = MeilleurTempsMs(1, [&] {
        c.cmdSelectionSequence[0]->click();
        c.cmdQuelquesSequences->click();
    });
    Afficher("sequences: take all into the assembly, fit, draw lower", prendre);

    // Select the first 500 contours of the assembly. Clicking 500 labels would redraw 500
    // times: the marks are set directly, then a redraw (the direction check box) shows them.
    c.cmdSelectionSequenceFinal[1]->click();
    ListeSequences& finales = const_cast<ListeSequences&>(fenetre->SequencesFinales());
    for (size_t k = 0; k < 500; ++k)
        finales[k].Selectionnee = 1;
    c.chkVisuSens->toggle();
    c.chkVisuSens->toggle();
    VueSequences* vue = c.pctSequencesFinal;
    const QPointF a(100, 100);
    const double debut = MeilleurTempsMs(1, [&] {
        Souris(vue, QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
    });
    Afficher("sequences: Ctrl-drag of 500 contours, press", debut);
    int pas = 0;
    const double mouvement = MeilleurTempsMs(20, [&] {
        ++pas;
        Souris(vue, QEvent::MouseMove, a + QPointF(pas, pas / 2), Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
        vue->grab();
    });
    std::snprintf(ligne, sizeof ligne, "sequences: Ctrl-drag of 500 contours, one move (redraw %dx%d)",
                  vue->width(), vue->height());
    Afficher(ligne, mouvement);
    const double relache = MeilleurTempsMs(1, [&] {
        Souris(vue, QEvent::MouseButtonRelease, a + QPointF(40, 20), Qt::LeftButton, Qt::NoButton, Qt::ControlModifier);
    });
    Afficher("sequences: Ctrl-drag of 500 contours, release (move, fit, draw)", relache);
}

} // namespace galbix::bench
