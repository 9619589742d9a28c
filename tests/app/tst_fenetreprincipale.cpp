// The main window on the offscreen platform: start-up with and without a settings file,
// window state and geometry kept across runs, the commands switched as a whole, closing a
// contour, the exit question, help, and the layout when the window is resized.
#include "common/DialoguesScript.h"
#include "common/DossierProgrammeTemporaire.h"
#include "common/TestMain.h"

#include "app/DossierProgramme.h"
#include "app/FenetrePrincipale.h"
#include "files/Reglages.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace galbix;

Q_DECLARE_METATYPE(ReponseMessage)

namespace {

QStringList Lignes(const QString& fichier)
{
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lignes = QString::fromLatin1(f.readAll()).split(QRegularExpression(QStringLiteral("\r?\n")));
    lignes.removeAll(QString());
    return lignes;
}

QSize TailleConception()
{
    const QScreen* ecran = QGuiApplication::primaryScreen();
    return {TwipsVersPixels(LargeurConception, ecran->logicalDotsPerInchX()),
            TwipsVersPixels(HauteurConception, ecran->logicalDotsPerInchY())};
}

std::vector<PointProfil> Points(const QList<QPointF>& liste)
{
    std::vector<PointProfil> points;
    for (const QPointF& p : liste)
        points.push_back({float(p.x()), float(p.y()), 0});
    return points;
}

// Shows the window and lets it settle (exposure, then the outer-size correction).
bool Montrer(QWidget& fenetre)
{
    fenetre.show();
    if (!QTest::qWaitForWindowExposed(&fenetre))
        return false;
    QTest::qWait(20);
    return true;
}

} // namespace

class TestFenetrePrincipale : public QObject {
    Q_OBJECT

    std::unique_ptr<galbix::tests::DossierProgrammeTemporaire> m_dossier;

    QString Ini() const { return m_dossier->filePath(NomFichierReglages); }
    QString Dossier() const { return QDir::toNativeSeparators(m_dossier->path()); }

    void EcrireIni(const QByteArray& contenu) const
    {
        QFile f(Ini());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    }

private slots:
    void init()
    {
        m_dossier = std::make_unique<galbix::tests::DossierProgrammeTemporaire>();
    }
    void cleanup()
    {
        m_dossier.reset();
    }

    void premierDemarrage()
    {
        DialoguesScript dialogues;
        FenetrePrincipale fenetre(dialogues);
        QVERIFY(!QFile::exists(Ini()));
        fenetre.Charger(QString());
        QCOMPARE(Lignes(Ini()), (QStringList{
            QStringLiteral("[Fenêtre]"), QStringLiteral("Left=0"), QStringLiteral("Top=0"),
            QStringLiteral("Width=15525"), QStringLiteral("Height=10965"), QStringLiteral("WindowState=0"),
            QStringLiteral("[Fichiers]"), QStringLiteral("Sauvegarde=") + Dossier(),
            QStringLiteral("Ouverture=") + Dossier()}));
        QCOMPARE(fenetre.Session().DossierSauvegarde, Dossier());
        QCOMPARE(fenetre.Session().DossierOuverture, Dossier());
        QVERIFY(dialogues.messages.empty());
        QVERIFY(!fenetre.Session().ProjetOuvert);

        QVERIFY(Montrer(fenetre));
        // The designed size, within the screen's area when the screen is smaller.
        const QRect zone = fenetre.screen()->availableGeometry();
        const QRect attendu = QRect(zone.topLeft(), TailleConception().boundedTo(zone.size()));
        QCOMPARE(fenetre.frameGeometry(), attendu);
        // At the designed size every control is in view: there is nothing to scroll.
        const auto* defilement = fenetre.findChild<QScrollArea*>(QStringLiteral("defilementFenetre"));
        QVERIFY(defilement);
        if (attendu.size() == TailleConception()) {
            QCOMPARE(defilement->horizontalScrollBar()->maximum(), 0);
            QCOMPARE(defilement->verticalScrollBar()->maximum(), 0);
        }
    }

    void valeursInitiales_data()
    {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("texte");
        for (const char* nom : {"txtFleche", "txtEcartementZ", "txtEcartementIntermediaire", "txtDiedreMm",
                                "txtDiedreDeg", "txtCorde_0", "txtCorde_1", "txtDeplacer_0", "txtDeplacer_1",
                                "txtTourner", "txtDecaler", "txtEcartementAiles"})
            QTest::newRow(nom) << nom << "0.0";
        for (const char* nom : {"txtEtirer_0", "txtEtirer_1", "txtEtirer_2"})
            QTest::newRow(nom) << nom << "100.0";
    }
    void valeursInitiales()
    {
        QFETCH(QString, champ);
        QFETCH(QString, texte);
        DialoguesScript dialogues;
        FenetrePrincipale fenetre(dialogues);
        auto* ligne = fenetre.findChild<QLineEdit*>(champ);
        QVERIFY(ligne);
        ligne->setText(QStringLiteral("12,5"));
        fenetre.Charger(QString());
        QCOMPARE(ligne->text(), texte);
    }

    void etatInitialDesControles()
    {
        DialoguesScript dialogues;
        FenetrePrincipale fenetre(dialogues);
        const ControlesFenetre& c = fenetre.Controles();
        c.lblNomFichier[CoteE]->setText(QStringLiteral("ancien.dat"));
        c.lblNumPt[CoteS][4]->setText(QStringLiteral("12"));
        c.lblCoordPt[CoteE][9]->setText(QStringLiteral("3.5"));
        c.optSelection[2]->setChecked(true);
        c.chkVoirCommentaires->setChecked(true);
        fenetre.Session().Edition.ModeSelection = EtatSynchro;
        fenetre.Session().ProjetOuvert = true;
        fenetre.Charger(QString());
        QVERIFY(c.lblNomFichier[CoteE]->text().isEmpty());
        QVERIFY(c.lblNumPt[CoteS][4]->text().isEmpty());
        QVERIFY(c.lblCoordPt[CoteE][9]->text().isEmpty());
        QVERIFY(c.optSelection[0]->isChecked());
        QCOMPARE(fenetre.Session().Edition.ModeSelection, EtatSelection);
        QVERIFY(!fenetre.Session().ProjetOuvert);
        QVERIFY(!c.chkVoirCommentaires->isChecked());
        QVERIFY(c.txtCommentaire->isHidden());
        QVERIFY(c.txtTitreCommentaire->isHidden());
        QVERIFY(c.lblInsertionProfils->isHidden());
        for (const auto& barres : c.vscPoints)
            for (const QScrollBar* barre : barres)
                QVERIFY(barre->isHidden());
        QCOMPARE(c.hscZoom->value(), 10000);
        QCOMPARE(c.hscOmega->value(), 120);
        QCOMPARE(c.hscAlpha->value(), 143);
    }

    void etatAgrandi()
    {
        const QByteArray contenu = "[Fen\xeatre]\r\nLeft=1500\r\nTop=750\r\nWidth=18000\r\nHeight=12000\r\n"
                                   "WindowState=2\r\n[Fichiers]\r\nSauvegarde=/s\r\nOuverture=/o\r\n";
        EcrireIni(contenu);
        DialoguesScript dialogues;
        FenetrePrincipale fenetre(dialogues);
        fenetre.Charger(QString());
        QVERIFY(fenetre.windowState().testFlag(Qt::WindowMaximized));
        QVERIFY(fenetre.pos() != QPoint(100, 50));
        QCOMPARE(fenetre.Session().DossierOuverture, QStringLiteral("/o"));
        QVERIFY(Montrer(fenetre));
        QVERIFY(fenetre.close());
        // Closed while maximised: the normal geometry stays as it was.
        QCOMPARE(Lignes(Ini()), QString::fromLatin1(contenu).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts));
    }

    void geometrieStockee_data()
    {
        QTest::addColumn<QByteArray>("fenetre");
        QTest::addColumn<QRect>("cadre");
        QTest::newRow("valeurs lues en twips")
            << QByteArray("Left=1500\r\nTop=750\r\nWidth=9000\r\nHeight=7500\r\n") << QRect(100, 50, 600, 500);
        QTest::newRow("taille nulle: taille utilisable")
            << QByteArray("Left=150\r\nTop=150\r\nWidth=0\r\nHeight=abc\r\n") << QRect(10, 10, 240, 160);
        QTest::newRow("hors de tout écran: ramenée en haut à gauche")
            << QByteArray("Left=15000000\r\nTop=-9000000\r\nWidth=9000\r\nHeight=7500\r\n") << QRect(0, 0, 600, 500);
    }
    void geometrieStockee()
    {
        QFETCH(QByteArray, fenetre);
        QFETCH(QRect, cadre);
        EcrireIni("[Fen\xeatre]\r\n" + fenetre + "WindowState=0\r\n");
        DialoguesScript dialogues;
        FenetrePrincipale fenetrePrincipale(dialogues);
        fenetrePrincipale.Charger(QString());
        QVERIFY(Montrer(fenetrePrincipale));
        QTRY_COMPARE(fenetrePrincipale.frameGeometry(), cadre);
    }

    void allerRetourGeometrie_data()
    {
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QSize>("taille");
        QTest::newRow("plus grande") << QPoint(30, 45) << QSize(1100, 800);
        QTest::newRow("plus petite que la conception") << QPoint(12, 3) << QSize(700, 500);
    }
    void allerRetourGeometrie()
    {
        QFETCH(QPoint, position);
        QFETCH(QSize, taille);
        DialoguesScript dialogues;
        QRect cadre;
        {
            FenetrePrincipale fenetre(dialogues);
            fenetre.Charger(QString());
            QVERIFY(Montrer(fenetre));
            fenetre.move(position);
            fenetre.resize(taille);
            QTest::qWait(20);
            cadre = fenetre.frameGeometry();
            QVERIFY(fenetre.close());
        }
        QVERIFY(Lignes(Ini()).contains(QStringLiteral("WindowState=0")));
        FenetrePrincipale suivante(dialogues);
        suivante.Charger(QString());
        QVERIFY(Montrer(suivante));
        QTRY_COMPARE(suivante.frameGeometry(), cadre);
    }

    void commandes_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("auDemarrage");
        QTest::addColumn<bool>("apresActivation");
        QTest::addColumn<bool>("apresDesactivation");
        const char* basculees[] = {
            "vscPointsE_0", "vscPointsE_1", "vscPointsS_0", "vscPointsS_1", "txtCorde_0", "txtCorde_1",
            "chkAfficherProfil_0", "chkAfficherProfil_1", "chkAfficherPoints_0", "chkAfficherPoints_1",
            "txtDeplacer_0", "txtDeplacer_1", "cmdRAZSelection_0", "cmdRAZSelection_1", "frmPoints_0", "frmPoints_1",
            "cmdSauveProfil_0", "cmdSauveProfil_1", "cmdSauveProfil_2", "cmdSelectAll_0", "cmdSelectAll_1",
            "cmdSelectionAngle_0", "cmdSelectionAngle_1", "cmdUndo_0", "cmdUndo_1", "cmdFermerProfil_0",
            "cmdFermerProfil_1", "cmdDupliquer_0", "cmdDupliquer_1", "chkImageFond", "cmdRenumeroter",
            "chkProfilIntermediaire", "optSelection_0", "optSelection_1", "optSelection_2", "pctProfils",
            "txtTourner", "chkFil", "chkSurface", "chkAligner", "hscOmega", "hscAlpha", "cmdRAZPerspective",
            "cmdRAZVueCote", "cmdZoom", "lblZoom", "hscZoom", "txtEtirer_0", "txtEtirer_1", "txtEtirer_2",
            "cmdSelectionAuto_0", "cmdSelectionAuto_1", "cmdSelectionAuto_2", "cmdSelectionAuto_3",
            "chkZoomSelection", "txtFleche", "txtEcartementZ", "chkDiedre_0", "chkDiedre_1", "chkDiedre_2",
            "chkDiedre_3", "chkDiedre_4", "txtDiedreMm", "txtDiedreDeg", "txtEcartementAiles", "txtDecaler",
            "cmdOuvrirProfil_1", "cmdNaca_1", "frmOuvrirSaumon", "cmdSynchroOptimale", "cmdNettoyage", "txtCommentaire",
            "txtTitreCommentaire", "chkVoirCommentaires", "cmdAide", "cmdTransfertKerfex"};
        for (const char* nom : basculees)
            QTest::newRow(nom) << nom << false << true << false;
        const char* desactiveesSeulement[] = {
            "cmdCopier", "cmdCouper", "cmdColler", "cmdSupprimer", "cmdInsererPoint", "cmdIntersection",
            "cmdInverserSelection", "cmdLisser", "cmdSymetrie_0", "cmdSymetrie_1", "chkFleche_0", "chkFleche_1",
            "chkFleche_2", "chkInsertionProfils", "txtEcartementIntermediaire", "cmdSauveProfil_3"};
        for (const char* nom : desactiveesSeulement)
            QTest::newRow(nom) << nom << false << false << false;
        for (const char* nom : {"cmdOuvrirProfil_0", "cmdNaca_0", "frmOuvrirEmplanture", "lblNomFichier_0", "cmdImportKerfex",
                                "frmTransfertKerfex", "cmdAPropos", "frmSynchroniser"})
            QTest::newRow(nom) << nom << true << true << true;
    }
    void commandes()
    {
        QFETCH(QString, nom);
        QFETCH(bool, auDemarrage);
        QFETCH(bool, apresActivation);
        QFETCH(bool, apresDesactivation);
        EcrireIni("[Fichiers]\r\nOuverture=/o\r\n");  // an existing file: start-up only reads it
        DialoguesScript dialogues;
        FenetrePrincipale fenetre(dialogues);
        const QWidget* controle = fenetre.findChild<QWidget*>(nom);
        QVERIFY2(controle, qPrintable(nom));
        fenetre.Charger(QString());
        QCOMPARE(controle->isEnabled(), auDemarrage);
        fenetre.ActiverCommandes();
        QCOMPARE(controle->isEnabled(), apresActivation);
        fenetre.DesactiverCommandes();
        QCOMPARE(controle->isEnabled(), apresDesactivation);
    }

    void fermerProfil_data()
    {
        QTest::addColumn<int>("cote");
        QTest::addColumn<QList<QPointF>>("pointsE");
        QTest::addColumn<QList<QPointF>>("pointsS");
        QTest::addColumn<int>("nbE");
        QTest::addColumn<int>("nbS");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("filDisponible");
        const QList<QPointF> ouvert = {{0, 0}, {100, 5}, {50, -5}};
        const QList<QPointF> ferme = {{0, 0}, {100, 5}, {50, -5}, {0, 0}};
        QTest::newRow("emplanture ouverte") << 0 << ouvert << ouvert << 4 << 3 << QString() << false;
        QTest::newRow("emplanture fermée") << 0 << ferme << ferme << 4 << 4
                                            << "Le profil d'emplanture est déjà fermé" << true;
        QTest::newRow("saumon ouvert") << 1 << ferme << ouvert << 4 << 4 << QString() << true;
        QTest::newRow("saumon fermé") << 1 << ouvert << ferme << 3 << 4 << "Le profil de saumon est déjà fermé"
                                       << false;
        QTest::newRow("même X, Y différent: ouvert")
            << 0 << QList<QPointF>{{0, 0}, {100, 5}, {0, 1}} << ouvert << 4 << 3 << QString() << false;
        QTest::newRow("même Y, X différent: ouvert")
            << 1 << ouvert << QList<QPointF>{{0, 0}, {100, 5}, {1, 0}} << 3 << 4 << QString() << false;
    }
    void fermerProfil()
    {
        QFETCH(int, cote);
        QFETCH(QList<QPointF>, pointsE);
        QFETCH(QList<QPointF>, pointsS);
        QFETCH(int, nbE);
        QFETCH(int, nbS);
        QFETCH(QString, message);
        QFETCH(bool, filDisponible);
        DialoguesScript dialogues;
        FenetrePrincipale fenetre(dialogues);
        fenetre.Charger(QString());
        fenetre.ActiverCommandes();
        CoupleProfils& profils = fenetre.Session().Profils;
        profils.PointsE = Points(pointsE);
        profils.PointsS = Points(pointsS);
        profils.Points(cote).front().Etat = EtatReference | EtatSynchro;
        const PointProfil premier = profils.Points(cote).front();
        const std::vector<PointProfil> autreAvant = profils.Points(1 - cote);

        fenetre.Controles().cmdFermerProfil[cote]->click();

        QCOMPARE(profils.NbPointsE(), nbE);
        QCOMPARE(profils.NbPointsS(), nbS);
        QVERIFY(profils.Points(1 - cote) == autreAvant);
        QCOMPARE(profils.LargeurE, 100.0f);  // the metrics are recomputed in every case
        QCOMPARE(fenetre.Controles().chkFil->isEnabled(), filDisponible);
        QCOMPARE(fenetre.Controles().chkSurface->isEnabled(), filDisponible);
        QVERIFY(!fenetre.Session().Edition.BlocageUndo);
        if (message.isEmpty()) {
            QVERIFY(profils.Points(cote).back() == premier);  // a copy of the first point, state included
            QVERIFY(dialogues.messages.empty());
            return;
        }
        QCOMPARE(dialogues.messages.size(), size_t(1));
        QCOMPARE(dialogues.messages[0].titre, QStringLiteral("Opération impossible"));
        QCOMPARE(dialogues.messages[0].texte, message);
        QCOMPARE(dialogues.messages[0].icone, IconeMessage::Information);
        QCOMPARE(dialogues.messages[0].boutons, BoutonsMessage::Ok);
    }

    void questionSortie_data()
    {
        QTest::addColumn<bool>("projetOuvert");
        QTest::addColumn<ReponseMessage>("reponse");
        QTest::addColumn<QString>("fichier"); // chosen in the save dialog; empty: cancelled
        QTest::addColumn<bool>("fermee");
        QTest::newRow("rien de chargé: aucune question") << false << ReponseMessage::Annuler << QString() << true;
        QTest::newRow("Oui, projet enregistré") << true << ReponseMessage::Oui << "fin.gbx" << true;
        QTest::newRow("Oui, enregistrement annulé") << true << ReponseMessage::Oui << QString() << false;
        QTest::newRow("Oui, écriture impossible") << true << ReponseMessage::Oui << "absent/fin.gbx" << false;
        QTest::newRow("Non") << true << ReponseMessage::Non << QString() << true;
        QTest::newRow("Annuler") << true << ReponseMessage::Annuler << QString() << false;
    }
    void questionSortie()
    {
        QFETCH(bool, projetOuvert);
        QFETCH(ReponseMessage, reponse);
        QFETCH(QString, fichier);
        QFETCH(bool, fermee);
        DialoguesScript dialogues;
        FenetrePrincipale fenetre(dialogues);
        fenetre.Charger(QString());
        QVERIFY(Montrer(fenetre));
        fenetre.Session().ProjetOuvert = projetOuvert;
        fenetre.Session().DossierOuverture = QStringLiteral("/profils/nouveaux");
        dialogues.reponses.push_back(reponse);
        if (!fichier.isEmpty())
            dialogues.fichiers.push_back(ChoixFichier{false, m_dossier->filePath(fichier), 1});

        QCOMPARE(fenetre.close(), fermee);

        QCOMPARE(fenetre.isVisible(), !fermee);
        QCOMPARE(Lignes(Ini()).contains(QStringLiteral("Ouverture=/profils/nouveaux")), fermee);
        QCOMPARE(dialogues.messages.size(), size_t(projetOuvert ? 1 : 0));
        if (!fichier.isEmpty())
            QCOMPARE(QFile::exists(m_dossier->filePath(fichier)), fermee);
        if (!projetOuvert)
            return;
        QCOMPARE(dialogues.messages[0].titre, QStringLiteral("Fermeture de Galbix"));
        QCOMPARE(dialogues.messages[0].texte, QStringLiteral("Voulez-vous effectuer une sauvegarde du projet en cours?"));
        QCOMPARE(dialogues.messages[0].icone, IconeMessage::Exclamation);
        QCOMPARE(dialogues.messages[0].boutons, BoutonsMessage::OuiNonAnnuler);
    }

    // Captions beside picture buttons follow their buttons; every picture button has a hint.
    void legendesEtBulles()
    {
        DialoguesScript dialogues;
        FenetrePrincipale fenetre(dialogues);
        fenetre.Charger(QString());
        const ControlesFenetre& c = fenetre.Controles();
        const auto legende = [&](const QString& texte) {
            for (QLabel* l : fenetre.findChildren<QLabel*>())
                if (l->text() == texte)
                    return l;
            return static_cast<QLabel*>(nullptr);
        };
        const std::pair<QString, QWidget*> paires[] = {{QStringLiteral("Points réf."), c.chkAligner},
                                                       {QStringLiteral("Image de fond"), c.chkImageFond}};
        for (const auto& [texte, bouton] : paires) {
            QLabel* l = legende(texte);
            QVERIFY2(l, qPrintable(texte));
            for (bool actif : {false, true, false}) {
                bouton->setEnabled(actif);
                QCOMPARE(l->isEnabled(), actif);
            }
        }
        for (const QToolButton* b : fenetre.findChildren<QToolButton*>())
            if (!b->icon().isNull())
                QVERIFY2(!b->toolTip().trimmed().isEmpty(), qPrintable(b->objectName()));
    }

    void miseEnPage_data()
    {
        QTest::addColumn<QSize>("ecart");
        QTest::addColumn<int>("deplacement");
        QTest::addColumn<QSize>("croissance");
        QTest::newRow("taille de conception") << QSize(0, 0) << 0 << QSize(0, 0);
        QTest::newRow("un pixel plus large") << QSize(1, 0) << 1 << QSize(1, 0);
        QTest::newRow("plus large") << QSize(150, 0) << 150 << QSize(150, 0);
        QTest::newRow("plus haute") << QSize(0, 100) << 0 << QSize(0, 100);
        QTest::newRow("plus petite: rien ne bouge") << QSize(-100, -60) << 0 << QSize(0, 0);
        QTest::newRow("plus large mais plus basse") << QSize(120, -60) << 120 << QSize(120, 0);
    }
    void miseEnPage()
    {
        QFETCH(QSize, ecart);
        QFETCH(int, deplacement);
        QFETCH(QSize, croissance);
        // The designed size from the settings file, whatever the size of the test screen.
        EcrireIni("[Fen\xeatre]\r\nLeft=0\r\nTop=0\r\nWidth=15525\r\nHeight=10965\r\nWindowState=0\r\n");
        DialoguesScript dialogues;
        FenetrePrincipale fenetre(dialogues);
        fenetre.Charger(QString());
        QVERIFY(Montrer(fenetre));
        const QWidget* contenu = fenetre.findChild<QWidget*>(QStringLiteral("contenuFenetre"));
        QVERIFY(contenu);
        const QStringList aDroite = {"frmAligner", "frmDiedre", "frmVisu", "frmImage", "frmAiles",
                                     "frmFleche", "frmEcartement", "cmdRAZPerspective", "hscOmega", "cmdAide"};
        const QStringList fixes = {"frmOuvrirEmplanture", "frmOuvrirSaumon", "frmSelection", "frmEtirer",
                                   "frmDecaler", "pctProfils", "chkVoirCommentaires"};
        const auto positions = [&](const QStringList& noms) {
            QList<QPoint> liste;
            for (const QString& nom : noms)
                liste << fenetre.findChild<QWidget*>(nom)->mapTo(contenu, QPoint(0, 0));
            return liste;
        };
        const QList<QPoint> droiteAvant = positions(aDroite);
        const QList<QPoint> fixesAvant = positions(fixes);
        const QSize dessinAvant = fenetre.Controles().pctProfils->size();

        fenetre.resize(fenetre.size() + ecart);
        QTest::qWait(20);

        // A vertical scroll bar, shown when the window is lower than designed, takes its width
        // from the right edge.
        const auto* defilement = fenetre.findChild<QScrollArea*>(QStringLiteral("defilementFenetre"));
        const QScrollBar* barre = defilement->verticalScrollBar();
        const int largeurBarre = barre->isVisible() && deplacement > 0 ? barre->width() : 0;
        const QList<QPoint> droiteApres = positions(aDroite);
        for (qsizetype i = 0; i < aDroite.size(); ++i)
            QCOMPARE(droiteApres[i] - droiteAvant[i], QPoint(deplacement - largeurBarre, 0));
        QCOMPARE(positions(fixes), fixesAvant);
        QCOMPARE(fenetre.Controles().pctProfils->size() - dessinAvant, croissance - QSize(largeurBarre, 0));
    }
};

GALBIX_GUI_TEST_MAIN(TestFenetrePrincipale)
#include "tst_fenetreprincipale.moc"
