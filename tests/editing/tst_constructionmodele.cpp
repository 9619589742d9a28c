// Intersection, offset, cleaning and smoothing on the model: the points each command leaves,
// its refusals, and the undo of each.
#include "common/Colonnes.h"
#include "common/Profils.h"
#include "common/SessionChargee.h"
#include "common/TestMain.h"
#include "editing/Nettoyage.h"
#include "editing/QueueConstruction.h"
#include "editing/QueuePoints.h"
#include <functional>

using namespace galbix;
using tests::EcartPoints;
using Points = QList<QPointF>;
using Numeros = QList<int>; // 1-based point numbers

namespace {

// Points with the state `autres`, those numbered in `selection` selected as well.
std::vector<PointProfil> ProfilConstruction(const Points& points, const Numeros& selection = {}, int16_t autres = 0) {
    std::vector<PointProfil> r = tests::Points(points, QList<int>(points.size(), autres));
    for (int k : selection)
        PoserEtat(r[size_t(k - 1)], EtatSelection);
    return r;
}

double DistanceAuSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a, ap = p - a;
    const double l2 = QPointF::dotProduct(ab, ab);
    const QPointF d = ap - (l2 > 0 ? std::clamp(QPointF::dotProduct(ap, ab) / l2, 0.0, 1.0) : 0.0) * ab;
    return std::hypot(d.x(), d.y());
}

bool MemesCotesConstruction(const CoupleProfils& a, const CoupleProfils& b) {
    return a.PointsE == b.PointsE && a.PointsS == b.PointsS;
}

const Points Carre{{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}}; // clockwise: the right-hand side is inside

} // namespace

class TestConstruction : public QObject {
    Q_OBJECT
private slots:
    // titre: the message's title without its side ("" for none); resultat: empty for unchanged points.
    void intersection_data() {
        tests::Colonnes<Points, Numeros, int, Points, QString, QString>("points", "selection", "cote", "resultat",
                                                                        "titre", "texte");
        const auto rangee = [](const char* nom, Points p, Numeros s, int cote, Points r, const char* titre,
                               const char* texte) { QTest::newRow(nom) << p << s << cote << r << titre << texte; };
        rangee("croisement", {{-5, 3}, {0, 0}, {10, 0}, {5, -5}, {5, 5}, {0, 9}}, {2, 3, 4, 5}, 0,
               {{-5, 3}, {0, 0}, {10, 0}, {5, -5}, {5, 0}, {5, 5}, {0, 9}}, "", "");
        const char* quatre = "Il faut sélectionner quatre points consécutifs deux à deux.";
        const Points huit{{0, 0}, {1, 0}, {2, 0}, {3, 1}, {4, 0}, {5, 2}, {6, 0}, {7, 3}};
        rangee("3 4 6 8", huit, {3, 4, 6, 8}, 0, {}, "Erreur de sélection", quatre);
        rangee("trois points", huit, {3, 4, 6}, 1, {}, "Erreur de sélection", quatre);
        rangee("premier couple disjoint", huit, {1, 3, 5, 6}, 0, {}, "Erreur de sélection", quatre);
        rangee("aucune sélection", huit, {}, 0, {}, "", "");
        rangee("segment dégénéré", {{0, 0}, {0.005, 0.009}, {5, -5}, {5, 5}}, {1, 2, 3, 4}, 0, {}, "Erreur de sélection",
               "Deux points consécutifs sont confondus, impossible de définir un des deux segments.");
        rangee("parallèles E", {{0, 0}, {10, 0}, {10, 3}, {0, 3}}, {1, 2, 3, 4}, 0, {}, "Pas d'intersection",
               "Les deux segments de l'emplanture sont parallèles.");
        rangee("ne se touchent pas", {{0, 0}, {10, 0}, {20, -5}, {20, 5}}, {1, 2, 3, 4}, 1, {}, "Pas d'intersection",
               "Les deux segments du saumon ne se touchent pas.");
        const char* superpose = "Attention, vous venez de créer un point superposé à un point existant";
        rangee("fin de A", {{0, 0}, {10, 0}, {10, 0}, {10, 5}}, {1, 2, 3, 4}, 0,
               {{0, 0}, {10, 0}, {10, 0}, {10, 0}, {10, 5}}, "Intersection en bout de segment", superpose);
        rangee("début de B", {{0, 0}, {10, 0}, {5, 0}, {5, 5}}, {1, 2, 3, 4}, 1,
               {{0, 0}, {5, 0}, {10, 0}, {5, 0}, {5, 5}}, "Intersection en bout de segment", superpose);
    }
    void intersection() {
        QFETCH(Points, points); QFETCH(Numeros, selection); QFETCH(int, cote); QFETCH(Points, resultat);
        QFETCH(QString, titre);
        std::vector<PointProfil> p = ProfilConstruction(points, selection);
        const std::optional<AvisConstruction> avis = IntersecterCote(p, cote);
        QCOMPARE(EcartPoints(p, resultat.isEmpty() ? points : resultat), QString());
        const QString cote_ = cote ? QStringLiteral(" au saumon") : QStringLiteral(" à l'emplanture");
        QCOMPARE(avis ? avis->Titre : QString(), titre.isEmpty() ? titre : titre + cote_);
        if (avis) {
            QTEST(avis->Texte, "texte");
            QCOMPARE(avis->Information, titre.startsWith(QStringLiteral("Intersection")));
        }
        for (const PointProfil& q : p) // the new point is not selected, the others keep their state
            QVERIFY(q.Etat == 0 || q.Etat == EtatSelection);
        QCOMPARE(qsizetype(std::count_if(p.begin(), p.end(), [](auto& q) { return q.Etat == EtatSelection; })),
                 selection.size());
    }

    // A command on a loaded session: each side handled on its own (a refusal on one does not
    // stop the other: nombres are the point counts after), or the whole command refused with the
    // model and the history untouched.
    void commandes_data() {
        tests::Colonnes<int, Points, Numeros, Points, Numeros, QString, bool, QList<int>>(
            "commande", "e", "selE", "s", "selS", "titre", "refuse", "nombres");
        QTest::newRow("intersection, E parallèles") << 0 << Points{{0, 0}, {10, 0}, {10, 3}, {0, 3}} << Numeros{1, 2, 3, 4}
            << Points{{-5, 3}, {0, 0}, {10, 0}, {5, -5}, {5, 5}} << Numeros{2, 3, 4, 5}
            << "Pas d'intersection à l'emplanture" << false << QList<int>{4, 6};
        QTest::newRow("nettoyage synchrone, nombres différents") << 1 << Points{{0, 0}, {1, 0}, {2, 0}} << Numeros{}
            << Points{{0, 0}, {2, 0}} << Numeros{} << "Choix impossible" << true << QList<int>{3, 2};
        Points arc;
        for (int i = 0; i < 8; ++i)
            arc.append({10 * std::cos(i * 0.3), 10 * std::sin(i * 0.3)});
        QTest::newRow("lissage, deux premiers E") << 2 << arc << Numeros{1, 2, 3} << arc << Numeros{}
                                                  << "Erreur de sélection" << true << QList<int>{8, 8};
        QTest::newRow("lissage, deux derniers S") << 2 << arc << Numeros{4, 5} << arc << Numeros{7, 8}
                                                  << "Erreur de sélection" << true << QList<int>{8, 8};
    }
    void commandes() {
        QFETCH(int, commande); QFETCH(Points, e); QFETCH(Numeros, selE); QFETCH(Points, s); QFETCH(Numeros, selS);
        QFETCH(bool, refuse);
        tests::SessionChargee b(ProfilConstruction(e, selE), ProfilConstruction(s, selS));
        const CoupleProfils avant = b.Profils;
        const SuiteConstruction r = commande == 0   ? CommandeIntersection(b.Ctx)
                                    : commande == 1 ? CommandeNettoyer(b.Ctx, true, b.ToleranceContour)
                                                    : CommandeLisser(b.Ctx);
        QCOMPARE(r.Suite.Refuse, refuse);
        QCOMPARE(r.Avis.size(), size_t(1));
        QTEST(refuse ? r.PremierRefus().value_or(MessageRefus{}).Titre : r.Avis[0].Titre, "titre");
        QTEST(QList<int>({b.Profils.NbPointsE(), b.Profils.NbPointsS()}), "nombres");
        QVERIFY(refuse ? MemesCotesConstruction(b.Profils, avant) && b.Historique.Taille() == 1 : r.NombresModifies);
    }

    void decalage_data() {
        tests::Colonnes<Points, Numeros, double, Points>("points", "selection", "d", "resultat");
        const Points coin{{0, 0}, {10, 0}, {10, 10}};
        const Numeros tout{1, 2, 3, 4, 5};
        QTest::newRow("coin") << coin << Numeros{1, 2, 3} << 2.0 << Points{{0, -2}, {12, -2}, {12, 10}};
        QTest::newRow("négatif à gauche") << coin << Numeros{1, 2, 3} << -1.0 << Points{{0, 1}, {9, 1}, {9, 10}};
        QTest::newRow("troncon partiel") << Points{{0, 0}, {10, 0}, {10, 10}, {0, 10}} << Numeros{1, 2, 3} << 1.0
                                         << Points{{0, -1}, {11, -1}, {11, 10}, {0, 10}};
        QTest::newRow("deux troncons") << Points{{0, 0}, {10, 0}, {20, 0}, {30, 0}, {30, 10}} << Numeros{1, 2, 4, 5}
                                       << 1.0 << Points{{0, -1}, {10, -1}, {20, 0}, {31, 0}, {31, 10}};
        const Points ligne{{0, 0}, {10, 0}, {20, 0}};
        QTest::newRow("point isolé immobile") << ligne << Numeros{2} << 3.0 << ligne;
        QTest::newRow("carré rétréci") << Carre << tout << 2.0 << Points{{2, 2}, {2, 8}, {8, 8}, {8, 2}, {2, 2}};
        QTest::newRow("carré agrandi") << Carre << tout << -2.0
                                       << Points{{-2, -2}, {-2, 12}, {12, 12}, {12, -2}, {-2, -2}};
        QTest::newRow("carré direct agrandi") << Points{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}} << tout << 2.0
                                              << Points{{-2, -2}, {12, -2}, {12, 12}, {-2, 12}, {-2, -2}};
        // Not closed for the command when the ends are not all selected: the ends stay segment ends.
        QTest::newRow("carré sans le dernier point") << Carre << Numeros{1, 2, 3, 4} << 2.0
                                                     << Points{{2, 0}, {2, 8}, {8, 8}, {8, 0}, {0, 0}};
        // The shared point in the middle of an edge: the last and first offset segments are parallel.
        QTest::newRow("fermeture sur un côté") << Points{{5, 0}, {0, 0}, {0, 10}, {10, 10}, {10, 0}, {5, 0}}
                                               << Numeros{1, 2, 3, 4, 5, 6} << 1.0
                                               << Points{{5, 1}, {1, 1}, {1, 9}, {9, 9}, {9, 1}, {5, 1}};
    }
    void decalage() {
        QFETCH(Points, points); QFETCH(Numeros, selection); QFETCH(double, d); QFETCH(Points, resultat);
        std::vector<PointProfil> p = ProfilConstruction(points, selection, EtatReference);
        const std::vector<PointProfil> avant = p;
        QVERIFY(!DecalerCote(p, CoteE, d));
        QCOMPARE(EcartPoints(p, resultat), QString());
        QCOMPARE(tests::Etats(p), tests::Etats(avant));
    }

    // A degenerate segment: the side concerned keeps its points, the side before it keeps its offset.
    void decalageDegenere() {
        tests::SessionChargee b(ProfilConstruction({{0, 0}, {10, 0}, {10, 10}}, {1, 2, 3}),
                                ProfilConstruction({{0, 0}, {10, 0}, {10.005, 0.005}, {20, 0}}, {1, 2, 3, 4}));
        std::vector<PointProfil> tip = b.Profils.PointsS;
        QVERIFY(DecalerCote(tip, CoteS, 2.0));
        QVERIFY(tip == b.Profils.PointsS);
        const SuiteConstruction s = CommandeDecaler(b.Ctx, 2.0f);
        QCOMPARE(s.Avis.size(), size_t(1));
        QCOMPARE(s.Avis[0].Titre, QStringLiteral("Erreur de sélection au saumon"));
        QCOMPARE(EcartPoints(b.Profils.PointsE, {{0, -2}, {12, -2}, {12, 10}}), QString());
        QVERIFY(s.Suite.RemettreChamps);
    }

    void nettoyageSynchrone_data() {
        tests::Colonnes<Points, Points, Numeros>("racine", "saumon", "gardes");
        const Points ligne5{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}, ligne4 = ligne5.first(4);
        QTest::newRow("quatre couples alignés") << ligne4 << Points{{0, 5}, {2, 5}, {4, 5}, {6, 5}} << Numeros{1, 4};
        QTest::newRow("coin du saumon seul") << ligne5 << Points{{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}}
                                             << Numeros{1, 3, 5};
        QTest::newRow("coin de l'emplanture seule") << Points{{0, 0}, {1, 1}, {2, 0}, {3, 0}} << ligne4
                                                    << Numeros{1, 2, 3, 4};
        QTest::newRow("écart sous la tolérance") << Points{{0, 0}, {1, 0.02}, {2, 0}, {3, 0.02}, {4, 0}} << ligne5
                                                 << Numeros{1, 5};
        QTest::newRow("trois points en coin") << Points{{0, 0}, {1, 0}, {1, 1}} << ligne5.first(3) << Numeros{1, 2, 3};
    }
    void nettoyageSynchrone() {
        QFETCH(Points, racine); QFETCH(Points, saumon); QFETCH(Numeros, gardes);
        CoupleProfils c{.PointsE = ProfilConstruction(racine), .PointsS = ProfilConstruction(saumon)};
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

    // A 200 mm profile: tolerance 0.04 mm, every dropped point within it of what is kept.
    void nettoyageTotal() {
        std::vector<PointProfil> p = tests::Naca("2412", 400, 200);
        for (PointProfil& q : p)
            q.Etat = EtatSynchro;
        const std::vector<PointProfil> avant = p;
        QVERIFY(std::fabs(NettoyerCote(p) - 0.04f) < 1e-5f);
        QVERIFY(p.size() < avant.size() / 2);
        QVERIFY(p.front() == (PointProfil{avant.front().X, avant.front().Y, 0})
                && p.back() == (PointProfil{avant.back().X, avant.back().Y, 0}));
        size_t k = 0;
        for (const PointProfil& q : avant) {
            QCOMPARE(p[k].Etat, int16_t(0));
            while (k + 1 < p.size() && !(q.X == p[k + 1].X && q.Y == p[k + 1].Y)
                   && DistanceAuSegment({q.X, q.Y}, {p[k].X, p[k].Y}, {p[k + 1].X, p[k + 1].Y}) > 0.0400001)
                ++k;
            QVERIFY2(k + 1 < p.size(), "a dropped point is out of tolerance");
        }
    }

    // The total cleaning sets the closing tolerance (that of side S, cleaned last), so that
    // "Renuméroter" then sees a square whose ends are 0.03 mm apart as closed (tolerance
    // 200 / 5000 = 0.04): it drops point 1 before closing the run, the count is kept.
    void toleranceApresNettoyage_data() {
        tests::Colonnes<bool, float, int>("synchrone", "tolerance", "ajoutes"); // ajoutes: by the renumbering
        QTest::newRow("total") << false << 0.04f << 0;
        QTest::newRow("synchrone: tolérance inchangée") << true << 0.0f << 1;
    }
    void toleranceApresNettoyage() {
        QFETCH(bool, synchrone); QFETCH(float, tolerance);
        const Points carre{{0, 0}, {100, 0}, {200, 0}, {200, 200}, {0, 200}, {0, 0.03}};
        tests::SessionChargee b(ProfilConstruction(carre), ProfilConstruction(carre));
        CommandeNettoyer(b.Ctx, synchrone, b.ToleranceContour);
        QVERIFY(std::fabs(b.ToleranceContour - tolerance) < 1e-6f);
        QCOMPARE(b.Profils.NbPointsE(), 5);
        for (PointProfil& p : b.Profils.PointsE.Modifier())
            PoserEtat(p, EtatSelection);
        b.Edition.PointCourantE = 3;
        CommandeRenumeroter(b.Ctx, b.ToleranceContour);
        QTEST(b.Profils.NbPointsE() - 5, "ajoutes");
    }

    // Which points a smoothing replaces: from the unselected point before each stretch to the
    // first unselected point after it; those two keep their place, and every point its state.
    void lissageTroncons_data() {
        tests::Colonnes<Numeros, Numeros>("selection", "fixes"); // fixes: come back unchanged, state included
        QTest::newRow("un troncon") << Numeros{4, 5, 6} << Numeros{1, 2, 3, 7, 8, 9, 10, 11, 12};
        QTest::newRow("deux troncons partageant un bout") << Numeros{3, 4, 6, 7} << Numeros{1, 2, 5, 8, 9, 10, 11, 12};
        QTest::newRow("point seul") << Numeros{5} << Numeros{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    }
    void lissageTroncons() {
        QFETCH(Numeros, selection); QFETCH(Numeros, fixes);
        Points zigzag;
        for (int i = 0; i < 12; ++i)
            zigzag.append({double(i), (i % 2) * 0.3});
        CoupleProfils c{.PointsE = ProfilConstruction(zigzag, selection, int16_t(EtatSynchro + EtatReference)),
                         .PointsS = ProfilConstruction(zigzag)};
        const CoupleProfils avant = c;
        QVERIFY(!LisserProfils(c));
        QVERIFY(c.PointsS == avant.PointsS);
        QCOMPARE(tests::Etats(c.PointsE), tests::Etats(avant.PointsE)); // and the count of every stretch
        for (int k : fixes)
            QCOMPARE(c.PointsE[size_t(k - 1)], avant.PointsE[size_t(k - 1)]);
        if (fixes.size() < 12) // the zigzag is flattened
            QVERIFY(std::fabs(c.PointsE[4].Y - avant.PointsE[4].Y) > 0.05 || std::fabs(c.PointsE[5].Y - avant.PointsE[5].Y) > 0.05);
    }

    // Undo after each command gives back the model exactly as it was, redo the model after it.
    void annulation_data() {
        QTest::addColumn<int>("commande");
        int k = 0;
        for (const char* nom : {"intersection", "décalage", "nettoyage total", "nettoyage synchrone", "lissage"})
            QTest::newRow(nom) << k++;
    }
    void annulation() {
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
        tests::SessionChargee b(e, s);
        const CoupleProfils avant = b.Profils;
        const std::function<SuiteConstruction()> commandes[] = {
            [&] { return CommandeIntersection(b.Ctx); }, [&] { return CommandeDecaler(b.Ctx, 3.0f); },
            [&] { return CommandeNettoyer(b.Ctx, false, b.ToleranceContour); },
            [&] { return CommandeNettoyer(b.Ctx, true, b.ToleranceContour); }, [&] { return CommandeLisser(b.Ctx); }};
        QVERIFY(!commandes[commande]().Suite.Refuse);
        QVERIFY(!MemesCotesConstruction(b.Profils, avant));
        const CoupleProfils apres = b.Profils;
        CommandeAnnuler(b.Ctx);
        QVERIFY(MemesCotesConstruction(b.Profils, avant));
        CommandeRetablir(b.Ctx);
        QVERIFY(MemesCotesConstruction(b.Profils, apres));
    }
};

GALBIX_TEST_MAIN(TestConstruction)
#include "tst_constructionmodele.moc"
