// Whole-point editing of both sides: delete and its refusal, midpoints, copy, cut, paste,
// renumbering, the two wings in one block, the splice of the insertion mode, the clipboard's
// text form, and "Undo" after each command.
#include "common/Colonnes.h"
#include "common/Profils.h"
#include "common/SessionChargee.h"
#include "common/TestMain.h"

#include "editing/Duplication.h"
#include "editing/EditionPoints.h"
#include "editing/InsertionProfils.h"
#include "editing/QueuePoints.h"
#include "editing/Transaction.h"

#include <functional>
#include <new>

using namespace galbix;

namespace {

// A side from a selection pattern: point i (1-based) at X = i, Y = 10 i; '1' selected.
std::vector<PointProfil> MotifPoints(const QString& motif) {
    std::vector<PointProfil> p;
    for (qsizetype i = 0; i < motif.size(); ++i)
        p.push_back({float(i + 1), float(10 * (i + 1)), int16_t(motif[i] == u'1' ? EtatSelection : 0)});
    return p;
}

// A side from "x y etat" triples separated by "|" (etat 0 when left out).
std::vector<PointProfil> CotePoints(const QString& texte) {
    std::vector<PointProfil> p;
    for (const QString& t : texte.split(u'|', Qt::SkipEmptyParts)) {
        const QStringList v = t.simplified().split(u' ');
        p.push_back({v[0].toFloat(), v[1].toFloat(), int16_t(v.size() > 2 ? v[2].toInt() : 0)});
    }
    return p;
}

// The same form back, numbers as short as they go; with `xSeul`, X alone of every point, joined by spaces.
QString TextePoints(const std::vector<PointProfil>& points, bool xSeul = false) {
    QStringList t;
    for (const PointProfil& p : points)
        t << QString::number(double(p.X))
                 + (xSeul ? QString() : QStringLiteral(" %1 %2").arg(QString::number(double(p.Y))).arg(p.Etat));
    return t.join(xSeul ? u' ' : u'|');
}
QString XsPoints(const std::vector<PointProfil>& points) { return TextePoints(points, true); }

using SessionPoints = tests::SessionChargee;
using CommandePoints = std::function<SuitePoints(SessionPoints&)>;

} // namespace

Q_DECLARE_METATYPE(CommandePoints)

class TestEditionPoints : public QObject {
    Q_OBJECT
private slots:
    void supprimer_data() {
        tests::Colonnes<QString, QString, bool, QString, QString>("e", "s", "refuse", "resteE", "resteS");
        // Side S could lose points, side E cannot: nothing at all is removed.
        QTest::newRow("5 points, 4 sélectionnés") << "11110" << "0000011" << true << "" << "";
        QTest::newRow("un seul point libre côté S") << "00000" << "1110" << true << "" << "";
        QTest::newRow("deux libres de chaque côté") << "01010" << "0110" << false << "1 3 5" << "1 4";
        QTest::newRow("rien de sélectionné") << "000" << "00" << false << "1 2 3" << "1 2";
    }
    void supprimer() {
        QFETCH(QString, e); QFETCH(QString, s); QFETCH(bool, refuse);
        SessionPoints x(MotifPoints(e), MotifPoints(s));
        const CoupleProfils avant = x.Profils;
        const SuitePoints r = CommandeSupprimer(x.Ctx);
        QCOMPARE(r.Suite.Refuse, refuse);
        QCOMPARE(r.Suite.Message ? r.Suite.Message->Titre : QString(), refuse ? "Erreur de sélection" : QString());
        if (refuse) {
            QVERIFY(x.Profils.PointsE == avant.PointsE && x.Profils.PointsS == avant.PointsS);
            return;
        }
        QTEST(XsPoints(x.Profils.PointsE), "resteE");
        QTEST(XsPoints(x.Profils.PointsS), "resteS");
    }

    void inserer_data() {
        tests::Colonnes<QString, QString>("motif", "xs");
        QTest::newRow("trois consécutifs: deux milieux") << "01110" << "1 2 2.5 3 3.5 4 5";
        QTest::newRow("séparés par un point libre: aucun") << "10100" << "1 2 3 4 5";
        QTest::newRow("tout sélectionné") << "111" << "1 1.5 2 2.5 3";
        QTest::newRow("dernière paire") << "00011" << "1 2 3 4 4.5 5";
    }
    void inserer() {
        QFETCH(QString, motif);
        SessionPoints x(MotifPoints(motif), MotifPoints(motif));
        CommandeInsererPoint(x.Ctx);
        QTEST(XsPoints(x.Profils.PointsE), "xs");
        QTEST(XsPoints(x.Profils.PointsS), "xs");
        for (const PointProfil& p : x.Profils.PointsE) // a midpoint, in Y as well, and not selected
            QVERIFY(p.X == std::floor(p.X) || (p.Etat == 0 && p.Y == p.X * 10));
    }

    void copier() {
        SessionPoints x(CotePoints("1 1 3|2 2 0|3 3 5"), CotePoints("4 4 0|5 5 0"));
        CommandeCopier(x.Ctx, x.PressePapier);
        // Whole records are kept; the model's points lose the selection bit only.
        QCOMPARE(TextePoints(x.PressePapier.PointsE), QStringLiteral("1 1 3|3 3 5"));
        QVERIFY(x.PressePapier.PointsS.empty());
        QCOMPARE(TextePoints(x.Profils.PointsE), QStringLiteral("1 1 2|2 2 0|3 3 4"));
        // A second copy finds nothing selected any more.
        CommandeCopier(x.Ctx, x.PressePapier);
        QVERIFY(x.PressePapier.Vide());
    }

    void couper() {
        SessionPoints x(MotifPoints("01100"), MotifPoints("0001"));
        const SuitePoints r = CommandeCouper(x.Ctx, x.PressePapier);
        QVERIFY(!r.Suite.Refuse);
        QCOMPARE(TextePoints(x.PressePapier.PointsE), QStringLiteral("2 20 1|3 30 1"));
        QCOMPARE(XsPoints(x.Profils.PointsE) + " / " + XsPoints(x.Profils.PointsS), QStringLiteral("1 4 5 / 1 2 3"));
        QVERIFY(!x.PressePapier.CoupeEnCours);

        // Refused: the clipboard holds the copy, the points stay, still selected.
        SessionPoints y(MotifPoints("0111"), MotifPoints("00"));
        QVERIFY(CommandeCouper(y.Ctx, y.PressePapier).Suite.Refuse);
        QCOMPARE(XsPoints(y.PressePapier.PointsE), QStringLiteral("2 3 4"));
        QCOMPARE(y.Profils.PointsE, MotifPoints("0111"));
        QVERIFY(!y.PressePapier.CoupeEnCours);
    }

    void coller_data() {
        tests::Colonnes<QString, QString, QString, QString, QString, QString>(
            "ppE", "ppS", "e", "s", "attenduE", "attenduS");
        // 3 points at one selected point of 10: 14 points, the first pasted on top of it.
        QTest::newRow("3 dans 10")
            << "100 0 1|101 1 0|102 0 0" << "" << "0 0|1 0|2 0 1|3 0|4 0|5 0|6 0|7 0|8 0|9 0" << "0 0 1|1 0"
            << "0 0 0|1 0 0|2 0 0|2 0 1|3 1 1|4 0 1|2 0 0|3 0 0|4 0 0|5 0 0|6 0 0|7 0 0|8 0 0|9 0 0"
            << "0 0 0|0 0 1|1 1 1|2 0 1|0 0 0|1 0 0";
        QTest::newRow("liste S seule sur les deux côtés") << "" << "0 0|5 5" << "0 0 1|1 0" << "0 0|1 0 1"
            << "0 0 0|0 0 1|5 5 1|0 0 0|1 0 0" << "0 0 0|1 0 0|1 0 1|6 5 1|1 0 0";
        QTest::newRow("deux listes, chacune sur son côté") << "0 0|1 1" << "0 0|2 0|4 0" << "0 0 1" << "0 0 1"
            << "0 0 0|0 0 1|1 1 1|0 0 0" << "0 0 0|0 0 1|2 0 1|4 0 1|0 0 0";
        // Two selected neighbours each receive a paste; pasted points are never re-read.
        QTest::newRow("voisins sélectionnés") << "0 0|1 0" << "" << "0 0 1|10 0 1" << "0 0"
            << "0 0 0|0 0 1|1 0 1|0 0 0|10 0 0|10 0 1|11 0 1|10 0 0" << "0 0 0";
        QTest::newRow("presse-papiers vide") << "" << "" << "0 0 1|1 0" << "0 0 1" << "0 0 1|1 0 0" << "0 0 1";
    }
    void coller() {
        QFETCH(QString, ppE); QFETCH(QString, ppS); QFETCH(QString, e); QFETCH(QString, s);
        SessionPoints x(CotePoints(e), CotePoints(s));
        x.PressePapier.PointsE = CotePoints(ppE);
        x.PressePapier.PointsS = CotePoints(ppS);
        const SuitePoints r = CommandeColler(x.Ctx, x.PressePapier);
        QVERIFY(r.Ajuster);
        QTEST(TextePoints(x.Profils.PointsE), "attenduE");
        QTEST(TextePoints(x.Profils.PointsS), "attenduS");
    }

    void renumeroter_data() {
        tests::Colonnes<QString, int, float, QString, int>("cote", "courant", "tolerance", "attendu", "courantApres");
        // A B C D A, all selected, C current: C D A B C, the states staying with the numbers.
        QTest::newRow("fermé ABCDA depuis C")
            << "0 0 1|1 0 5|1 1 3|0 1 1|0 0 1" << 3 << 0.0f << "1 1 5|0 1 3|0 0 1|1 0 1|1 1 1" << 2;
        QTest::newRow("fermé à la tolérance près")
            << "0 0 1|1 0 1|1 1 1|0 1 1|0.01 0 1" << 3 << 0.05f << "1 1 1|0 1 1|0.01 0 1|1 0 1|1 1 1" << 2;
        QTest::newRow("hors tolérance: ouvert") << "0 0 1|1 0 1|1 1 1|0 1 1|0.1 0 1" << 3 << 0.05f
            << "1 1 1|0 1 1|0.1 0 1|0 0 1|1 0 1|1 1 1" << 3;
        // Unselected points are untouched; only the selected run turns.
        QTest::newRow("run dans un côté ouvert") << "9 9 0|1 0 1|2 0 1|3 0 1|4 0 1|8 8 0" << 4 << 0.0f
            << "9 9 0|3 0 1|4 0 1|1 0 1|2 0 1|3 0 1|8 8 0" << 4;
        QTest::newRow("trois sélectionnés: inchangé") << "0 0 1|1 0 1|2 0 1|3 0" << 2 << 0.0f
                                                      << "0 0 1|1 0 1|2 0 1|3 0 0" << 2;
        QTest::newRow("point courant 1: inchangé") << "0 0 1|1 0 1|2 0 1|0 0 1" << 1 << 0.0f
                                                   << "0 0 1|1 0 1|2 0 1|0 0 1" << 1;
    }
    void renumeroter() {
        QFETCH(QString, cote); QFETCH(int, courant); QFETCH(float, tolerance);
        SessionPoints x(CotePoints(cote), CotePoints("0 0|1 1"));
        x.Edition.PointCourantE = courant;
        CommandeRenumeroter(x.Ctx, tolerance);
        QTEST(TextePoints(x.Profils.PointsE), "attendu");
        QTEST(int(x.Edition.PointCourantE), "courantApres");
    }

    void dupliquer_data() {
        tests::Colonnes<int, QString, QString, QString>("variante", "ecart", "attenduE", "champ");
        // Mirror line y = -5: the copy in reverse order below the first wing.
        QTest::newRow("miroir, écart 10")
            << 0 << "10" << "0 0 0|10 5 0|20 0 0|20 -10 0|10 -15 0|0 -10 0" << "10.0";
        QTest::newRow("reliée, écart 10") << 1 << "10"
            << "4 0 0|0 0 0|10 5 0|20 0 0|24 0 0|24 -5 0|24 -10 0|20 -10 0|10 -15 0|0 -10 0|4 -10 0" << "10.0";
    }
    void dupliquer() {
        QFETCH(int, variante); QFETCH(QString, ecart);
        const std::vector<PointProfil> aile = CotePoints("0 0|10 5|20 0");
        SessionPoints x(aile, aile);
        QString champ;
        const SuitePoints r = CommandeDupliquer(x.Ctx, Duplication(variante), ecart, champ);
        QVERIFY(!r.Suite.Refuse);
        QTEST(TextePoints(x.Profils.PointsE), "attenduE");
        QCOMPARE(x.Profils.PointsS, x.Profils.PointsE); // one mirror line for both sides
        QTEST(champ, "champ");
        // Before and after; the dihedral typed afterwards changes nothing more, so it adds no entry.
        QCOMPARE(x.Historique.Taille(), 2);
    }

    // A command runs whole or not at all: beyond the point budget, out of memory, or with a
    // result beyond the float range, the model and the history stay as they were. "Undo" right
    // after a command that ran gives back exactly the model before it, current points included.
    void entierOuRien_data() {
        tests::Colonnes<QString, CommandePoints, QString>("cotes", "commande", "titre"); // titre "": the command runs
        const QString cinq = QStringLiteral("0 0 1|1 1 1|2 2 1|3 3 1|4 4 1|5 5 0|6 6 0");
        const QString grand = QStringLiteral("3e38 0 1|1 2000 1|2 0 0");
        using C = CommandePoints;
        QTest::newRow("supprimer") << cinq << C([](SessionPoints& s) { return CommandeSupprimer(s.Ctx); }) << "";
        QTest::newRow("insérer") << cinq << C([](SessionPoints& s) { return CommandeInsererPoint(s.Ctx); }) << "";
        QTest::newRow("couper") << cinq << C([](SessionPoints& s) { return CommandeCouper(s.Ctx, s.PressePapier); }) << "";
        QTest::newRow("renuméroter") << cinq << C([](SessionPoints& s) { return CommandeRenumeroter(s.Ctx, 0.0f); }) << "";
        QTest::newRow("dupliquer") << cinq << C([](SessionPoints& s) {
            QString champ;
            return CommandeDupliquer(s.Ctx, Duplication::Reliee, QStringLiteral("7"), champ);
        }) << "";
        const auto coller = [](std::vector<PointProfil> liste) {
            return CommandePoints([liste](SessionPoints& s) {
                s.PressePapier.PointsE = liste;
                return ExecuterEntier(s.Ctx, [&](ContexteEdition& c) { return CommandeColler(c, s.PressePapier); });
            });
        };
        QTest::newRow("collage ordinaire") << cinq << coller(CotePoints("0 0|1 1")) << "";
        // 5 selected points x (2 000 000 + 1) + 7 passes 10 000 000 by 12.
        QTest::newRow("collage au-delà du budget")
            << cinq << coller(std::vector<PointProfil>(2'000'000, PointProfil{})) << "Trop de points";
        QTest::newRow("collage hors des réels") << grand << coller(CotePoints("0 0|1e38 0")) << "Erreur de saisie";
        QTest::newRow("mémoire épuisée") << cinq << CommandePoints([](SessionPoints& s) {
            return ExecuterEntier(s.Ctx, [](ContexteEdition& c) -> SuitePoints {
                c.Profils.PointsE.clear();
                EnregistrerUndo(c);
                throw std::bad_alloc();
            });
        }) << "Mémoire insuffisante";
        const auto forme = [](SuiteCommande (*commande)(ContexteEdition&)) {
            return CommandePoints([commande](SessionPoints& s) {
                SuitePoints r;
                r.Suite = ExecuterEntier(s.Ctx, commande);
                return r;
            });
        };
        QTest::newRow("translation hors des réels")
            << grand << forme([](ContexteEdition& c) { return CommandeDeplacer(c, SensTranslation(0), 1e38f); })
            << "Erreur de saisie";
        QTest::newRow("écartement hors des réels") << cinq << CommandePoints([](SessionPoints& s) {
            QString champ;
            return CommandeDupliquer(s.Ctx, Duplication::Miroir, QStringLiteral("1") + QString(39, u'0'), champ);
        }) << "Erreur de saisie de l'écartement";
        QTest::newRow("écartement illisible") << cinq << CommandePoints([](SessionPoints& s) {
            QString champ = QStringLiteral("inchangé");
            SuitePoints r = CommandeDupliquer(s.Ctx, Duplication::Miroir, QStringLiteral("1-2"), champ);
            if (champ != QStringLiteral("inchangé"))
                r.Suite.Refuse = false; // the field must keep its text
            return r;
        }) << "Erreur de saisie de l'écartement";
    }
    void entierOuRien() {
        QFETCH(QString, cotes); QFETCH(CommandePoints, commande); QFETCH(QString, titre);
        SessionPoints x(CotePoints(cotes), CotePoints(cotes));
        x.Edition.PointCourantE = x.Edition.PointCourantS = 3;
        x.Geometrie.Interrupteurs.IndexFleche = FlecheAlignerBF;
        EnregistrerUndo(x.Ctx);
        const int taille = x.Historique.Taille();
        const CoupleProfils avant = x.Profils;
        const SuitePoints r = commande(x);
        QCOMPARE(r.Suite.Refuse, !titre.isEmpty());
        QCOMPARE(r.Suite.Message ? r.Suite.Message->Titre : QString(), titre);
        QCOMPARE(x.Profils.PointsE == avant.PointsE, r.Suite.Refuse);
        QCOMPARE(x.Historique.Taille(), taille + (r.Suite.Refuse ? 0 : 1));
        QVERIFY(ModeleFini(x.Profils));
        if (r.Suite.Refuse)
            return;
        CommandeAnnuler(x.Ctx);
        QVERIFY(x.Profils.PointsE == avant.PointsE && x.Profils.PointsS == avant.PointsS);
        QCOMPARE(x.Edition.PointCourantE, 3);
        CommandeRetablir(x.Ctx);
        QVERIFY(x.Profils.PointsE != avant.PointsE);
    }

    void modeInsertion() {
        CoupleProfils profils{.PointsE = MotifPoints("01010"), .PointsS = MotifPoints("000")};
        HistoriqueUndo historique;
        historique.Enregistrer(profils, {});
        EtatEdition edition;
        edition.PointCourantE = 5;
        EtatGeometrie geometrie;
        geometrie.Interrupteurs.IndexDiedre = DiedreAlignerBA;
        EtatInsertion etat;
        EntrerInsertion(etat, profils, historique, edition, geometrie);
        // The last selected point; none selected on side S: the last point.
        QVERIFY(etat.PointInsertionE == 4 && etat.PointInsertionS == 3);
        QVERIFY(profils.PointsE.empty() && profils.PointsS.empty());
        QCOMPARE(historique.Taille(), 0);

        profils.PointsE = profils.PointsS = CotePoints("50 0|51 0");
        historique.Enregistrer(profils, {});
        EtatEdition editionMode;
        EtatGeometrie geometrieMode;
        QuitterInsertion(etat, true, profils, historique, editionMode, geometrieMode);
        QCOMPARE(XsPoints(profils.PointsE), QStringLiteral("1 2 3 4 50 51 4 5"));
        QCOMPARE(XsPoints(profils.PointsS), QStringLiteral("1 2 3 50 51 3"));
        QCOMPARE(profils.PointsE[6].Etat, int16_t(0)); // the return point is not selected
        QVERIFY(historique.Taille() == 1 && editionMode.PointCourantE == 5);
        QCOMPARE(geometrieMode.Interrupteurs.IndexDiedre, int16_t(DiedreAlignerBA));
        QVERIFY(!etat.Actif);
    }

    void texte_data() {
        tests::Colonnes<QString, QString, QString>("texte", "e", "s");
        QTest::newRow("forme écrite") << "Emplanture\n1.5\t2\n-3\t4e-1\nSaumon\n7\t8\n" << "1.5 2 1|-3 0.4 1" << "7 8 1";
        QTest::newRow("sans en-tête: côté E") << "1 2\r\n3 4\r\n" << "1 2 1|3 4 1" << "";
        QTest::newRow("tableur, virgule décimale") << "X\tY\n1,5\t2,25\n" << "1.5 2.25 1" << "";
        QTest::newRow("séparées par une virgule") << "1.5,2\n" << "1.5 2 1" << "";
        QTest::newRow("point-virgule") << "saumon\n1;2\n" << "" << "1 2 1";
        QTest::newRow("lignes de texte sautées") << "abc\nX Y\n\n5 6\n" << "5 6 1" << "";
    }
    void texte() {
        QFETCH(QString, texte);
        const std::optional<PressePapiers> pp = LireTextePoints(texte);
        QVERIFY(pp);
        QTEST(TextePoints(pp->PointsE), "e");
        QTEST(TextePoints(pp->PointsS), "s");
    }

    void texteAllerRetour() {
        PressePapiers pp;
        pp.PointsE = {{0.1f, -2.345678f, 3}, {1e-7f, 123456.7f, 1}};
        pp.PointsS = {{-0.0f, 1.0f / 3.0f, 1}};
        const QString t = TexteDuPressePapiers(pp);
        QVERIFY(t.startsWith(QStringLiteral("Emplanture\n0.1\t-2.345678\n")));
        const auto relu = LireTextePoints(t);
        QVERIFY(relu);
        QVERIFY(tests::MemesPoints(relu->PointsE, pp.PointsE, 0, false)
                && tests::MemesPoints(relu->PointsS, pp.PointsS, 0, false));
        QVERIFY(!LireTextePoints(QStringLiteral("Emplanture\nSaumon\n")));
        bool horsLimites = false;
        QVERIFY(!LireTextePoints(QStringLiteral("1\t2\n20\t3e39\n"), &horsLimites));
        QVERIFY(horsLimites);
        QVERIFY(!LireTextePoints(QString()));
    }
};

GALBIX_TEST_MAIN(TestEditionPoints)
#include "tst_editionpoints.moc"
