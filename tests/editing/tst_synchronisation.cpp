// "Synchronisation optimale": the walk on small hand-computed cases, its properties on NACA
// profiles of very different densities, and the command's refusals.
#include "common/Colonnes.h"
#include "common/Profils.h"
#include "common/TestMain.h"
#include "editing/Synchronisation.h"
#include "model/Extremes.h"
#include "model/Naca.h"

#include <cmath>

using namespace galbix;
using Liste = std::vector<PointProfil>;
Q_DECLARE_METATYPE(IssueSynchro)

namespace {

constexpr int16_t S4 = EtatSynchro;

// Where two lists first differ (coordinates within 1e-4 mm, states exactly); empty when equal.
QString Ecart(const Liste& obtenu, const Liste& attendu) {
    if (obtenu.size() != attendu.size())
        return QStringLiteral("%1 points instead of %2").arg(obtenu.size()).arg(attendu.size());
    for (size_t i = 0; i < obtenu.size(); ++i)
        if (const PointProfil &o = obtenu[i], &a = attendu[i]; !tests::MemesPoints({o}, {a}))
            return QStringLiteral("point %1: (%2, %3, %4) instead of (%5, %6, %7)")
                .arg(i + 1).arg(o.X).arg(o.Y).arg(o.Etat).arg(a.X).arg(a.Y).arg(a.Etat);
    return {};
}

int32_t NbSynchro(const Liste& points) {
    return int32_t(std::count_if(points.begin(), points.end(), [](const PointProfil& p) { return AEtat(p, S4); }));
}

// A straight run along X from (0, 0) with the given edge lengths, both ends marked.
Liste Droite(const QList<double>& aretes, int16_t etatInterieur = 0) {
    Liste l{{0, 0, S4}};
    double x = 0;
    for (double a : aretes) {
        x += a;
        l.push_back({float(x), 0, etatInterieur});
    }
    l.back().Etat = S4;
    return l;
}

// A NACA profile of the given chord; every vertex selected, so that created points (Etat 0)
// tell themselves apart; synchronisation marks at the given fractions of the list.
Liste NacaMarque(const char* code, int parSurface, double corde, const QList<double>& marques) {
    Liste l = tests::Naca(code, parSurface, corde);
    for (PointProfil& p : l)
        p.Etat = EtatSelection;
    for (double f : marques)
        PoserEtat(l[size_t(std::lround(f * double(l.size() - 1)))], S4);
    return l;
}

// Fraction of arc length reached at each point, restarting at every synchronisation point.
std::vector<double> Fractions(const Liste& l, std::vector<double>* longueurs) {
    std::vector<double> f(l.size(), 0.0);
    double cumul = 0;
    for (size_t i = 1, debut = 0; i < l.size(); ++i) {
        f[i] = cumul += std::hypot(double(l[i].X) - l[i - 1].X, double(l[i].Y) - l[i - 1].Y);
        if (!AEtat(l[i], S4) && i + 1 < l.size())
            continue;
        for (size_t j = debut + 1; j <= i; ++j) {
            f[j] /= cumul;
            if (longueurs)
                longueurs->push_back(cumul);
        }
        debut = i;
        cumul = 0;
    }
    return f;
}

} // namespace

class TestSynchronisation : public QObject {
    Q_OBJECT
private slots:
    void marche_data() {
        tests::Colonnes<Liste, Liste, Liste, Liste>("e", "s", "attenduE", "attenduS");

        QTest::newRow("3 points against 2")
            << Liste{{0, 0, S4}, {10, 0, 0}, {20, 0, S4}} << Liste{{0, 0, S4}, {40, 0, S4}}
            << Liste{{0, 0, S4}, {10, 0, 0}, {20, 0, S4}} << Liste{{0, 0, S4}, {20, 0, 0}, {40, 0, S4}};

        // Inner vertices carry states: kept on the input vertices, 0 on their partners.
        QTest::newRow("interleaved vertices")
            << Liste{{0, 0, S4}, {3, 0, 1}, {10, 0, S4}} << Liste{{0, 0, S4}, {5, 0, 2}, {10, 0, S4}}
            << Liste{{0, 0, S4}, {3, 0, 1}, {5, 0, 0}, {10, 0, S4}} << Liste{{0, 0, S4}, {3, 0, 0}, {5, 0, 2}, {10, 0, S4}};

        QTest::newRow("vertices 0.0009 apart are paired as they stand")
            << Droite({5, 5}, 1) << Droite({5.0009, 4.9991}, 2) << Droite({5, 5}, 1) << Droite({5.0009, 4.9991}, 2);

        QTest::newRow("vertices 0.002 apart get partners") << Droite({5, 5}, 1) << Droite({5.002, 4.998}, 2)
            << Liste{{0, 0, S4}, {5, 0, 1}, {5.002f, 0, 0}, {10, 0, S4}}
            << Liste{{0, 0, S4}, {5, 0, 0}, {5.002f, 0, 2}, {10, 0, S4}};

        // No length on the root: the points are paired as they stand, the tip's surplus vertices
        // get partners at the root's closing point.
        QTest::newRow("zero-length root segment, tip longer")
            << Liste{{3, 3, S4}, {3, 3, S4}} << Liste{{0, 0, S4}, {5, 0, 1}, {10, 0, S4}}
            << Liste{{3, 3, S4}, {3, 3, 0}, {3, 3, S4}} << Liste{{0, 0, S4}, {5, 0, 1}, {10, 0, S4}};

        // Two segments on each side, each with its own scale; inner marks close the first one.
        QTest::newRow("two segments") << Liste{{0, 0, S4}, {10, 0, S4}, {10, 5, 3}, {10, 10, S4}}
            << Liste{{0, 0, S4}, {5, 0, 1}, {20, 0, S4}, {20, 20, S4}}
            << Liste{{0, 0, S4}, {2.5, 0, 0}, {10, 0, S4}, {10, 5, 3}, {10, 10, S4}}
            << Liste{{0, 0, S4}, {5, 0, 1}, {20, 0, S4}, {20, 10, 0}, {20, 20, S4}};

        QTest::newRow("closing point repeated on one side")
            << Liste{{0, 0, S4}, {10, 0, S4}} << Liste{{0, 0, S4}, {10, 0, 1}, {10, 0, S4}}
            << Liste{{0, 0, S4}, {10, 0, 0}, {10, 0, S4}} << Liste{{0, 0, S4}, {10, 0, 1}, {10, 0, S4}};

        // Nine pairs 0.0009 apart are paired as they stand: the closing points, 0.0081 apart
        // along the way, still end the segment together, each placed once.
        const QList<double> dix(10, 10.0), aretesS = QList<double>(9, 10.0009) << 100.0 - 9 * 10.0009;
        QTest::newRow("closing points apart after pairings")
            << Droite(dix, 1) << Droite(aretesS, 2) << Droite(dix, 1) << Droite(aretesS, 2);

        // The same with one more vertex on E, 0.005 before its end: S reaches its
        // closing point while E still has that vertex, which then gets a partner there.
        const QList<double> aretesE = QList<double>(9, 10.0) << 9.995 << 0.005;
        Liste attenduS = Droite(aretesS, 2);
        attenduS.insert(attenduS.end() - 1, PointProfil{100, 0, 0});
        QTest::newRow("vertex left after the other side's closing point")
            << Droite(aretesE, 1) << Droite(aretesS, 2) << Droite(aretesE, 1) << attenduS;
    }
    void marche() {
        QFETCH(Liste, e); QFETCH(Liste, s); QFETCH(Liste, attenduE); QFETCH(Liste, attenduS);
        CoupleProfils profils{.PointsE = e, .PointsS = s};
        CoupleProfils sortie;
        QVERIFY(!SynchroOptimale(profils, NbSynchro(e), sortie));
        QCOMPARE(Ecart(sortie.PointsE, attenduE), QString());
        QCOMPARE(Ecart(sortie.PointsS, attenduS), QString());
    }
    void proprietes_data() {
        // sansAjout: corresponding vertices already match; rejouable: a second run adds nothing
        tests::Colonnes<Liste, Liste, bool, bool>("e", "s", "sansAjout", "rejouable");

        const QList<double> bouts{0, 1}, sept{0, .1, .25, .5, .6, .9, 1};
        QTest::newRow("ends only") << NacaMarque("2412", 40, 200, bouts) << NacaMarque("0012", 25, 120, bouts) << false
                                   << true;
        QTest::newRow("dense against sparse, seven marks")
            << NacaMarque("2412", 5000, 250, sept) << NacaMarque("4415", 60, 90, sept) << false << true;
        QTest::newRow("same shape at half size")
            << NacaMarque("2412", 50, 200, bouts) << NacaMarque("2412", 50, 100, bouts) << true << true;
        QList<double> vingt(21);
        std::generate(vingt.begin(), vingt.end(), [i = 0]() mutable { return i++ / 20.0; });
        // Near the leading and trailing edges both sides have edges far below the tolerance:
        // their vertices pair one for one and the sides drift apart there, so the closing
        // points of a segment are reached with vertices still left on one side.
        QTest::newRow("21 marks on 100 000 and 60 000 points")
            << NacaMarque("2412", 50001, 300, vingt) << NacaMarque("0009", 30001, 150, vingt) << false << false;
    }
    // Equal lengths; every input vertex kept whole and in order, every created point at Etat 0;
    // marks paired; partners at the same fraction of their segment; a second run changes nothing
    // where the sides did not drift apart.
    void proprietes() {
        QFETCH(Liste, e); QFETCH(Liste, s); QFETCH(bool, sansAjout); QFETCH(bool, rejouable);
        CoupleProfils profils{.PointsE = e, .PointsS = s};
        CoupleProfils sortie;
        QVERIFY(!SynchroOptimale(profils, NbSynchro(e), sortie));
        const Liste &re = sortie.PointsE, &rs = sortie.PointsS;
        QCOMPARE(re.size(), rs.size());
        if (sansAjout)
            QCOMPARE(re.size(), e.size());
        QVERIFY(re.size() <= e.size() + s.size() - size_t(NbSynchro(e)));

        for (const auto& [entree, resultat] : {std::pair{&e, &re}, std::pair{&s, &rs}}) {
            Liste repris;
            std::copy_if(resultat->begin(), resultat->end(), std::back_inserter(repris),
                         [](const PointProfil& p) { return p.Etat != 0; });
            QVERIFY(repris == *entree);
        }
        for (size_t i = 0; i < re.size(); ++i)
            QCOMPARE(AEtat(re[i], S4), AEtat(rs[i], S4));

        // Each pair of input vertices taken together may shift the two sides by up to the
        // coincidence tolerance; nothing else moves a partner away from its arc-length place
        // (beyond the rounding of coordinates to 32-bit floats).
        std::vector<double> longueursE;
        const std::vector<double> fe = Fractions(re, &longueursE), fs = Fractions(rs, nullptr);
        int appariements = 0;
        for (size_t i = 1; i < re.size(); ++i) {
            if (AEtat(re[i - 1], S4))
                appariements = 0;
            if (re[i].Etat != 0 && rs[i].Etat != 0)
                ++appariements;
            const double ecart = std::fabs(fe[i] - fs[i]) * longueursE[i - 1];
            QVERIFY2(ecart <= CoincidenceSynchro * appariements + 1e-4, qPrintable(QString::number(i)));
        }

        CoupleProfils encore;
        QVERIFY(!SynchroOptimale(sortie, NbSynchro(re), encore));
        QCOMPARE(encore.PointsE.size(), encore.PointsS.size());
        if (rejouable)
            QVERIFY(encore.PointsE == re && encore.PointsS == rs);
    }
    void commande_data() {
        // texte: of the refusal, empty on success; attendu: the model after the command
        tests::Colonnes<Liste, Liste, IssueSynchro, QString, Liste, Liste>("e", "s", "issue", "texte", "attenduE",
                                                                           "attenduS");

        const Liste carre10{{0, 0, 1}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}, {0, 0, 0}};
        const Liste carre20{{0, 0, 0}, {20, 0, 0}, {20, 20, 0}, {0, 20, 2}, {0, 0, 0}};
        QTest::newRow("no mark: the ends make one segment")
            << carre10 << carre20 << IssueSynchro::Effectuee << QString()
            << Liste{{0, 0, 5}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}, {0, 0, S4}}
            << Liste{{0, 0, S4}, {20, 0, 0}, {20, 20, 0}, {0, 20, 2}, {0, 0, S4}};

        QTest::newRow("one point on each side")
            << Liste{{1, 2, 0}} << Liste{{3, 4, 1}} << IssueSynchro::Effectuee << QString()
            << Liste{{1, 2, S4}} << Liste{{3, 4, 5}};

        const QString differents = QStringLiteral(
            "Il n'y a pas le même nombre de points de synchronisation à l'emplanture et au saumon.");
        QTest::newRow("three marks against two: the end marks stay")
            << Liste{{0, 0, 0}, {5, 0, S4}, {10, 0, 0}} << Liste{{0, 0, 0}, {5, 1, 0}, {10, 0, 0}}
            << IssueSynchro::NombresDifferents << differents
            << Liste{{0, 0, S4}, {5, 0, S4}, {10, 0, S4}} << Liste{{0, 0, S4}, {5, 1, 0}, {10, 0, S4}};

        const Liste e3{{0, 0, 0}, {10, 0, S4}, {20, 0, 0}};
        const QString nulle = QStringLiteral(
            "Le profil du saumon a une longueur nulle entre les points de synchronisation n° 1 et n° 2.");
        QTest::newRow("zero length on the tip, model untouched")
            << e3 << Liste{{0, 0, 1}, {0, 0, S4}, {5, 0, 0}} << IssueSynchro::SegmentNul << nulle << e3
            << Liste{{0, 0, 1}, {0, 0, S4}, {5, 0, 0}};

        // A root segment of no length: every step is a coincidence, the points are paired as
        // they stand and the tip's extra vertex gets its partner at the root's closing point.
        QTest::newRow("zero length on the root's last segment")
            << Liste{{0, 0, 0}, {7, 7, S4}, {7, 7, 0}, {7, 7, 0}} << Liste{{0, 0, 0}, {1, 0, S4}, {2, 0, 0}}
            << IssueSynchro::Effectuee << QString()
            << Liste{{0, 0, S4}, {7, 7, S4}, {7, 7, 0}, {7, 7, S4}} << Liste{{0, 0, S4}, {1, 0, S4}, {2, 0, 0}, {2, 0, S4}};
        QTest::newRow("zero length on both sides: refused on the tip")
            << Liste{{7, 7, 0}, {7, 7, 0}} << Liste{{2, 2, 0}, {2, 2, 0}} << IssueSynchro::SegmentNul << nulle
            << Liste{{7, 7, 0}, {7, 7, 0}} << Liste{{2, 2, 0}, {2, 2, 0}};
    }
    void commande() {
        QFETCH(Liste, e); QFETCH(Liste, s); QFETCH(IssueSynchro, issue); QFETCH(QString, texte);
        QFETCH(Liste, attenduE); QFETCH(Liste, attenduS);
        CoupleProfils profils{.PointsE = e, .PointsS = s};
        CalculerExtremes(profils);
        EtatEdition edition;
        const ResultatSynchro r = ExecuterSynchroOptimale(profils, edition);
        QCOMPARE(r.Issue, issue);
        QCOMPARE(edition.ModeSelection, EtatSynchro);
        QCOMPARE(r.Refus.Texte, texte);
        QCOMPARE(r.Refus.Titre, texte.isEmpty() ? QString() : QStringLiteral("Synchronisation impossible"));
        QCOMPARE(Ecart(profils.PointsE, attenduE), QString());
        QCOMPARE(Ecart(profils.PointsS, attenduS), QString());
        QCOMPARE(r.MarquesAjoutees, issue != IssueSynchro::SegmentNul);
        if (issue == IssueSynchro::Effectuee) {
            QVERIFY(r.NbSynchroE == NbSynchro(attenduE) && r.NbSynchroS == r.NbSynchroE);
            CoupleProfils recalcule = profils;
            CalculerExtremes(recalcule);
            QVERIFY(profils.LargeurS == recalcule.LargeurS && profils.IndXmaxE == recalcule.IndXmaxE);
        }
    }
};

GALBIX_TEST_MAIN(TestSynchronisation)
#include "tst_synchronisation.moc"
