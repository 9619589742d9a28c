#include "common/Colonnes.h"
#include "common/TestMain.h"
#include "editing/Transaction.h"
#include "editing/Undo.h"
#include <numeric>

#include "model/Extremes.h"

#include <QRegularExpression>
#include <cmath>

using namespace galbix;
using Ids = QList<int>;

namespace {

// A model recognisable by its number: the spacing and a point carry it.
CoupleProfils Modele(int id) {
    CoupleProfils c{.PointsE = {{float(id), 1.0f, 1}, {2.0f, float(id), 0}},
                     .PointsS = std::vector<PointProfil>(size_t(id % 4 + 1), PointProfil{float(id), 0.0f, 2})};
    c.EcartementZ = float(id);
    return c;
}

int IdDe(const EtatUndo& e) { return int(e.EcartementZ); }

Ids Contenu(const HistoriqueUndo& h) {
    Ids ids;
    for (int i = 1; i <= h.Taille(); ++i)
        ids << IdDe(h.Entree(i));
    return ids;
}

Ids Suite(int de, int a) {
    Ids ids(a - de + 1);
    std::iota(ids.begin(), ids.end(), de);
    return ids;
}

// Two sides of 20 points on circles; the points 5 to 12 of side `cote` selected.
CoupleProfils Cercles(int cote)
{
    CoupleProfils c;
    for (int s : {CoteE, CoteS}) {
        std::vector<PointProfil> points;
        for (int i = 0; i < 20; ++i) {
            const double t = 6.283185307179586 * i / 20.0;
            const int16_t etat = s == cote && i >= 5 && i <= 12 ? EtatSelection : 0;
            points.push_back({float(100.0 * std::cos(t)), float((s + 1) * 10.0 * (std::sin(t) + 1.0)), etat});
        }
        c.Points(s) = std::move(points);
    }
    c.EcartementZ = 500.0f;
    return c;
}

enum CommandeUnCote { UnCoteInserer, UnCoteSupprimer, UnCoteMiroirV, UnCoteDeplacerX, UnCoteCorde, UnCoteLigne };

SuiteCommande Lancer(ContexteEdition& c, CommandeUnCote commande, int cote)
{
    switch (commande) {
    case UnCoteInserer: return CommandeInsererPoint(c).Suite;
    case UnCoteSupprimer: return CommandeSupprimer(c).Suite;
    case UnCoteMiroirV: return CommandeMiroir(c, SensMiroir::Vertical);
    case UnCoteDeplacerX: return CommandeDeplacer(c, SensTranslation::X, 3.0f);
    case UnCoteCorde: return CommandeCorde(c, cote, 120.0f);
    case UnCoteLigne: return CommandeLigne(c, cote, 2);
    }
    return {};
}

} // namespace

class TestUndo : public QObject {
    Q_OBJECT
private slots:
    void sequences_data() {
        // E: record the next model, D: record the current state again, U: undo, R: redo; a count repeats
        // restaure: the model restored by the last U or R; 0 for none
        tests::Colonnes<QString, Ids, int, int>("gestes", "contenu", "position", "restaure");
        QTest::newRow("vide: annuler") << "U" << Ids{} << 0 << 0;
        QTest::newRow("annuler au premier recharge le premier") << "E U" << Ids{1} << 1 << 1;
        QTest::newRow("annuler trop") << "E3 U5" << Ids{1, 2, 3} << 1 << 1;
        QTest::newRow("rétablir au plus récent recharge") << "E2 R" << Ids{1, 2} << 2 << 2;
        QTest::newRow("le rétablissable tombe") << "E3 U2 E" << Ids{1, 4} << 2 << 0;
        QTest::newRow("45 instantanés") << "E45" << Suite(6, 45) << 40 << 0;
        QTest::newRow("45 puis tout annuler") << "E45 U50" << Suite(6, 45) << 1 << 6;
        QTest::newRow("plein, annuler 3, enregistrer") << "E40 U3 E" << (Suite(1, 37) << 41) << 38 << 0;
        QTest::newRow("plein, tout annuler, enregistrer") << "E40 U39 E" << Ids{1, 41} << 2 << 0;
        // A snapshot equal to the current state is not recorded: every "Undo" shows a change.
        QTest::newRow("avant et après sans changement") << "E D E D" << Ids{1, 2} << 2 << 0;
        QTest::newRow("après annuler, l'état courant garde le rétablissable") << "E3 U D R" << Ids{1, 2, 3} << 3 << 3;
        QTest::newRow("plein, le même ne chasse pas le plus ancien") << "E40 D3" << Suite(1, 40) << 40 << 0;
    }

    // The history keeps at most 40 entries, drops the oldest when full, drops the redo states
    // on a new snapshot, and never moves past its ends.
    void sequences() {
        QFETCH(QString, gestes);
        HistoriqueUndo h;
        int prochain = 1, dernier = 0;
        static const QRegularExpression geste(QStringLiteral("([EDUR])(\\d*)"));
        for (auto it = geste.globalMatch(gestes); it.hasNext();) {
            const auto m = it.next();
            const int fois = m.captured(2).isEmpty() ? 1 : m.captured(2).toInt();
            for (int i = 0; i < fois; ++i) {
                dernier = 0;
                if (m.captured(1) == "E") {
                    ReglagesUndo r;
                    r.PointCourantE = prochain;
                    h.Enregistrer(Modele(prochain++), r);
                } else if (m.captured(1) == "D") {
                    const EtatUndo copie = h.Entree(h.Position());
                    h.Enregistrer(copie.Modele(), copie.Reglages);
                } else {
                    const EtatUndo* e = m.captured(1) == "U" ? h.Annuler() : h.Retablir();
                    QCOMPARE(e == nullptr, h.Taille() == 0);
                    dernier = e ? IdDe(*e) : 0;
                }
            }
        }
        QTEST(Contenu(h), "contenu");
        QTEST(h.Position(), "position");
        QTEST(dernier, "restaure");
        QVERIFY(h.Taille() <= HistoriqueUndo::TailleMax);
        for (int i = 1; i <= h.Taille(); ++i) {
            const EtatUndo& e = h.Entree(i);
            QCOMPARE(e.Reglages.PointCourantE, IdDe(e));
            const CoupleProfils attendu = Modele(IdDe(e));
            QCOMPARE(e.Points[CoteE].Lire(), attendu.PointsE.Lire());
            QCOMPARE(e.Points[CoteS].Lire(), attendu.PointsS.Lire());
        }
    }

    // What makes a snapshot differ from the current state: points, their states, the spacing
    // and the switches; the metrics, recomputed at every restore, and the current points do not.
    // A recorded snapshot shares the point arrays of a side left unchanged with the entry before it.
    void doublons_data() {
        tests::Colonnes<int, bool, bool, bool>("changement", "enregistre", "partageE", "partageS");
        QTest::newRow("rien") << 0 << false << true << true;
        QTest::newRow("une coordonnée") << 1 << true << true << false;
        QTest::newRow("un état") << 2 << true << false << true;
        QTest::newRow("un point de plus") << 3 << true << false << true;
        QTest::newRow("l'écartement") << 4 << true << true << true;
        QTest::newRow("un interrupteur") << 5 << true << true << true;
        QTest::newRow("une métrique seule") << 6 << false << true << true;
        QTest::newRow("-0 au lieu de 0") << 7 << true << true << false;
        // The lists go back to point 1 after a command that changes the counts: not a change.
        QTest::newRow("le point courant seul") << 8 << false << true << true;
    }
    void doublons() {
        QFETCH(int, changement); QFETCH(bool, enregistre);
        HistoriqueUndo h;
        CoupleProfils c = Modele(5);
        c.PointsS.Modifier().back().Y = 0.0f;
        ReglagesUndo r;
        h.Enregistrer(c, r);
        switch (changement) {
        case 1: c.PointsS.Modifier().back().X += 0.001f; break;
        case 2: c.PointsE.Modifier().front().Etat = 3; break;
        case 3: c.PointsE.push_back(c.PointsE.back()); break;
        case 4: c.EcartementZ += 1.0f; break;
        case 5: r.IndexFleche = 2; break;
        case 6: c.LargeurE = 12.0f; break;
        case 7: c.PointsS.Modifier().back().Y = -0.0f; break;
        case 8: r.PointCourantE = 4; r.PointCourantS = 2; break;
        default: break;
        }
        h.Enregistrer(c, r);
        QCOMPARE(h.Taille(), enregistre ? 2 : 1);
        QCOMPARE(h.Position(), h.Taille());
        const EtatUndo& premier = h.Entree(1);
        const EtatUndo& dernier = h.Entree(h.Taille());
        QTEST(premier.Points[CoteE].Partage(dernier.Points[CoteE]), "partageE");
        QTEST(premier.Points[CoteS].Partage(dernier.Points[CoteS]), "partageS");
        QCOMPARE(dernier.Points[CoteE].Lire(), c.PointsE.Lire());
        QCOMPARE(dernier.Points[CoteS].Lire(), c.PointsS.Lire());
    }

    // The model shares its point arrays with the history: recording and restoring copy nothing,
    // the first write to a side copies that side alone, and no write reaches an entry, whether
    // the model was just recorded, restored by "Undo", or by "Undo" then "Redo".
    void copieAuPremierEcrit_data()
    {
        tests::Colonnes<QString, int>("gestes", "cote");
        QTest::newRow("après un enregistrement, E") << "" << CoteE;
        QTest::newRow("après un enregistrement, S") << "" << CoteS;
        QTest::newRow("après annuler, E") << "U" << CoteE;
        QTest::newRow("après annuler puis rétablir, S") << "UR" << CoteS;
    }
    void copieAuPremierEcrit()
    {
        QFETCH(QString, gestes);
        QFETCH(int, cote);
        const int autre = 1 - cote;
        HistoriqueUndo h;
        const ReglagesUndo r;
        CoupleProfils m = Modele(1);
        h.Enregistrer(m, r);
        m = Modele(2);
        h.Enregistrer(m, r);
        for (const QChar g : gestes)
            (g == u'U' ? h.Annuler() : h.Retablir())->CopierVers(m);
        const EtatUndo restaure = h.Entree(h.Position());
        QVERIFY(m.PointsE.Partage(restaure.Points[CoteE]) && m.PointsS.Partage(restaure.Points[CoteS]));

        m.Points(cote).Modifier().front().X += 7.0f;
        QVERIFY(!m.Points(cote).Partage(restaure.Points[cote]));
        QVERIFY(m.Points(autre).Partage(restaure.Points[autre]));
        for (int i = 1; i <= h.Taille(); ++i) {
            QCOMPARE(h.Entree(i).Points[CoteE].Lire(), Modele(i).PointsE.Lire());
            QCOMPARE(h.Entree(i).Points[CoteS].Lire(), Modele(i).PointsS.Lire());
        }
        // Recording the edit shares the untouched side with the entry before it.
        h.Enregistrer(m, r);
        const EtatUndo& nouveau = h.Entree(h.Position());
        QVERIFY(nouveau.Points[autre].Partage(restaure.Points[autre]));
        QVERIFY(nouveau.Points[cote].Partage(m.Points(cote)));
        QCOMPARE(h.Retablir()->Points[cote].front().X, Modele(IdDe(restaure)).Points(cote).front().X + 7.0f);
    }

    // A command run as the window runs it, on one side, leaves the other side's array shared by
    // the model and the entries before and after it, and the side it changed held once. (The
    // commands on the root side that re-place the tip move both.)
    void commandeSurUnCote_data()
    {
        tests::Colonnes<int, int>("commande", "cote");
        QTest::newRow("insérer") << int(UnCoteInserer) << CoteS;
        QTest::newRow("supprimer") << int(UnCoteSupprimer) << CoteS;
        QTest::newRow("miroir") << int(UnCoteMiroirV) << CoteS;
        QTest::newRow("déplacer") << int(UnCoteDeplacerX) << CoteS;
        QTest::newRow("corde") << int(UnCoteCorde) << CoteS;
        QTest::newRow("une ligne de la liste, E") << int(UnCoteLigne) << CoteE;
        QTest::newRow("une ligne de la liste, S") << int(UnCoteLigne) << CoteS;
    }
    void commandeSurUnCote()
    {
        QFETCH(int, commande);
        QFETCH(int, cote);
        const int autre = 1 - cote;
        CoupleProfils profils = Cercles(cote);
        EtatEdition edition;
        EtatGeometrie geometrie;
        HistoriqueUndo historique;
        OptionsAffichage affichage;
        ContexteEdition ctx{profils, edition, geometrie, historique, affichage};
        CalculerExtremes(profils);
        geometrie.FlecheSaisie = profils.FlecheBA; // as after opening: the tip stays where it is
        geometrie.DiedreMmSaisi = profils.DiedreMm;
        EnregistrerUndo(ctx);
        const EtatUndo avant = historique.Entree(historique.Position());
        const SuiteCommande suite = ExecuterEntier(
            ctx, [&](ContexteEdition& c) { return Lancer(c, CommandeUnCote(commande), cote); });
        QVERIFY(!suite.Refuse);
        const EtatUndo& apres = historique.Entree(historique.Position());
        QVERIFY(historique.Position() >= 2);
        QVERIFY(apres.Points[autre].Partage(avant.Points[autre]));
        QVERIFY(profils.Points(autre).Partage(avant.Points[autre]));
        QVERIFY(!apres.Points[cote].Partage(avant.Points[cote]));
        QVERIFY(profils.Points(cote).Partage(apres.Points[cote]));
        QCOMPARE(avant.Points[cote].Lire(), Cercles(cote).Points(cote).Lire());
    }
};

GALBIX_TEST_MAIN(TestUndo)
#include "tst_undo.moc"
