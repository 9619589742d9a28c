#include "app/PiloteDecoupe.h"

#include "app/ChampNumerique.h"
#include "view/ui/Dialogues.h"
#include "app/FabriqueControles.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteVue.h"
#include "files/GCode.h"
#include "model/NumericText.h"
#include "view/Souris.h"
#include "view/ui/VueProfils.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <cmath>

namespace galbix {

namespace {

constexpr int IntervalleImage = 40;       // ms between two pictures of the cut
constexpr double PasCurseur = 0.1;        // seconds per step of the position slider
constexpr int SegmentsListesAuPlus = 60;  // segments named in the list, the rest counted

QToolButton* BoutonLecteur(const QString& nom, QStyle::StandardPixmap icone, const QString& bulle)
{
    auto* b = new QToolButton;
    b->setObjectName(nom);
    b->setIcon(QApplication::style()->standardIcon(icone));
    b->setToolTip(bulle);
    b->setAutoRaise(false);
    return b;
}

// Two carriages (red and blue discs) with the wire between them.
QIcon IconeChariots()
{
    QPixmap image(32, 32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, 2.5));
    p.drawLine(QPointF(7, 9), QPointF(25, 23));
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(255, 0, 0));
    p.drawEllipse(QPointF(7, 9), 5.5, 5.5);
    p.setBrush(QColor(0, 0, 255));
    p.drawEllipse(QPointF(25, 23), 5.5, 5.5);
    return QIcon(image);
}

QString Nombre(double v, int decimales)
{
    return QLocale::c().toString(v, 'f', decimales);
}

} // namespace

QString TexteDuree(double secondes)
{
    const long long total = std::isfinite(secondes) && secondes > 0.0 ? std::llround(secondes) : 0;
    const long long h = total / 3600, m = (total / 60) % 60, s = total % 60;
    if (h > 0)
        return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
}

PiloteDecoupe::PiloteDecoupe(FenetrePrincipale& fenetre) : m_fenetre(fenetre)
{
    m_minuterie.setInterval(IntervalleImage);
    connect(&m_minuterie, &QTimer::timeout, this, &PiloteDecoupe::Avancer);
    m_etat = new QLabel;
    m_etat->setObjectName(QStringLiteral("lblDecoupe"));
    m_etat->setVisible(false);
}

QGroupBox* PiloteDecoupe::ConstruireCadre()
{
    using namespace fabrique;
    m_cadre = Cadre(QStringLiteral("frmDecoupe"), tr("Découpe"));
    auto* grille = new QGridLayout(m_cadre);
    grille->setContentsMargins(5, 2, 5, 4);
    grille->setHorizontalSpacing(3);
    grille->setVerticalSpacing(3);
    m_precedent = BoutonLecteur(QStringLiteral("cmdDecoupePrecedent"), QStyle::SP_MediaSkipBackward,
                                tr("Point précédent"));
    m_lecture = BoutonLecteur(QStringLiteral("chkDecoupeLecture"), QStyle::SP_MediaPlay,
                              tr("Jouer la découpe / pause"));
    m_lecture->setCheckable(true);
    m_suivant = BoutonLecteur(QStringLiteral("cmdDecoupeSuivant"), QStyle::SP_MediaSkipForward,
                              tr("Point suivant"));
    m_champVitesse = ChampNombre(QStringLiteral("txtVitesseDecoupe"),
                                 tr("Vitesse de coupe : celle du chariot le plus rapide"));
    m_champVitesse->setText(FormaterNombre(m_vitesse, u"#####0.0#"));
    m_champVitesse->setMaximumWidth(m_champVitesse->fontMetrics().horizontalAdvance(QStringLiteral("00000.0")) + 8);
    m_curseur = new QSlider(Qt::Horizontal);
    m_curseur->setObjectName(QStringLiteral("hscDecoupe"));
    m_curseur->setToolTip(tr("Position dans la découpe"));
    m_segments = Bouton(QStringLiteral("cmdSegmentsAVerifier"), tr("Segments à vérifier"),
                        tr("Segments où un chariot se précipite pendant que l'autre se traîne"));
    grille->addWidget(m_precedent, 0, 0);
    grille->addWidget(m_lecture, 0, 1);
    grille->addWidget(m_suivant, 0, 2);
    grille->addWidget(m_curseur, 0, 3, 1, 2);
    grille->addWidget(Legende(tr("Vitesse")), 1, 0, 1, 3);
    grille->addWidget(m_champVitesse, 1, 3);
    grille->addWidget(Legende(QStringLiteral("mm/s"), m_champVitesse), 1, 4);
    m_chariots = new QToolButton;
    m_chariots->setObjectName(QStringLiteral("chkDecoupeChariots"));
    m_chariots->setIcon(IconeChariots());
    m_chariots->setCheckable(true);
    m_chariots->setToolTip(tr("Chariots : montrer les trajets des deux chariots de la machine "
                                          "(réglages de « Programme G-code… ») au lieu des points des profils"));
    grille->addWidget(m_segments, 2, 0, 1, 4);
    grille->addWidget(m_chariots, 2, 4);
    grille->setColumnStretch(3, 1);

    new ChampNumerique(m_champVitesse, m_fenetre.Dialogue(), SigneChamp::NonSigne,
                       [this](float v) { ChangerVitesse(v); },
                       [this] { return FormaterNombre(m_vitesse, u"#####0.0#"); });
    connect(m_lecture, &QToolButton::toggled, this, &PiloteDecoupe::Basculer);
    connect(m_precedent, &QToolButton::clicked, this, [this] { Pas(-1); });
    connect(m_suivant, &QToolButton::clicked, this, [this] { Pas(1); });
    connect(m_curseur, &QSlider::valueChanged, this, [this](int v) {
        if (!m_blocageCurseur)
            AllerA(v * PasCurseur);
    });
    connect(m_segments, &QPushButton::clicked, this, &PiloteDecoupe::MontrerSegmentsAVerifier);
    connect(m_chariots, &QToolButton::toggled, this, [this] {
        CalculerChemins();
        if (m_actif)
            Montrer();
    });
    ApresRafraichissement();
    return m_cadre;
}

bool PiloteDecoupe::Disponible() const
{
    const CoupleProfils& p = m_fenetre.Session().Profils;
    return p.NbPointsE() >= 2 && p.NbPointsE() == p.NbPointsS();
}

void PiloteDecoupe::ApresRafraichissement()
{
    const CoupleProfils& p = m_fenetre.Session().Profils;
    if (m_actif && (p.PointsE != m_copieE || p.PointsS != m_copieS))
        Arreter();
    const bool disponible = Disponible();
    if (!disponible && m_actif)
        Arreter();
    if (m_actif && m_chariots->isChecked())
        CalculerChemins(); // the view angles may have changed
    if (m_cadre)
        for (QWidget* w : {static_cast<QWidget*>(m_lecture), static_cast<QWidget*>(m_precedent),
                           static_cast<QWidget*>(m_suivant), static_cast<QWidget*>(m_curseur),
                           static_cast<QWidget*>(m_segments), static_cast<QWidget*>(m_chariots)})
            w->setEnabled(disponible);
}

void PiloteDecoupe::Demarrer()
{
    const CoupleProfils& p = m_fenetre.Session().Profils;
    m_analyse = AnalyserParcours(p);
    m_copieE = p.PointsE;
    m_copieS = p.PointsS;
    m_actif = true;
    m_temps = 0.0;
    CalculerChemins();
    m_blocageCurseur = true;
    m_curseur->setRange(0, int(std::min(m_analyse.Duree(m_vitesse) / PasCurseur, 2.0e9)));
    m_curseur->setValue(0);
    m_blocageCurseur = false;
    m_etat->setVisible(true);
}

void PiloteDecoupe::Basculer(bool lecture)
{
    if (!lecture) {
        m_minuterie.stop();
        m_lecture->setIcon(QApplication::style()->standardIcon(QStyle::SP_MediaPlay));
        return;
    }
    if (!Disponible()) {
        const QSignalBlocker bloc(m_lecture);
        m_lecture->setChecked(false);
        return;
    }
    if (!m_actif)
        Demarrer();
    if (m_temps >= m_analyse.Duree(m_vitesse))
        m_temps = 0.0; // played to the end: start again
    m_lecture->setIcon(QApplication::style()->standardIcon(QStyle::SP_MediaPause));
    m_horloge.start();
    m_minuterie.start();
    Montrer();
}

void PiloteDecoupe::Avancer()
{
    const double ecoule = double(m_horloge.nsecsElapsed()) / 1e9;
    m_horloge.restart();
    m_temps += ecoule;
    const double duree = m_analyse.Duree(m_vitesse);
    if (m_temps >= duree) {
        m_temps = duree;
        const QSignalBlocker bloc(m_lecture);
        m_lecture->setChecked(false);
        m_minuterie.stop();
        m_lecture->setIcon(QApplication::style()->standardIcon(QStyle::SP_MediaPlay));
    }
    Montrer();
}

void PiloteDecoupe::Pas(int sens)
{
    if (!Disponible())
        return;
    if (!m_actif)
        Demarrer();
    const PositionParcours pos = PositionAuTemps(m_fenetre.Session().Profils, m_analyse, m_temps, m_vitesse);
    // Exactly on a pair, a step back goes to the previous one; inside a segment, to its start.
    const double debut = TempsDeLaPaire(m_analyse, pos.Segment + 1, m_vitesse);
    int32_t paire = sens < 0 ? (m_temps > debut + 1e-9 ? pos.Segment + 1 : pos.Segment) : pos.Segment + 2;
    if (pos.Paire == m_analyse.NombrePoints && sens > 0)
        paire = m_analyse.NombrePoints;
    m_temps = TempsDeLaPaire(m_analyse, std::max<int32_t>(paire, 1), m_vitesse);
    Montrer();
}

void PiloteDecoupe::AllerA(double secondes)
{
    if (!Disponible())
        return;
    if (!m_actif)
        Demarrer();
    m_temps = std::clamp(secondes, 0.0, m_analyse.Duree(m_vitesse));
    if (EnLecture())
        m_horloge.restart();
    Montrer();
}

void PiloteDecoupe::Arreter()
{
    m_minuterie.stop();
    m_actif = false;
    m_temps = 0.0;
    m_analyse = {};
    m_copieE.clear();
    m_copieS.clear();
    if (m_lecture) {
        const QSignalBlocker bloc(m_lecture);
        m_lecture->setChecked(false);
        m_lecture->setIcon(QApplication::style()->standardIcon(QStyle::SP_MediaPlay));
        m_blocageCurseur = true;
        m_curseur->setValue(0);
        m_blocageCurseur = false;
    }
    m_etat->setVisible(false);
    m_fenetre.Vue().Dessin().DefinirDecoupe({});
}

void PiloteDecoupe::ChangerVitesse(float vitesse)
{
    if (!(vitesse > 0.0f)) {
        m_fenetre.Dialogue().Message(tr("Erreur de saisie"),
                                     tr("La vitesse de coupe doit être supérieure à 0 mm/s."),
                                     IconeMessage::Critique, BoutonsMessage::Ok);
        m_champVitesse->setText(FormaterNombre(m_vitesse, u"#####0.0#"));
        return;
    }
    // The carriages stay where they are: the time scales with the speed.
    m_temps = m_temps * m_vitesse / double(vitesse);
    m_vitesse = double(vitesse);
    m_champVitesse->setText(FormaterNombre(m_vitesse, u"#####0.0#"));
    if (m_actif) {
        m_blocageCurseur = true;
        m_curseur->setRange(0, int(std::min(m_analyse.Duree(m_vitesse) / PasCurseur, 2.0e9)));
        m_blocageCurseur = false;
        Montrer();
    }
}

void PiloteDecoupe::Montrer()
{
    const SessionEdition& s = m_fenetre.Session();
    const PositionParcours pos = PositionAuTemps(s.Profils, m_analyse, m_temps, m_vitesse);
    DecoupeDessin d;
    d.Active = true;
    d.Segment = pos.Segment;
    d.Fraction = pos.Fraction;
    d.AVerifier = &m_analyse.AVerifier;
    d.Ombrer = !EnVueDeCote(s.Vue);
    if (!m_cheminGauche.empty()) {
        d.CheminGauche = &m_cheminGauche;
        d.CheminDroit = &m_cheminDroit;
    }
    m_fenetre.Vue().Dessin().DefinirDecoupe(d);
    m_blocageCurseur = true;
    m_curseur->setValue(int(std::lround(m_temps / PasCurseur)));
    m_blocageCurseur = false;
    m_etat->setText(tr("Paire %1 / %2   %3 écoulées, %4 restantes   E %5 mm/s   S %6 mm/s")
                        .arg(pos.Paire)
                        .arg(m_analyse.NombrePoints)
                        .arg(TexteDuree(pos.Ecoule), TexteDuree(pos.Restant), Nombre(pos.VitesseE, 2),
                             Nombre(pos.VitesseS, 2)));
}

void PiloteDecoupe::CalculerChemins()
{
    m_cheminGauche.clear();
    m_cheminDroit.clear();
    if (!m_chariots || !m_chariots->isChecked() || !Disponible())
        return;
    const SessionEdition& s = m_fenetre.Session();
    const MachineDecoupe machine = LireMachine(m_fenetre.FichierReglages(), m_vitesse);
    const std::vector<PositionChariots> chemins = CheminsChariots(s.Profils, machine);
    // Span positions of the carriage planes in the view, where the root lies at 0 and the tip
    // at the spacing.
    const double sens = machine.EmplantureADroite ? -1.0 : 1.0;
    const float zGauche = float((0.0 - machine.Emplanture) * sens);
    const float zDroit = float((machine.EntreChariots - machine.Emplanture) * sens);
    const Projecteur projecteur(s.Vue.Omega, s.Vue.Alpha);
    m_cheminGauche.reserve(chemins.size());
    m_cheminDroit.reserve(chemins.size());
    for (const PositionChariots& c : chemins) {
        m_cheminGauche.push_back(projecteur.Projeter(float(c.XG), float(c.YG), zGauche));
        m_cheminDroit.push_back(projecteur.Projeter(float(c.XD), float(c.YD), zDroit));
    }
}

void PiloteDecoupe::MontrerSegmentsAVerifier()
{
    const AnalyseParcours analyse = m_actif ? m_analyse : AnalyserParcours(m_fenetre.Session().Profils);
    QString texte;
    if (analyse.SegmentsAVerifier.empty()) {
        texte = tr("Aucun segment à vérifier : sur chaque segment, les deux chariots avancent "
                               "dans un rapport proche de celui des deux profils (écart maximal %1).")
                    .arg(Nombre(analyse.EcartMax, 2));
    } else {
        QStringList numeros;
        for (size_t i = 0; i < analyse.SegmentsAVerifier.size() && i < size_t(SegmentsListesAuPlus); ++i) {
            const int32_t k = analyse.SegmentsAVerifier[i];
            numeros << QStringLiteral("%1-%2").arg(k).arg(k + 1);
        }
        texte = tr("%1 segment(s) où un chariot se précipite pendant que l'autre se traîne "
                               "(entre les points n°) :\n%2")
                    .arg(analyse.SegmentsAVerifier.size())
                    .arg(numeros.join(QStringLiteral(", ")));
        if (analyse.SegmentsAVerifier.size() > size_t(SegmentsListesAuPlus))
            texte += QStringLiteral(" et %1 autres").arg(analyse.SegmentsAVerifier.size() - SegmentsListesAuPlus);
        texte += tr(".\n\nAjoutez des points de synchronisation autour de ces segments, "
                                "puis relancez la synchronisation optimale.");
    }
    m_fenetre.Dialogue().Message(tr("Segments à vérifier"), texte, IconeMessage::Information,
                                 BoutonsMessage::Ok);
}

} // namespace galbix
