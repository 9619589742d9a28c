// Per-frame times of the drawing area on two profiles of 100 000 points (or the count per
// side given): a redraw, a new mapping (the reduced copies rebuilt), a pan, a Ctrl-drag
// of a quarter of the points, and the cut player, each through the widget's own paint, next to bare
// QPainter::drawLines of the same segments on an image of the same size.
#include "Bench.h"
#include "model/Extremes.h"
#include "model/Naca.h"
#include "view/Parcours.h"
#include "view/Projection.h"
#include "view/Souris.h"
#include "view/ui/VueProfils.h"

#include <QImage>
#include <QPainter>

namespace galbix::bench {

namespace {

constexpr int Largeur = 1200, Hauteur = 800, Images = 30;

CoupleProfils Aile(int parCote)
{
    CoupleProfils p;
    for (const QPointF& q : ProfilNaca4(QStringLiteral("2412"), parCote / 2))
        p.PointsE.push_back({float(q.x() * 300.0), float(q.y() * 300.0), 0});
    for (const QPointF& q : ProfilNaca4(QStringLiteral("0012"), parCote / 2))
        p.PointsS.push_back({float(q.x() * 180.0 + 60.0), float(q.y() * 180.0 + 15.0), 0});
    for (TableauPoints* cote : {&p.PointsE, &p.PointsS}) // a run of a quarter of each side selected
        for (size_t i = 0; i < cote->size() / 4; ++i)
            cote->Modifier()[i].Etat = EtatSelection;
    p.EcartementZ = 600.0f;
    CalculerExtremes(p);
    return p;
}

// Bare QPainter: every segment of both screen copies drawn with drawLines, plus the blit.
double TempsNu(const EtatVue& vue)
{
    std::vector<QLineF> lignes;
    for (const auto* v : {&vue.Copies.ProfilsEcran.PointsE, &vue.Copies.ProfilsEcran.PointsS})
        for (size_t i = 1; i < v->size(); ++i)
            lignes.emplace_back((*v)[i - 1].X / TwipsParPixel, (*v)[i - 1].Y / TwipsParPixel,
                                (*v)[i].X / TwipsParPixel, (*v)[i].Y / TwipsParPixel);
    QImage image(Largeur, Hauteur, QImage::Format_ARGB32_Premultiplied), ecran(image.size(), image.format());
    return MeilleurTempsCpuMs(Images, [&] {
        image.fill(Qt::white);
        QPainter p(&image);
        p.drawLines(lignes.data(), int(lignes.size()));
        p.end();
        QPainter e(&ecran);
        e.drawImage(0, 0, image);
    });
}

void Mesurer(const char* libelle, AnglesVue angles, int parCote)
{
    CoupleProfils modele = Aile(parCote);
    EtatEdition edition;
    EtatVue vue;
    vue.Omega = angles.Omega;
    vue.Alpha = angles.Alpha;
    VueProfils dessin(modele, edition, vue);
    dessin.resize(Largeur, Hauteur);
    vue.DefinirTailleDessin(float(Largeur * TwipsParPixel), float(Hauteur * TwipsParPixel));
    dessin.AjusterVue();
    QImage ecran(Largeur, Hauteur, QImage::Format_ARGB32_Premultiplied);
    auto peindre = [&] { dessin.render(&ecran); };
    char texte[160];
    const double nu = TempsNu(vue);
    std::snprintf(texte, sizeof texte, "%s: bare drawLines, 2 x %zu points", libelle, modele.PointsE.size());
    Afficher(texte, nu);
    const double complet = MeilleurTempsCpuMs(Images, [&] { dessin.DessinerProfils(); peindre(); });
    std::snprintf(texte, sizeof texte, "%s: full redraw frame", libelle);
    Afficher(texte, complet);
    const double carte = MeilleurTempsCpuMs(Images, [&] { dessin.RecalculerEcran(); peindre(); });
    std::snprintf(texte, sizeof texte, "%s: map again and redraw (reductions rebuilt)", libelle);
    Afficher(texte, carte);
    const double pan = MeilleurTempsCpuMs(Images, [&] {
        DecalerCopieDessin(vue, modele, 15.0f, 15.0f, false);
        dessin.DecalerBase(QPointF(1, 1));
        peindre();
    });
    std::snprintf(texte, sizeof texte, "%s: pan frame (%.2f x bare)", libelle, pan / nu);
    Afficher(texte, pan);
    dessin.DessinerProfils();
    const double glisser = MeilleurTempsCpuMs(Images, [&] {
        DecalerCopieDessin(vue, modele, 15.0f, 15.0f, true);
        dessin.DessinerProfils();
        peindre();
    });
    std::snprintf(texte, sizeof texte, "%s: Ctrl-drag frame, 1/4 selected (%.2f x bare)", libelle, glisser / nu);
    Afficher(texte, glisser);
    dessin.AjusterVue(); // the screen copies as the model has them again
    const AnalyseParcours analyse = AnalyserParcours(modele);
    int image = 0;
    const double lecture = MeilleurTempsCpuMs(Images, [&] {
        const double t = analyse.Duree(3.0) * (0.5 + 0.01 * (image++));
        const PositionParcours pos = PositionAuTemps(modele, analyse, t, 3.0);
        dessin.DefinirDecoupe({true, pos.Segment, pos.Fraction, &analyse.AVerifier, !EnVueDeCote(vue)});
        peindre();
    });
    std::snprintf(texte, sizeof texte, "%s: cut player frame (%.2f x bare)", libelle, lecture / nu);
    Afficher(texte, lecture);
}

} // namespace

void BenchImages(const Arguments& arguments)
{
    const int parCote = int(arguments.Nombre(0, 100000));
    Mesurer("side view", VueDeCote, parCote);
    Mesurer("perspective", VuePerspective, parCote);
}

} // namespace galbix::bench
