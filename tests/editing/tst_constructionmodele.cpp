// Intersection, offset, cleaning and smoothing on the model: the points each command leaves,
// its refusals, and the undo of each.
#include "common/Colonnes.h"
#include "common/Profils.h"
#include "common/TestMain.h"

#include "app/SessionEdition.h"
#include "editing/Nettoyage.h"
#include "editing/QueueConstruction.h"
#include "editing/QueuePoints.h"
#include "model/Extremes.h"
#include "model/Naca.h"

#include <QtTest>
#include <cmath>
#include <functional>

using namespace galbix;

using Points = QList<QPointF>;
using Numeros = QList<int>; // 1-based point numbers

namespace {

std::vector<PointProfil> Profil(const Points& points, const Numeros& selection = {}, int16_t autres = 0)
{
    std::vector<PointProfil> r;
    for (const QPointF& p : points)
        r.push_back({float(p.x()), float(p.y()), autres});
    for (int k : selection)
        PoserEtat(r[size_t(k - 1)], EtatSelection);
    return r;
}

Points Coordonnees(const std::vector<PointProfil>& points)
{
    Points r;
    for (const PointProfil& p : points)
        r.append(QPointF(p.X, p.Y));
    return r;
}

bool Proches(const Points& a, const Points& b, double ecart = 1e-4)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (std::hypot(a[i].x() - b[i].x(), a[i].y() - b[i].y()) > ecart)
            return false;
    return true;
}

QString Texte(const Points& p)
{
    QStringList t;
    for (const QPointF& q : p)
        t << QStringLiteral("(%1, %2)").arg(q.x()).arg(q.y());
    return t.join(u' ');
}

double DistanceSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a, ap = p - a;
    const double l2 = QPointF::dotProduct(ab, ab);
    const double t = l2 > 0 ? std::clamp(QPointF::dotProduct(ap, ab) / l2, 0.0, 1.0) : 0.0;
    const QPointF d = ap - t * ab;
    return std::hypot(d.x(), d.y());
}

// A session loaded with two sides and one snapshot, as after opening a project.
struct Banc {
    SessionEdition session;
    ContexteEdition ctx = session.Contexte();
    Banc(std::vector<PointProfil> e, std::vector<PointProfil> s)
    {
        session.Profils.PointsE = std::move(e);
        session.Profils.PointsS = std::move(s);
        // As after a load: the placing values are those the profiles show.
        CalculerExtremes(session.Profils);
        session.Geometrie.FlecheSaisie = session.Profils.FlecheBA;
        session.Geometrie.DiedreMmSaisi = session.Profils.DiedreMm;
        EnregistrerUndo(ctx);
    }
};

const Points Carre{{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}}; // clockwise: the right-hand side is inside

} // namespace

class TestConstruction : public QObject {
    Q_OBJECT
private slots:
    void intersection_data()
    {
        tests::Colonnes<Points, Numeros, int, Points>("points", "selection", "cote", "resultat");
        QTest::addColumn<QString>("titre"); // empty: no message
        QTest::addColumn<QString>("texte");

        const Points croix{{-5, 3}, {0, 0}, {10, 0}, {5, -5}, {5, 5}, {0, 9}};
        QTest::newRow("croisement") << croix << Numeros{2, 3, 4, 5} << 0
                                    << Points{{-5, 3}, {0, 0}, {10, 0}, {5, -5}, {5, 0}, {5, 5}, {0, 9}} << QString()
                                    << QString();
        const QString quatre = QStringLiteral("Il faut sélectionner quatre points consécutifs deux à deux.");
        const Points huit{{0, 0}, {1, 0}, {2, 0}, {3, 1}, {4, 0}, {5, 2}, {6, 0}, {7, 3}};
        QTest::newRow("3 4 6 8") << huit << Numeros{3, 4, 6, 8} << 0 << huit
                                 << QStringLiteral("Erreur de sélection à l'emplanture") << quatre;
        QTest::newRow("trois points") << huit << Numeros{3, 4, 6} << 1 << huit
                                      << QStringLiteral("Erreur de sélection au saumon") << quatre;
        QTest::newRow("premier couple disjoint") << huit << Numeros{1, 3, 5, 6} << 0 << huit
                                                 << QStringLiteral("Erreur de sélection à l'emplanture") << quatre;
        QTest::newRow("aucune sélection") << huit << Numeros{} << 0 << huit << QString() << QString();
        const Points confondus{{0, 0}, {0.005, 0.009}, {5, -5}, {5, 5}};
        QTest::newRow("segment dégénéré") << confondus << Numeros{1, 2, 3, 4} << 0 << confondus
                                          << QStringLiteral("Erreur de sélection à l'emplanture")
                                          << QStringLiteral("Deux points consécutifs sont confondus, impossible "
                                                            "de définir un des deux segments.");
        const Points paralleles{{0, 0}, {10, 0}, {10, 3}, {0, 3}};
        QTest::newRow("parallèles E") << paralleles << Numeros{1, 2, 3, 4} << 0 << paralleles
                                      << QStringLiteral("Pas d'intersection à l'emplanture")
                                      << QStringLiteral("Les deux segments de l'emplanture sont parallèles.");
        const Points disjoints{{0, 0}, {10, 0}, {20, -5}, {20, 5}};
        QTest::newRow("ne se touchent pas") << disjoints << Numeros{1, 2, 3, 4} << 1 << disjoints
                                            << QStringLiteral("Pas d'intersection au saumon")
                                            << QStringLiteral("Les deux segments du saumon ne se touchent pas.");
        QTest::newRow("fin de A") << Points{{0, 0}, {10, 0}, {10, 0}, {10, 5}} << Numeros{1, 2, 3, 4} << 0
                                  << Points{{0, 0}, {10, 0}, {10, 0}, {10, 0}, {10, 5}}
                                  << QStringLiteral("Intersection en bout de segment à l'emplanture")
                                  << QStringLiteral("Attention, vous venez de créer un point superposé à un point existant");
        QTest::newRow("début de B") << Points{{0, 0}, {10, 0}, {5, 0}, {5, 5}} << Numeros{1, 2, 3, 4} << 1
                                    << Points{{0, 0}, {5, 0}, {10, 0}, {5, 0}, {5, 5}}
                                    << QStringLiteral("Intersection en bout de segment au saumon")
                                    << QStringLiteral("Attention, vous venez de créer un point superposé à un point existant");
    }
    void intersection()
    {
        QFETCH(Points, points);
        QFETCH(Numeros, selection);
        QFETCH(int, cote);
        QFETCH(Points, resultat);
        QFETCH(QString, titre);
        std::vector<PointProfil> p = Profil(points, selection);
        const std::optional<AvisConstruction> avis = IntersecterCote(p, cote);
        QVERIFY2(Proches(Coordonnees(p), resultat), qPrintable(Texte(Coordonnees(p))));
        QCOMPARE(avis.has_value(), !titre.isEmpty());
        if (avis) {
            QCOMPARE(avis->Titre, titre);
            QTEST(avis->Texte, "texte");
            QCOMPARE(avis->Information, titre.startsWith(QStringLiteral("Intersection")));
        }
        for (const PointProfil& q : p) // the new point is not selected, the others keep their state
            QVERIFY(q.Etat == 0 || q.Etat == EtatSelection);
        QCOMPARE(int(std::count_if(p.begin(), p.end(), [](const PointProfil& q) { return q.Etat == EtatSelection; })),
                 int(selection.size()));
    }

    // Both sides are handled independently: a refusal on one does not stop the other.
    void intersectionDeuxCotes()
    {
        Banc b(Profil({{0, 0}, {10, 0}, {10, 3}, {0, 3}}, {1, 2, 3, 4}),
               Profil({{-5, 3}, {0, 0}, {10, 0}, {5, -5}, {5, 5}}, {2, 3, 4, 5}));
        const SuiteConstruction s = CommandeIntersection(b.ctx);
        QCOMPARE(s.Avis.size(), size_t(1));
        QCOMPARE(s.Avis[0].Titre, QStringLiteral("Pas d'intersection à l'emplanture"));
        QCOMPARE(b.session.Profils.NbPointsE(), 4);
        QCOMPARE(b.session.Profils.NbPointsS(), 6);
        QVERIFY(s.NombresModifies);
        QVERIFY(!s.Suite.Refuse);
    }

    void decalage_data()
    {
        tests::Colonnes<Points, Numeros, double, Points>("points", "selection", "d", "resultat");

        QTest::newRow("coin") << Points{{0, 0}, {10, 0}, {10, 10}} << Numeros{1, 2, 3} << 2.0
                              << Points{{0, -2}, {12, -2}, {12, 10}};
        QTest::newRow("négatif à gauche") << Points{{0, 0}, {10, 0}, {10, 10}} << Numeros{1, 2, 3} << -1.0
                                          << Points{{0, 1}, {9, 1}, {9, 10}};
        QTest::newRow("troncon partiel") << Points{{0, 0}, {10, 0}, {10, 10}, {0, 10}} << Numeros{1, 2, 3} << 1.0
                                         << Points{{0, -1}, {11, -1}, {11, 10}, {0, 10}};
        QTest::newRow("deux troncons") << Points{{0, 0}, {10, 0}, {20, 0}, {30, 0}, {30, 10}} << Numeros{1, 2, 4, 5}
                                       << 1.0 << Points{{0, -1}, {10, -1}, {20, 0}, {31, 0}, {31, 10}};
        QTest::newRow("point isolé immobile") << Points{{0, 0}, {10, 0}, {20, 0}} << Numeros{2} << 3.0
                                              << Points{{0, 0}, {10, 0}, {20, 0}};
        QTest::newRow("carré rétréci") << Carre << Numeros{1, 2, 3, 4, 5} << 2.0
                                       << Points{{2, 2}, {2, 8}, {8, 8}, {8, 2}, {2, 2}};
        QTest::newRow("carré agrandi") << Carre << Numeros{1, 2, 3, 4, 5} << -2.0
                                       << Points{{-2, -2}, {-2, 12}, {12, 12}, {12, -2}, {-2, -2}};
        const Points carreDirect{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
        QTest::newRow("carré direct agrandi") << carreDirect << Numeros{1, 2, 3, 4, 5} << 2.0
                                              << Points{{-2, -2}, {12, -2}, {12, 12}, {-2, 12}, {-2, -2}};
        // Not closed for the command when the ends are not all selected: the ends stay segment ends.
        QTest::newRow("carré sans le dernier point") << Carre << Numeros{1, 2, 3, 4} << 2.0
                                                     << Points{{2, 0}, {2, 8}, {8, 8}, {8, 0}, {0, 0}};
        // The shared point in the middle of an edge: the last and first offset segments are parallel.
        QTest::newRow("fermeture sur un côté") << Points{{5, 0}, {0, 0}, {0, 10}, {10, 10}, {10, 0}, {5, 0}}
                                               << Numeros{1, 2, 3, 4, 5, 6} << 1.0
                                               << Points{{5, 1}, {1, 1}, {1, 9}, {9, 9}, {9, 1}, {5, 1}};
    }
    void decalage()
    {
        QFETCH(Points, points);
        QFETCH(Numeros, selection);
        QFETCH(double, d);
        QFETCH(Points, resultat);
        std::vector<PointProfil> p = Profil(points, selection, EtatReference);
        const std::vector<PointProfil> avant = p;
        QVERIFY(!DecalerCote(p, CoteE, d));
        QVERIFY2(Proches(Coordonnees(p), resultat), qPrintable(Texte(Coordonnees(p))));
        for (size_t i = 0; i < p.size(); ++i)
            QCOMPARE(p[i].Etat, avant[i].Etat);
    }

    // A degenerate segment: the side concerned keeps its points, the side before it keeps its offset.
    void decalageDegenere()
    {
        Banc b(Profil({{0, 0}, {10, 0}, {10, 10}}, {1, 2, 3}),
               Profil({{0, 0}, {10, 0}, {10.005, 0.005}, {20, 0}}, {1, 2, 3, 4}));
        std::vector<PointProfil> tip = b.session.Profils.PointsS;
        QVERIFY(DecalerCote(tip, CoteS, 2.0));
        QVERIFY(tip == b.session.Profils.PointsS);
        const SuiteConstruction s = CommandeDecaler(b.ctx, 2.0f);
        QCOMPARE(s.Avis.size(), size_t(1));
        QCOMPARE(s.Avis[0].Titre, QStringLiteral("Erreur de sélection au saumon"));
        QVERIFY(Proches(Coordonnees(b.session.Profils.PointsE), {{0, -2}, {12, -2}, {12, 10}}));
        QVERIFY(s.Suite.RemettreChamps);
    }

    void nettoyageSynchrone_data()
    {
        tests::Colonnes<Points, Points, Numeros>("racine", "saumon", "gardes");

        QTest::newRow("quatre couples alignés") << Points{{0, 0}, {1, 0}, {2, 0}, {3, 0}}
                                                << Points{{0, 5}, {2, 5}, {4, 5}, {6, 5}} << Numeros{1, 4};
        QTest::newRow("coin du saumon seul") << Points{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}
                                             << Points{{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}} << Numeros{1, 3, 5};
        QTest::newRow("coin de l'emplanture seule") << Points{{0, 0}, {1, 1}, {2, 0}, {3, 0}}
                                                    << Points{{0, 0}, {1, 0}, {2, 0}, {3, 0}} << Numeros{1, 2, 3, 4};
        QTest::newRow("écart sous la tolérance") << Points{{0, 0}, {1, 0.02}, {2, 0}, {3, 0.02}, {4, 0}}
                                                 << Points{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}} << Numeros{1, 5};
        QTest::newRow("trois points en coin") << Points{{0, 0}, {1, 0}, {1, 1}} << Points{{0, 0}, {1, 0}, {2, 0}}
                                              << Numeros{1, 2, 3};
    }
    void nettoyageSynchrone()
    {
        QFETCH(Points, racine);
        QFETCH(Points, saumon);
        QFETCH(Numeros, gardes);
        CoupleProfils c;
        c.PointsE = Profil(racine);
        c.PointsS = Profil(saumon);
        for (size_t i = 0; i < c.PointsE.size(); ++i) { // every state bit but the mark must survive
            c.PointsE.Modifier()[i].Etat = int16_t(i % 8);
            c.PointsS.Modifier()[i].Etat = int16_t((i + 3) % 8);
        }
        const CoupleProfils avant = c;
        QVERIFY(!NettoyerSynchrone(c));
        QCOMPARE(c.NbPointsE(), int(gardes.size()));
        QCOMPARE(c.NbPointsS(), int(gardes.size()));
        for (qsizetype k = 0; k < gardes.size(); ++k) {
            QCOMPARE(c.PointsE[size_t(k)], avant.PointsE[size_t(gardes[k] - 1)]);
            QCOMPARE(c.PointsS[size_t(k)], avant.PointsS[size_t(gardes[k] - 1)]);
        }
    }

    void nettoyageSynchroneRefuse()
    {
        Banc b(Profil({{0, 0}, {1, 0}, {2, 0}}), Profil({{0, 0}, {2, 0}}));
        const CoupleProfils avant = b.session.Profils;
        const SuiteConstruction s = CommandeNettoyer(b.ctx, true, b.session.ToleranceContour);
        QVERIFY(s.Suite.Refuse);
        QCOMPARE(s.PremierRefus()->Titre, QStringLiteral("Choix impossible"));
        QVERIFY(b.session.Profils.PointsE == avant.PointsE && b.session.Profils.PointsS == avant.PointsS);
        QCOMPARE(b.session.Historique.Taille(), 1);
    }

    // A 200 mm profile: tolerance 0.04 mm, every dropped point within it of what is kept.
    void nettoyageTotal()
    {
        std::vector<PointProfil> p = tests::Naca("2412", 400, 200);
        for (PointProfil& q : p)
            q.Etat = EtatSynchro;
        const std::vector<PointProfil> avant = p;
        QVERIFY(std::fabs(NettoyerCote(p) - 0.04f) < 1e-5f);
        QVERIFY(p.size() < avant.size() / 2);
        QVERIFY(p.front() == (PointProfil{avant.front().X, avant.front().Y, 0}));
        QVERIFY(p.back() == (PointProfil{avant.back().X, avant.back().Y, 0}));
        size_t k = 0;
        for (const PointProfil& q : avant) {
            QCOMPARE(p[k].Etat, int16_t(0));
            while (k + 1 < p.size() && !(q.X == p[k + 1].X && q.Y == p[k + 1].Y)
                   && DistanceSegment({q.X, q.Y}, {p[k].X, p[k].Y}, {p[k + 1].X, p[k + 1].Y}) > 0.0400001)
                ++k;
            QVERIFY2(k + 1 < p.size(), "a dropped point is out of tolerance");
        }
    }

    // The total cleaning sets the closing tolerance (that of side S, cleaned last), so that
    // "Renuméroter" then sees a square whose ends are 0.03 mm apart as closed (tolerance
    // 200 / 5000 = 0.04): it drops point 1 before closing the run, the count is kept.
    void toleranceApresNettoyage_data()
    {
        tests::Colonnes<bool, float>("synchrone", "tolerance");
        QTest::addColumn<int>("ajoutes"); // points added by the renumbering
        QTest::newRow("total") << false << 0.04f << 0;
        QTest::newRow("synchrone: tolérance inchangée") << true << 0.0f << 1;
    }
    void toleranceApresNettoyage()
    {
        QFETCH(bool, synchrone);
        QFETCH(float, tolerance);
        const Points carre{{0, 0}, {100, 0}, {200, 0}, {200, 200}, {0, 200}, {0, 0.03}};
        Banc b(Profil(carre), Profil(carre));
        CommandeNettoyer(b.ctx, synchrone, b.session.ToleranceContour);
        QVERIFY(std::fabs(b.session.ToleranceContour - tolerance) < 1e-6f);
        const int n = b.session.Profils.NbPointsE();
        QCOMPARE(n, 5);
        for (PointProfil& p : b.session.Profils.PointsE.Modifier())
            PoserEtat(p, EtatSelection);
        b.session.Edition.PointCourantE = 3;
        CommandeRenumeroter(b.ctx, b.session.ToleranceContour);
        QTEST(b.session.Profils.NbPointsE() - n, "ajoutes");
    }

    void lissageRefuse_data()
    {
        tests::Colonnes<Numeros, Numeros>("selectionE", "selectionS");
        QTest::newRow("deux premiers E") << Numeros{1, 2, 3} << Numeros{};
        QTest::newRow("deux derniers S") << Numeros{4, 5} << Numeros{7, 8};
    }
    void lissageRefuse()
    {
        QFETCH(Numeros, selectionE);
        QFETCH(Numeros, selectionS);
        Points arc;
        for (int i = 0; i < 8; ++i)
            arc.append({10 * std::cos(i * 0.3), 10 * std::sin(i * 0.3)});
        Banc b(Profil(arc, selectionE), Profil(arc, selectionS));
        const CoupleProfils avant = b.session.Profils;
        const SuiteConstruction s = CommandeLisser(b.ctx);
        QVERIFY(s.Suite.Refuse);
        QCOMPARE(s.PremierRefus()->Titre, QStringLiteral("Erreur de sélection"));
        QVERIFY(b.session.Profils.PointsE == avant.PointsE && b.session.Profils.PointsS == avant.PointsS);
    }

    // Which points a smoothing replaces: from the unselected point before each stretch to the
    // first unselected point after it; those two keep their place, and every point its state.
    void lissageTroncons_data()
    {
        QTest::addColumn<Numeros>("selection");
        QTest::addColumn<Numeros>("fixes"); // points that must come back unchanged, state included
        QTest::newRow("un troncon") << Numeros{4, 5, 6} << Numeros{1, 2, 3, 7, 8, 9, 10, 11, 12};
        QTest::newRow("deux troncons partageant un bout") << Numeros{3, 4, 6, 7} << Numeros{1, 2, 5, 8, 9, 10, 11, 12};
        QTest::newRow("point seul") << Numeros{5} << Numeros{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    }
    void lissageTroncons()
    {
        QFETCH(Numeros, selection);
        QFETCH(Numeros, fixes);
        Points zigzag;
        for (int i = 0; i < 12; ++i)
            zigzag.append({double(i), (i % 2) * 0.3});
        CoupleProfils c;
        c.PointsE = Profil(zigzag, selection, int16_t(EtatSynchro + EtatReference));
        c.PointsS = Profil(zigzag);
        const CoupleProfils avant = c;
        QVERIFY(!LisserProfils(c));
        QCOMPARE(c.NbPointsE(), avant.NbPointsE()); // the smoothing keeps the count of every stretch
        QVERIFY(c.PointsS == avant.PointsS);
        for (int k : fixes)
            QCOMPARE(c.PointsE[size_t(k - 1)], avant.PointsE[size_t(k - 1)]);
        for (size_t i = 0; i < avant.PointsE.size(); ++i) // every point keeps its state bits
            QCOMPARE(c.PointsE[i].Etat, avant.PointsE[i].Etat);
        if (fixes.size() < 12) // the zigzag is flattened
            QVERIFY(std::fabs(c.PointsE[4].Y - avant.PointsE[4].Y) > 0.05 || std::fabs(c.PointsE[5].Y - avant.PointsE[5].Y) > 0.05);
    }

    // Undo after each command gives back the model exactly as it was.
    void annulation_data()
    {
        QTest::addColumn<int>("commande");
        QTest::newRow("intersection") << 0;
        QTest::newRow("décalage") << 1;
        QTest::newRow("nettoyage total") << 2;
        QTest::newRow("nettoyage synchrone") << 3;
        QTest::newRow("lissage") << 4;
    }
    void annulation()
    {
        QFETCH(int, commande);
        std::vector<PointProfil> e = tests::Naca("2412", 100, 200), s = tests::Naca("0012", 100, 150);
        for (PointProfil& q : s)
            q.Etat = EtatReference;
        // Two segments that cross, spliced into the root for the intersection.
        const std::vector<PointProfil> croix{{50, 40, 1}, {60, 40, 1}, {55, 35, 1}, {55, 45, 1}};
        e.insert(e.begin() + 30, croix.begin(), croix.end());
        s.insert(s.begin() + 30, 4, PointProfil{7, 7, 0});
        for (int k = 20; k < 30; ++k)
            PoserEtat(s[size_t(k)], EtatSelection);
        Banc b(e, s);
        const CoupleProfils avant = b.session.Profils;
        const std::function<SuiteConstruction()> commandes[] = {
            [&] { return CommandeIntersection(b.ctx); }, [&] { return CommandeDecaler(b.ctx, 3.0f); },
            [&] { return CommandeNettoyer(b.ctx, false, b.session.ToleranceContour); },
            [&] { return CommandeNettoyer(b.ctx, true, b.session.ToleranceContour); },
            [&] { return CommandeLisser(b.ctx); }};
        const SuiteConstruction suite = commandes[commande]();
        QVERIFY(!suite.Suite.Refuse);
        QVERIFY(b.session.Profils.PointsE != avant.PointsE || b.session.Profils.PointsS != avant.PointsS);
        const CoupleProfils apres = b.session.Profils;
        CommandeAnnuler(b.ctx);
        QVERIFY(b.session.Profils.PointsE == avant.PointsE);
        QVERIFY(b.session.Profils.PointsS == avant.PointsS);
        CommandeRetablir(b.ctx);
        QVERIFY(b.session.Profils.PointsE == apres.PointsE);
        QVERIFY(b.session.Profils.PointsS == apres.PointsS);
    }
};

GALBIX_TEST_MAIN(TestConstruction)
#include "tst_constructionmodele.moc"
