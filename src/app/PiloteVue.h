#pragma once
// The main window's drawing, view controls, point lists and status bar, and the open command:
// wires those controls to the view state and runs the three levels of recomputation and the refresh.

#include "view/ListesPoints.h"
#include "view/Zoom.h"

#include <QObject>
#include <QString>
#include <QTimer>

namespace galbix {

class FenetrePrincipale;
struct Rafraichissement;
struct ResultatOuverture;
class VueProfils;

class PiloteVue : public QObject {
    Q_OBJECT
public:
    explicit PiloteVue(FenetrePrincipale& fenetre);
    /// Connects the controls it drives (called once the window is built).
    void Connecter();

    /// Projects, fits the view to the sides shown, maps, draws and refreshes.
    void AjusterVue();
    /// Projects again keeping the zoom, maps, draws and refreshes.
    void ReprojeterVue();
    /// Maps with the current zoom and centre, draws and refreshes.
    void RecalculerEcran();
    /// Recounts the selection, switches the selection-dependent commands, updates the point
    /// lists, the status bar and the overlay.
    void RafraichirVue();
    /// Bounds and positions of the point-list scroll bars after a change of counts.
    void BornesListes();
    /// The open command of side `cote` (0 = root, 1 = tip).
    void OuvrirProfil(int cote);
    /// The NACA command of side `cote`: the dialog, then the load of the computed profile as
    /// the open command loads a .dat file.
    void OuvrirNaca(int cote);

    /// Moves side `cote`'s list bars to its current point without reading them back (the
    /// mouse picked a point); the side becomes the last one moved. No refresh.
    void PlacerListe(int cote);
    /// The drawing area.
    VueProfils& Dessin();
    /// State of the point lists (previous points, BlocageListe).
    EtatListes& Listes() { return m_listes; }
    /// File name of side `cote` as the last load left it (restored by the profile-insertion mode).
    const QString& NomFichierCourant(int cote) const { return m_nomsFichiers[cote == 0 ? 0 : 1]; }
    /// State of the zoom bar.
    const EtatBarreZoom& BarreZoom() const { return m_barreZoom; }
    /// The timer that puts the zoom bar back to the middle.
    const QTimer& MinuterieZoom() const { return m_minuterieZoom; }

private:
    enum class Niveau { Dessiner, Recalculer, Reprojeter, Ajuster };
    /// The refresh around one level of recomputation.
    void Actualiser(Niveau niveau);
    void AppliquerListes(const Rafraichissement& r);
    void ChangerBarreListe(int cote);
    void CliquerLigne(int cote, int ligne);
    void ConnecterListes();
    void ConnecterZoomEtAngles();
    void ConnecterAffichage();
    void ZoomChange(int position);
    void ZoomGlisse(int position);
    void RecentrerZoom();
    void AngleChange();
    void Prereglage(int16_t omega, int16_t alpha);
    void AppliquerOuverture(const ResultatOuverture& r);
    void TerminerOuverture();
    bool eventFilter(QObject* objet, QEvent* evenement) override;

    FenetrePrincipale& m_fenetre;
    EtatListes m_listes;
    EtatBarreZoom m_barreZoom;
    QTimer m_minuterieZoom;
    bool m_glissementSignale = false; // the refusal was shown for the current thumb drag
    QString m_nomsFichiers[2];
    QString m_codeNaca = QStringLiteral("2412"); // the NACA dialog starts from the last code loaded
    int m_pointsNaca = 0;                         // and its points per surface (0: the default)
};

} // namespace galbix
