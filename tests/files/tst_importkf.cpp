// Projects of the cutting program: the line reader (sides, points in file order, comments,
// the end key, the last line), the placement steps it derives, the placement once replayed
// through the editing commands, and files that stop the import.
#include "common/Test.h"
#include "app/SessionEdition.h"
#include "editing/PlacementKerfex.h"
#include "files/ImportKf.h"
#include "model/NumericText.h"

#include <cmath>
#include <clocale>

using namespace galbix;

namespace {

// Root: a triangle of chord 100 and height 10; tip: a rectangle of chord 80 and height 8,
// 10 mm behind and 2 mm above. Followed by the lines of the row.
QByteArray Projet(const QByteArray& placement, const QByteArray& fin = "Fin\r\n") {
    return "Commentaire=Aile d'essai\r\n"
           "EFichier=racine.dat\r\n"
           "SFichier=bout.dat\r\n"
           "SEnvergure=600\r\n"
           "E1=100;0\r\nE2=0;0\r\nE3=50;10\r\n"
           "S1=90;2\r\nS2=10;2\r\nS3=10;10\r\nS4=90;10\r\n"
           + placement + fin;
}

// "Action [side] [text]" for each step.
QStringList DecrireEtapes(const std::vector<EtapeKerfex>& etapes) {
    static const char* const noms[] = {"EtirerY", "Miroir", "Tourner", "Fleche", "DiedreMm"};
    QStringList l;
    for (const EtapeKerfex& e : etapes)
        l << QString(noms[int(e.Action)]) + (e.Cote ? (*e.Cote == CoteE ? " E" : " S") : "")
                 + (e.Texte.isEmpty() ? QString() : u' ' + e.Texte);
    return l;
}

ProjetKerfex LireKerfexTest(const QByteArray& contenu) {
    ProjetKerfex projet;
    AnalyserProjetKerfex(contenu, projet); // a refusal shows in the checks as missing values
    return projet;
}

} // namespace

class TestImportKf : public QObject {
    Q_OBJECT
private slots:
    void lecture_data() {
        tests::Colonnes<QByteArray, QList<QPointF>, QList<QPointF>, QString, bool>(
            "contenu", "racine", "saumon", "commentaire", "termine");
        using P = QList<QPointF>;
        const auto r = [](const char* nom, const QByteArray& contenu, P e, P s, const char* commentaire, bool termine) {
            QTest::newRow(nom) << contenu << e << s << commentaire << termine;
        };
        r("end key: later lines ignored, comment keeps its CR LF",
          "Commentaire=a\r\nE1=1;2\r\nE2=3;4\r\nFin\r\nE3=5;6\r\nCommentaire=b\r\n", {{1, 2}, {3, 4}}, {{0, 0}}, "a\r\n", true);
        r("end key after a root letter", "E1=1;2\nE2=3;4\nEin\nE3=5;6\n", {{1, 2}, {3, 4}}, {{0, 0}}, "", true);
        r("comments in file order, the last CR LF removed",
          "Commentaire=un\r\nE1=1;2\r\nCommentaire=deux = 2\r\nCommentaire=trois\r\n", {{1, 2}, {0, 0}}, {{0, 0}},
          "un\r\ndeux = 2\r\ntrois", false);
        r("last line without a line end is read", "S1=1;2\nS2=3;4\nS3=5;6", {{0, 0}}, {{1, 2}, {3, 4}, {5, 6}}, "", false);
        r("any other letter is the tip, numbers in keys unused", "E7=1;2\nX1=3;4\ne9=5;6\nE1=7;8\n", {{1, 2}, {7, 8}},
          {{3, 4}, {5, 6}}, "", false);
        r("a single point gets a second one at 0, 0", "E1=1;2\nS1=-3;.5\nS2=4e1;-2.5E-1\n", {{1, 2}, {0, 0}},
          {{-3, 0.5}, {40, -0.25}}, "", false);
        r("whole project", Projet(""), {{100, 0}, {0, 0}, {50, 10}}, {{90, 2}, {10, 2}, {10, 10}, {90, 10}}, "Aile d'essai\r\n",
          true);
    }
    void lecture() {
        QFETCH(QByteArray, contenu);
        QFETCH(QList<QPointF>, racine);
        QFETCH(QList<QPointF>, saumon);
        ProjetKerfex projet;
        const LectureKerfex lecture = AnalyserProjetKerfex(contenu, projet);
        QVERIFY2(lecture.Reussie, qPrintable(lecture.Erreur));
        for (int cote : {CoteE, CoteS}) {
            QList<QPointF> lus;
            for (const PointProfil& p : projet.Points[cote]) {
                lus << QPointF(p.X, p.Y);
                QCOMPARE(p.Etat, int16_t(0));
            }
            QCOMPARE(lus, cote == CoteE ? racine : saumon);
        }
        QTEST(projet.Commentaire, "commentaire");
        QTEST(projet.Termine, "termine");
    }

    void valeurs() {
        const ProjetKerfex p = LireKerfexTest("EFichier=ailé.dat\nSFichier=\nEEnvergure=500\nSEnvergure=650.5\n"
                                    "SInconnu=abc\nEVrillage=-2.5\nSMDessous=4\n");
        QCOMPARE(p.Fichier[CoteE].value_or("?") + u'|' + p.Fichier[CoteS].value_or("?"), QStringLiteral("ailé.dat|"));
        QVERIFY(p.Envergure == 650.5f && p.Vrillage[CoteE] == -2.5f && p.MDessous[CoteS] == 4.0);
        QVERIFY(!p.Hauteur[CoteE] && !p.Hauteur[CoteS]);
        // A file that is not UTF-8 is read as Latin-1.
        const ProjetKerfex latin = LireKerfexTest("Commentaire=l\xe9g\xe8re\nEFichier=\xe9t\xe9.dat\n");
        QCOMPARE(latin.Commentaire, QStringLiteral("légère"));
        QCOMPARE(latin.Fichier[CoteE].value_or(QString()), QStringLiteral("été.dat"));
    }

    void etapes_data() {
        tests::Colonnes<QByteArray, QStringList>("lignes", "etapes");
        // etapes: the steps before the sweep and the dihedral height, which always come last
        const auto row = [](const char* nom, const char* lignes, QStringList etapes, const char* fleche, const char* diedre) {
            QTest::newRow(nom) << QByteArray(lignes)
                               << etapes + QStringList{QString("Fleche ") + fleche, QString("DiedreMm ") + diedre};
        };
        row("factor 1.0001", "ExHauteur=1.0001\nSxHauteur=1\n", {"EtirerY E 100.01"}, "0", "0");
        row("no factor: no stretch", "SxHauteur=0.5\n", {"EtirerY S 50"}, "0", "0");
        row("root sweep ignored, tip typed", "EFlecheBA=30\nSFlecheBA=12.5\n", {}, "12.5", "0");
        row("lower surfaces", "EMDessous=1.5\nSMDessous=9\n", {}, "0", "7.5");
        row("tip offset wins", "EMDessous=1.5\nSMDessous=9\nSDecalage=-3.5\n", {}, "0", "-3.5");
        row("root offset marks it present", "EMDessous=1.5\nSMDessous=9\nEDecalage=4\n", {}, "0", "0");
        row("mirrors: vertical ones first",
            "EMiroirHorizontal=true\nSMiroirVertical=True\nEMiroirVertical=oui\nSMiroirHorizontal=false\n",
            {"Miroir S", "Miroir E"}, "0", "0");
        row("twist typed with the other sign", "SVrillage=-1.5\nEVrillage=2\n", {"Tourner E -2", "Tourner S 1.5"}, "0", "0");
        row("every step in order",
            "SVrillage=3\nSMiroirHorizontal=true\nSxHauteur=1.2\nExHauteur=0.8\nEMiroirVertical=true\nSFlecheBA=20\n"
            "SDecalage=5\n",
            {"EtirerY E 80", "EtirerY S 120", "Miroir E", "Miroir S", "Tourner S -3"}, "20", "5");
    }
    void etapes() {
        QFETCH(QByteArray, lignes);
        QTEST(DecrireEtapes(EtapesPlacementKerfex(LireKerfexTest(Projet(lignes)))), "etapes");
    }

    void placement_data() {
        // attendus: HauteurE, HauteurS, LargeurE, LargeurS, FlecheBA, DiedreMm afterwards
        tests::Colonnes<QByteArray, QList<float>, bool>("lignes", "attendus", "racineRetournee");
        const auto row = [](const char* nom, const char* lignes, QList<float> attendus, bool retournee) {
            QTest::newRow(nom) << QByteArray(lignes) << attendus << retournee;
        };
        row("nothing", "", {10, 8, 100, 80, 0, 0}, false);
        row("tip stretched, sweep and offset", "SxHauteur=2.5\nSFlecheBA=12.5\nSDecalage=-4\n", {10, 20, 100, 80, 12.5, -4},
            false);
        row("root mirrored", "EMiroirVertical=true\n", {10, 8, 100, 80, 0, 0}, true);
        row("horizontal mirror flips too", "EMiroirHorizontal=true\nEMDessous=2\nSMDessous=7\n", {10, 8, 100, 80, 0, 5},
            true);
        row("tip twisted a quarter turn", "SVrillage=90\n", {10, 80, 100, 8, 0, 0}, false);
    }
    // Replayed through the commands: the shapes change side by side, the tip ends where the
    // sweep and the dihedral height typed put it, and no point stays selected.
    void placement() {
        QFETCH(QByteArray, lignes);
        QFETCH(QList<float>, attendus);
        SessionEdition session;
        const CoupleProfils& profils = session.Profils;
        ContexteEdition ctx = session.Contexte();
        ImporterProjetKerfex(ctx, LireKerfexTest(Projet(lignes)));
        QVERIFY(profils.NbPointsE() == 3 && profils.NbPointsS() == 4 && profils.EcartementZ == 600.0f);
        const float obtenus[] = {profils.HauteurE, profils.HauteurS, profils.LargeurE, profils.LargeurS,
                                 profils.FlecheBA, profils.DiedreMm};
        for (int i = 0; i < 6; ++i) // the tip's height and width come through a stretch
            QVERIFY2(qAbs(obtenus[i] - attendus[i]) < (i % 2 && i < 4 ? 1e-3f : 1e-4f), qPrintable(QString::number(i)));
        // The triangle's apex (point 3) is above its base unless the root was mirrored.
        QTEST(profils.PointsE[2].Y < profils.PointsE[0].Y, "racineRetournee");
        for (const auto* points : {&profils.PointsE, &profils.PointsS})
            for (const PointProfil& p : *points)
                QCOMPARE(p.Etat, int16_t(0));
        QVERIFY(session.Historique.Taille() >= 2); // each command recorded its snapshots
    }

    void echecs_data() {
        tests::Colonnes<QByteArray, int>("contenu", "ligne");
        QTest::newRow("letter in a point") << QByteArray("E1=1;2\nE2=abc;3\n") << 2;
        QTest::newRow("decimal comma") << QByteArray("E1=1;2\n\nS1=1,5;3\n") << 3;
        QTest::newRow("point without ;") << QByteArray("E1=1;2\nE2=3\n") << 2;
        QTest::newRow("height factor") << QByteArray("E1=1;2\nSxHauteur=grand\n") << 2;
        QTest::newRow("empty twist") << QByteArray("EVrillage=\n") << 1;
        QTest::newRow("beyond the float range") << QByteArray("SEnvergure=1e39\n") << 1;
        QTest::newRow("last line") << QByteArray("E1=1;2\nE2=3;4\nSMDessous=-") << 3;
        QTest::newRow("binary bytes") << QByteArray("E1=1;2\nE2=\x01\x1b[2J\x7f\x9b;3\n") << 2;
    }
    // A value that is not a number stops the reading: nothing of the file is kept.
    void echecs() {
        QFETCH(QByteArray, contenu);
        QFETCH(int, ligne);
        ProjetKerfex projet;
        projet.Commentaire = QStringLiteral("avant");
        const LectureKerfex lecture = AnalyserProjetKerfex(contenu, projet);
        QVERIFY(!lecture.Reussie && lecture.Ligne == ligne);
        QVERIFY(lecture.Erreur.startsWith(QStringLiteral("ligne %1 : ").arg(ligne)));
        QVERIFY(projet.Points[CoteE].empty() && projet.Points[CoteS].empty());
        for (QChar c : lecture.Erreur) // never a raw byte of the file on a terminal
            QVERIFY2(c.isPrint(), qPrintable(QString::number(c.unicode())));
    }

    void fichierIllisible_data() {
        tests::Colonnes<QString, QString>("cible", "erreur"); // cible: what the file links to; empty: no file
        QTest::newRow("absent") << "" << "lecture impossible";
        if (QFile::exists(QStringLiteral("/dev/zero")))
            QTest::newRow("endless") << "/dev/zero" << "trop volumineux";
    }
    void fichierIllisible() {
        QFETCH(QString, cible);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("p.kf"));
        if (!cible.isEmpty())
            QVERIFY(QFile::link(cible, chemin));
        ProjetKerfex projet;
        const LectureKerfex lecture = LireProjetKerfex(chemin, projet);
        QFETCH(QString, erreur);
        QVERIFY2(!lecture.Reussie && lecture.Ligne == 0 && lecture.Erreur.contains(erreur), qPrintable(lecture.Erreur));
    }

    // A placement whose result leaves the float range is refused as the field refuses it: the
    // points stay finite and the first refusal is handed back.
    void placementHorsLimites() {
        SessionEdition session;
        const CoupleProfils& profils = session.Profils;
        ContexteEdition ctx = session.Contexte();
        const std::optional<MessageRefus> refus = ImporterProjetKerfex(ctx, LireKerfexTest(Projet("ExHauteur=3e37\n")));
        QCOMPARE(refus.value_or(MessageRefus{}).Titre, QStringLiteral("Erreur de saisie"));
        QCOMPARE(profils.HauteurE, 10.0f);
        for (const auto* points : {&profils.PointsE, &profils.PointsS})
            for (const PointProfil& p : *points)
                QVERIFY(std::isfinite(p.X) && std::isfinite(p.Y));
    }

    // Under a French locale the file's points still read as decimal points, and the values
    // typed into the fields read back the same.
    void localeFrancaise() {
        const QByteArray avant = std::setlocale(LC_ALL, nullptr);
        std::setlocale(LC_ALL, "fr_FR.UTF-8");
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        const ProjetKerfex p = LireKerfexTest("E1=0.5;12.25\nE2=-1.5e2;3\nSFlecheBA=12.5\nSDecalage=-0.75\n");
        const QStringList etapes = DecrireEtapes(EtapesPlacementKerfex(p));
        const float fleche = ValeurSaisieReelle(EtapesPlacementKerfex(p)[0].Texte);
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, avant.constData());
        QCOMPARE(p.Points[CoteE].size(), size_t(2));
        QVERIFY(p.Points[CoteE][0].X == 0.5f && p.Points[CoteE][0].Y == 12.25f && p.Points[CoteE][1].X == -150.0f);
        QCOMPARE(etapes, (QStringList{"Fleche 12.5", "DiedreMm -0.75"}));
        QCOMPARE(fleche, 12.5f);
    }

    void texteSaisie_data() {
        tests::Colonnes<double, QString>("valeur", "texte");
        QTest::newRow("float precision") << 100.01000165939331 << "100.01";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("small, no exponent") << 0.00001 << "0.00001";
        QTest::newRow("product rounding hidden") << 120.00000476837158 << "120";
    }
    // Texts the fields accept and read back as the same float.
    void texteSaisie() {
        QFETCH(double, valeur);
        QFETCH(QString, texte);
        QCOMPARE(TexteSaisieKerfex(valeur), texte);
        QString copie = texte;
        QVERIFY(EstNombreDecimal(copie));
        QVERIFY(qAbs(ValeurSaisieReelle(texte) - float(valeur)) <= 1e-5f * qAbs(float(valeur)));
    }
};

GALBIX_TEST_MAIN(TestImportKf)
#include "tst_importkf.moc"
