// The main window's open command on a drawing of several contours: the sequence window opens
// for the side being loaded, and what it hands back (or not) is what gets loaded.
#include "common/DialoguesScript.h"
#include "common/DessinDxf.h"
#include "common/DossierProgrammeTemporaire.h"
#include "common/TestMain.h"

#include "app/FenetrePrincipale.h"
#include "app/SessionEdition.h"
#include "sequences/ui/FenetreSequences.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace galbix;

class TestOuvertureSequences : public QObject {
    Q_OBJECT

    std::unique_ptr<tests::DossierProgrammeTemporaire> m_dossier;

    QString Dessin(const QString& nom, const std::vector<tests::ContourDxf>& contours) {
        const QString chemin = m_dossier->filePath(nom);
        return tests::EcrireDxf(chemin, contours) ? chemin : QString();
    }

private slots:
    void init() { m_dossier = std::make_unique<tests::DossierProgrammeTemporaire>(); }
    void cleanup() { m_dossier.reset(); }

    // Root: a rib of three contours, all inserted one after the other and validated, loads one
    // path on both sides; closing the window empty loads nothing.
    void emplanture_data() {
        QTest::addColumn<bool>("valider");
        QTest::newRow("assemblage validé") << true;
        QTest::newRow("fermée vide") << false;
    }
    void emplanture() {
        QFETCH(bool, valider);
        DialoguesScript dialogues;
        FenetrePrincipale fenetre(dialogues);
        fenetre.Charger(QString());
        const QString chemin = Dessin(QStringLiteral("nervure.dxf"), tests::Nervure(200.0, 2));
        QVERIFY(!chemin.isEmpty());
        int appels = 0, contours = 0, cote = -1;
        fenetre.ExecuterSequences = [&](FenetreSequences& f) {
            ++appels;
            contours = int(f.Sequences().size());
            cote = f.Cote();
            if (valider) {
                f.Controles().cmdSelectionSequence[0]->click();
                f.Controles().cmdInsererSequence[0]->click();
                f.Controles().cmdValiderSequence->click();
            } else {
                f.reject();
            }
        };
        dialogues.fichiers.push_back({false, chemin, 6});
        fenetre.Controles().cmdOuvrirProfil[CoteE]->click();
        QCOMPARE(QList<int>({appels, contours, cote}), QList<int>({1, 3, CoteE}));
        const SessionEdition& s = fenetre.Session();
        QCOMPARE(s.ProjetOuvert, valider);
        if (valider) {
            QVERIFY(s.Profils.NbPointsE() > 2 * 24);
            QCOMPARE(s.Profils.PointsE, s.Profils.PointsS);
            // Two holes of diameter 14 placed left of the rib, a tenth of their width apart.
            QVERIFY(std::fabs(s.Profils.LargeurE - (200.0f + 2 * 14.0f * 1.1f)) < 0.05f);
            QCOMPARE(fenetre.Controles().lblNomFichier[CoteE]->text(), QStringLiteral("nervure.dxf"));
        } else {
            QCOMPARE(s.Profils.NbPointsE(), 0);
            QVERIFY(fenetre.Controles().lblNomFichier[CoteE]->text().isEmpty());
        }
    }

    // Tip: a drawing of one contour opens directly; a drawing of two opens the window for side S
    // and its assembly replaces only the tip.
    void saumon() {
        DialoguesScript dialogues;
        FenetrePrincipale fenetre(dialogues);
        fenetre.Charger(QString());
        int appels = 0;
        fenetre.ExecuterSequences = [&](FenetreSequences& f) {
            ++appels;
            QCOMPARE(f.Cote(), CoteS);
            f.Controles().cmdSelectionSequence[0]->click();
            f.Controles().cmdQuelquesSequences->click();
            f.Controles().cmdValiderSequence->click();
        };
        const QString racine = Dessin(QStringLiteral("racine.dxf"), tests::Nervure(150.0, 0));
        dialogues.fichiers.push_back({false, racine, 6});
        fenetre.Controles().cmdOuvrirProfil[CoteE]->click();
        QCOMPARE(appels, 0);
        QVERIFY(fenetre.Session().ProjetOuvert);
        const std::vector<PointProfil> pointsE = fenetre.Session().Profils.PointsE;
        dialogues.fichiers.push_back({false, Dessin(QStringLiteral("bout.dxf"), tests::Nervure(100.0, 1)), 4});
        fenetre.Controles().cmdOuvrirProfil[CoteS]->click();
        QCOMPARE(appels, 1);
        QCOMPARE(fenetre.Session().Profils.PointsE, pointsE);
        QVERIFY(fenetre.Session().Profils.PointsS != pointsE);
        QCOMPARE(fenetre.Controles().lblNomFichier[CoteS]->text(), QStringLiteral("bout.dxf"));
    }
};

GALBIX_GUI_TEST_MAIN(TestOuvertureSequences)
#include "tst_ouverture_sequences.moc"
