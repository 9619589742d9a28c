// The sequence window driven as a user would: opening state, commands and their enabling,
// the gestures in both views, the held buttons, the own open command, and the write-back.
#include "view/ui/FenetreAide.h"
#include "common/DialoguesScript.h"
#include "common/DossierProgrammeTemporaire.h"
#include "common/DessinDxf.h"
#include "common/Colonnes.h"
#include "common/Octets.h"
#include "common/TestMain.h"
#include "sequences/Fabrique.h"
#include "sequences/ui/FenetreSequences.h"
#include "sequences/ui/RepetitionBouton.h"
#include "sequences/ui/VueSequences.h"
#include "view/EtatVue.h"
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

using namespace galbix;

namespace {

// Three contours: closed square 0..10, closed square 20..30 (both from their lower left
// corner, counter-clockwise), open triangle 40..50.
TamponLecture TroisContours() {
    return essai::Tampon({essai::Carre(0, 0, 10), essai::Carre(20, 0, 10), essai::Contour({{40, 0}, {50, 0}, {45, 8}})});
}

void Souris(QWidget* w, QEvent::Type type, QPointF pixel, Qt::MouseButton bouton, Qt::MouseButtons boutons,
            Qt::KeyboardModifiers touches = Qt::NoModifier) {
    QMouseEvent e(type, pixel, w->mapToGlobal(pixel), bouton, boutons, touches);
    QCoreApplication::sendEvent(w, &e);
}

// A press, a move and a release of the left button from `a` to `b` (pixels).
void Glisser(QWidget* w, QPointF a, QPointF b, Qt::KeyboardModifiers touches = Qt::NoModifier) {
    Souris(w, QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton, touches);
    Souris(w, QEvent::MouseMove, (a + b) / 2, Qt::NoButton, Qt::LeftButton, touches);
    Souris(w, QEvent::MouseMove, b, Qt::NoButton, Qt::LeftButton, touches);
    Souris(w, QEvent::MouseButtonRelease, b, Qt::LeftButton, Qt::NoButton, touches);
}

QPointF Pixel(double u, double v) { return {u / TwipsParPixel, v / TwipsParPixel}; }

QPointF Centre(const Sequence& e) { return Pixel((e.Xmin + e.Xmax) / 2.0, (e.Ymin + e.Ymax) / 2.0); }


} // namespace

class TestFenetreSequences : public QObject {
    Q_OBJECT

    std::unique_ptr<tests::DossierProgrammeTemporaire> m_dossier;
    DialoguesScript m_dialogues;
    TamponLecture m_tampon;
    std::unique_ptr<FenetreSequences> m_f;

    // The window on the three contours, the first `assembles` of them taken into the assembly.
    void Ouvrir(int assembles = 0) {
        m_tampon = TroisContours();
        m_f = std::make_unique<FenetreSequences>(m_dialogues, m_tampon, CoteE, m_dossier->filePath("Galbix.ini"),
                                                 m_dossier->path());
        m_f->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_f.get()));
        if (assembles > 0)
            Assembler(assembles);
    }
    const ControlesSequences& c() const { return m_f->Controles(); }
    // A click at the centre of contour k of the upper view, or of the assembly with `assemblage`.
    void Cliquer(size_t k, bool assemblage = false) {
        const Sequence e = assemblage ? m_f->SequencesFinalesEcran()[k] : m_f->SequencesEcran()[k];
        Glisser(assemblage ? c().pctSequencesFinal : c().pctSequences, Centre(e), Centre(e));
    }
    // The first contours of the file taken into the assembly, the first one selected.
    void Assembler(int nombre) {
        for (int k = 0; k < nombre; ++k)
            Cliquer(size_t(k));
        QCOMPARE(NombreSelectionnees(m_f->Sequences()), nombre);
        c().cmdQuelquesSequences->click();
        QCOMPARE(int(m_f->SequencesFinales().size()), nombre);
    }

private slots:
    void init() {
        m_dossier = std::make_unique<tests::DossierProgrammeTemporaire>();
        m_dialogues = DialoguesScript{};
    }
    void cleanup() { m_f.reset(); m_dossier.reset(); }

    void ouverture() {
        Ouvrir();
        QCOMPARE(int(m_f->Sequences().size()), 3);
        QVERIFY(!c().vscSequencesFinal->isVisible() && !c().cmdValiderSequence->isEnabled());
        QVERIFY(!c().cmdRotation90->isEnabled() && c().cmdSelectionSequence[0]->isEnabled());
        const auto textes = [](const auto& etiquettes) {
            QStringList t;
            for (const QLabel* l : etiquettes)
                t << l->text();
            return t.join(u',');
        };
        QCOMPARE(textes(c().lblNumSequence), QStringLiteral(",,1,2,3"));
        QCOMPARE(textes(c().lblNumSequenceFinal), QStringLiteral(",,,,"));
        QVERIFY(!c().lblAideSequences->isVisible());
        c().chkAideSequences->setChecked(true);
        QVERIFY(c().lblAideSequences->isVisible());
        // Everything fits in the upper view within its margin.
        for (const Sequence& e : m_f->SequencesEcran())
            QVERIFY(e.Xmin >= cadrage::MargeHaut - 1 && e.Xmax <= m_f->CadrageHaut().W - cadrage::MargeHaut + 1
                    && e.Ymin >= cadrage::MargeHaut - 1 && e.Ymax <= m_f->CadrageHaut().H - cadrage::MargeHaut + 1);
    }

    // Rectangle around contours 1 and 2 with 1 selected swaps them; a rectangle cutting
    // through contour 3 leaves it; a label click toggles its entry.
    void selectionHaut() {
        Ouvrir();
        Cliquer(0);
        QCOMPARE(essai::Choix(m_f->Sequences()), QStringLiteral("100"));
        QVERIFY(c().cmdRotation90->isEnabled() && c().cmdInsererSequence[0]->isEnabled());
        const Sequence &a = m_f->SequencesEcran()[0], &b = m_f->SequencesEcran()[1];
        Glisser(c().pctSequences, Pixel(a.Xmin - 60, a.Ymin - 60), Pixel(b.Xmax + 60, b.Ymax + 60));
        QCOMPARE(essai::Choix(m_f->Sequences()), QStringLiteral("010"));
        const Sequence& t = m_f->SequencesEcran()[2];
        Glisser(c().pctSequences, Pixel(t.Xmin - 60, t.Ymin - 60), Pixel((t.Xmin + t.Xmax) / 2, t.Ymax + 60));
        QCOMPARE(essai::Choix(m_f->Sequences()), QStringLiteral("010"));
        QTest::mouseClick(c().lblNumSequence[4], Qt::LeftButton);
        QCOMPARE(essai::Choix(m_f->Sequences()), QStringLiteral("011"));
        QTest::mouseClick(c().lblNumSequence[0], Qt::LeftButton); // no entry there
        QCOMPARE(essai::Choix(m_f->Sequences()), QStringLiteral("011"));
        QCOMPARE(c().lblNumSequence[4]->styleSheet() == c().lblNumSequence[2]->styleSheet(), false);
    }

    // Taking two contours, linking them by a one-point contour, then inserting the third
    // after the selected one. A lower click acts as a 100 x 100 square: inside a large
    // contour it toggles it; near a one-point contour it encloses it.
    void assemblageEtClicBas() {
        Ouvrir(2);
        QVERIFY(c().vscSequencesFinal->isVisible() && c().vscSequencesFinal->maximum() == 2);
        QVERIFY(c().cmdValiderSequence->isEnabled() && !c().cmdQuelquesSequences->isEnabled());
        QCOMPARE(essai::Choix(m_f->SequencesFinales()), QStringLiteral("00"));
        Cliquer(1, true);
        Cliquer(0, true);
        QCOMPARE(essai::Choix(m_f->SequencesFinales()), QStringLiteral("11"));
        QVERIFY(c().cmdInsererPointSequence->isEnabled());
        c().cmdInsererPointSequence->click();
        QCOMPARE(essai::Choix(m_f->SequencesFinales()), QStringLiteral("101"));
        QCOMPARE(m_f->SequencesFinales()[1].Points.front(), (PointSequence{10, 0, 0}));
        const PointSequence lien = m_f->SequencesFinalesEcran()[1].Points.front();
        Glisser(c().pctSequencesFinal, Pixel(lien.X + 30, lien.Y - 30), Pixel(lien.X + 30, lien.Y - 30));
        QCOMPARE(essai::Choix(m_f->SequencesFinales()), QStringLiteral("111"));
        c().cmdSelectionSequenceFinal[1]->click();
        QTest::mouseClick(c().lblNumSequenceFinal[2], Qt::LeftButton); // entry 1
        QCOMPARE(essai::Choix(m_f->SequencesFinales()), QStringLiteral("100"));

        Cliquer(2);
        QVERIFY(c().cmdInsererSequence[0]->isEnabled());
        c().cmdInsererSequence[0]->click();
        QCOMPARE(int(m_f->SequencesFinales().size()), 4);
        QCOMPARE(essai::Choix(m_f->SequencesFinales()), QStringLiteral("0100"));
        QVERIFY(c().vscSequencesFinal->value() == 2 && c().vscSequencesFinal->maximum() == 4);
        QCOMPARE(m_f->EtatsUndo(), 3);
        c().cmdUndoSequence->click();
        QCOMPARE(int(m_f->SequencesFinales().size()), 3);
        c().cmdUndoSequence->click();
        QCOMPARE(int(m_f->SequencesFinales().size()), 2);
        QVERIFY(!c().cmdUndoSequence->isEnabled());
    }

    // Ctrl-drag moves the selected contours by the travel over the scale, at the release only.
    void glissementCtrl() {
        Ouvrir(2);
        c().cmdSelectionSequenceFinal[1]->click();
        QTest::mouseClick(c().lblNumSequenceFinal[3], Qt::LeftButton); // entry 2
        QCOMPARE(essai::Choix(m_f->SequencesFinales()), QStringLiteral("01"));
        const ListeSequences avant = m_f->SequencesFinales();
        const double s = m_f->CadrageBas().Echelle;
        const QPointF a = Centre(m_f->SequencesFinalesEcran()[1]);
        QWidget* vue = c().pctSequencesFinal;
        Souris(vue, QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
        Souris(vue, QEvent::MouseMove, a + QPointF(20, 10), Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(m_f->SequencesFinales(), avant);
        Souris(vue, QEvent::MouseButtonRelease, a + QPointF(20, 10), Qt::LeftButton, Qt::NoButton, Qt::ControlModifier);
        const Sequence& apres = m_f->SequencesFinales()[1];
        QVERIFY(std::fabs(apres.Xmin - (avant[1].Xmin + 20 * TwipsParPixel / s)) < 1e-3
                && std::fabs(apres.Ymin - (avant[1].Ymin - 10 * TwipsParPixel / s)) < 1e-3);
        QCOMPARE(m_f->SequencesFinales()[0], avant[0]);
        QCOMPARE(m_f->EtatsUndo(), 1); // gestures push no undo state
    }

    // Alt-click without a marked point refuses; Alt-hover marks a point, Alt-drag moves it.
    void pointAlt() {
        Ouvrir(2);
        const ListeSequences avant = m_f->SequencesFinales();
        QWidget* vue = c().pctSequencesFinal;
        Souris(vue, QEvent::MouseButtonPress, QPointF(2, 2), Qt::LeftButton, Qt::LeftButton, Qt::AltModifier);
        Souris(vue, QEvent::MouseButtonRelease, QPointF(2, 2), Qt::LeftButton, Qt::NoButton, Qt::AltModifier);
        QCOMPARE(int(m_dialogues.messages.size()), 1);
        QCOMPARE(m_dialogues.messages[0].titre, QStringLiteral("Opération impossible"));
        QCOMPARE(m_dialogues.messages[0].icone, IconeMessage::Critique);
        QCOMPARE(m_f->SequencesFinales(), avant);

        const PointSequence coin = m_f->SequencesFinalesEcran()[1].Points[2];
        const QPointF p = Pixel(coin.X + 20, coin.Y - 20);
        Souris(vue, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton, Qt::AltModifier);
        QVERIFY(c().pctSequencesFinal->Marque().has_value() && c().pctSequencesFinal->Marque()->X == coin.X);
        QCOMPARE(c().pctSequencesFinal->Capture().pixelColor(Pixel(coin.X, coin.Y).toPoint()), QColor(255, 0, 255));
        const double s = m_f->CadrageBas().Echelle;
        Glisser(vue, p, p + QPointF(-10, 0), Qt::AltModifier);
        const PointSequence deplace = m_f->SequencesFinales()[1].Points[2];
        QVERIFY(std::fabs(deplace.X - (avant[1].Points[2].X - 10 * TwipsParPixel / s)) < 1e-3);
        QCOMPARE(deplace.Y, avant[1].Points[2].Y);
        QCOMPARE(int(m_dialogues.messages.size()), 1);
    }

    void ordreRefuse_data() {
        tests::Colonnes<int, QString>("index", "texte");
        QTest::newRow("la dernière vers la fin") << 0 << QStringLiteral("dernière séquence");
        QTest::newRow("la première vers le début") << 1 << QStringLiteral("première séquence");
    }
    void ordreRefuse() {
        QFETCH(int, index); QFETCH(QString, texte);
        Ouvrir(2);
        c().cmdSelectionSequenceFinal[0]->click();
        const ListeSequences avant = m_f->SequencesFinales();
        c().cmdOrdreSequence[size_t(index)]->click();
        QVERIFY(m_dialogues.messages.size() == 1 && m_dialogues.messages[0].texte.contains(texte));
        QCOMPARE(m_f->SequencesFinales(), avant);
    }

    // A short click gives one step; a held button one step, then one per tick after the
    // pause, until the release. Each step pushes an undo state; a held button that changes
    // nothing (an open contour's entry point, contours that are not neighbours spread) pushes
    // none, and the history survives.
    void boutonsTenus_data() {
        tests::Colonnes<bool, QString, bool>("ecartement", "selection", "effet");
        QTest::newRow("écarter") << true << "111" << true;
        QTest::newRow("point d'entrée") << false << "111" << true;
        QTest::newRow("point d'entrée d'un contour ouvert") << false << "001" << false;
        QTest::newRow("écarter deux contours non voisins") << true << "101" << false;
    }
    void boutonsTenus() {
        QFETCH(bool, ecartement); QFETCH(QString, selection); QFETCH(bool, effet);
        Ouvrir(3);
        for (int k = 0; k < 3; ++k)
            if (selection[k] == u'1')
                Cliquer(size_t(k), true);
        QCOMPARE(essai::Choix(m_f->SequencesFinales()), selection);
        if (!effet)
            c().cmdTaille[0]->click(); // a real change, so that there is something to undo
        QPushButton* bouton = ecartement ? c().cmdIntervale[0] : c().cmdPremierPointSequence[0];
        RepetitionBouton& r = ecartement ? m_f->RepetitionEcartement() : m_f->RepetitionEntree();
        QVERIFY(bouton->isEnabled());
        const int etats = m_f->EtatsUndo();
        const ListeSequences avant = m_f->SequencesFinales();
        QTest::mouseClick(bouton, Qt::LeftButton);
        QCOMPARE(m_f->EtatsUndo(), etats + (effet ? 1 : 0));
        QVERIFY(!r.EnPause() && !r.Repete());
        const PointSequence entree0 = m_f->SequencesFinales()[0].Points[0];

        QTest::mousePress(bouton, Qt::LeftButton);
        QVERIFY(r.EnPause());
        r.FinPause();
        QVERIFY(r.Repete());
        for (int tic = 0; tic < 2; ++tic)
            r.Tic();
        QTest::mouseRelease(bouton, Qt::LeftButton);
        QVERIFY(!r.Repete() && !r.EnPause());
        r.Tic(); // a late tick after the release does nothing
        QCOMPARE(m_f->EtatsUndo(), effet ? std::min(10, etats + 4) : etats);
        if (!effet) {
            QCOMPARE(m_f->SequencesFinales(), avant);
            QVERIFY(c().cmdUndoSequence->isEnabled());
            c().cmdUndoSequence->click();
            QVERIFY(m_f->SequencesFinales() != avant);
        } else if (ecartement) {
            QVERIFY(m_f->SequencesFinales()[0].Xmin > avant[0].Xmin);
        } else {
            // The first square's entry: (10, 0) after the click, then three more steps round
            // to (0, 0); the open triangle keeps its entry point.
            QCOMPARE(entree0, (PointSequence{10, 0, 0}));
            const ListeSequences& fin = m_f->SequencesFinales();
            QVERIFY(fin[0].Points.front() == PointSequence{} && fin[0].Points.back() == PointSequence{}
                    && fin[2].Points.front() == (PointSequence{40, 0, 0}));
        }
    }

    void ouvrirFichier() {
        Ouvrir(1);
        const QString dxf = m_dossier->filePath(QStringLiteral("dessins/nervure.dxf"));
        QDir().mkpath(m_dossier->filePath(QStringLiteral("dessins")));
        QVERIFY(tests::EcrireDxf(dxf, tests::Nervure(200.0, 3)));
        c().cmdOuvrirFichierSequences->click(); // cancelled: nothing changes
        QCOMPARE(int(m_dialogues.demandesOuverture.size()), 1);
        QCOMPARE(m_dialogues.demandesOuverture[0].indexFiltre, 5); // "Tous les fichiers connus"
        QCOMPARE(int(m_f->Sequences().size()), 3);
        m_dialogues.fichiers.push_back({false, dxf, 1});
        c().cmdOuvrirFichierSequences->click();
        QVERIFY(m_f->Sequences().size() == 4 && m_f->SequencesFinales().size() == 1); // the assembly stays
        QVERIFY(tests::LireOctets(m_dossier->filePath("Galbix.ini")).contains("dessins"));
        // An unreadable file changes nothing, silently.
        m_dialogues.fichiers.push_back({false, m_dossier->filePath("absent.dxf"), 1});
        c().cmdOuvrirFichierSequences->click();
        QCOMPARE(int(m_f->Sequences().size()), 4);
        QVERIFY(m_dialogues.messages.empty());
    }

    void aide() {
        Ouvrir();
        // The button and F1 open the one help window at the manual's page of this window.
        c().cmdAideSequences->click();
        QTest::keyClick(m_f.get(), Qt::Key_F1);
        QList<FenetreAide*> aides;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* a = qobject_cast<FenetreAide*>(w); a && a->isVisible())
                aides << a;
        QCOMPARE(aides.size(), 1);
        QCOMPARE(aides[0]->Adresse().fileName(), SectionAideSequences);
    }

    void fermeture_data() {
        tests::Colonnes<int, bool>("contours", "valider");
        QTest::newRow("vide, fermée") << 0 << false;
        QTest::newRow("deux, validées") << 2 << true;
        QTest::newRow("deux, fermée autrement") << 2 << false;
    }
    void fermeture() {
        QFETCH(int, contours); QFETCH(bool, valider);
        Ouvrir(contours);
        if (valider)
            c().cmdValiderSequence->click();
        else
            m_f->close();
        QVERIFY(m_f->Fermee());
        QCOMPARE(m_f->SequencesValidees(), contours > 0);
        QCOMPARE(int(m_tampon.Points.size()), contours > 0 ? 10 : 1);
        if (contours > 0)
            QVERIFY(m_tampon.XminFichier == 0.0f && m_tampon.XmaxFichier == 30.0f);
    }

    // The wheel zooms the view about the pointer: the model point there stays there.
    void molette() {
        Ouvrir();
        const CadrageVue avant = m_f->CadrageHaut();
        const QPointF p(40, 30);
        const PointSequence sous = VersModeleSequence(avant, p.x() * TwipsParPixel, p.y() * TwipsParPixel);
        QWheelEvent e(p, c().pctSequences->mapToGlobal(p), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(c().pctSequences, &e);
        QVERIFY(std::fabs(m_f->CadrageHaut().Echelle - avant.Echelle * 1.1) < 1e-9);
        const PointSequence apres = VersModeleSequence(m_f->CadrageHaut(), p.x() * TwipsParPixel, p.y() * TwipsParPixel);
        QVERIFY(std::fabs(apres.X - sous.X) < 1e-4 && std::fabs(apres.Y - sous.Y) < 1e-4);
    }

    // Resizing the window fits the views to their new size.
    void redimensionnement() {
        Ouvrir();
        const double w = m_f->CadrageHaut().W;
        m_f->resize(m_f->width() + 200, m_f->height() + 100);
        QTRY_VERIFY(m_f->CadrageHaut().W > w);
        QCOMPARE(m_f->CadrageHaut().W, c().pctSequences->LargeurUnites());
    }
};

GALBIX_GUI_TEST_MAIN(TestFenetreSequences)
#include "tst_fenetresequences.moc"
