#include "app/DialogueNaca.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace galbix {

namespace {

constexpr int PointsParSurfaceMax = 5000;
constexpr int MargeApercu = 8; // pixels around the outline

} // namespace

ApercuNaca::ApercuNaca(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pctApercuNaca"));
    setMinimumSize(320, 110);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ApercuNaca::DefinirPoints(std::vector<QPointF> points)
{
    m_points = std::move(points);
    update();
}

void ApercuNaca::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    peintre.fillRect(rect(), palette().base());
    if (m_points.size() < 2)
        return;
    double xmin = m_points.front().x(), xmax = xmin, ymin = m_points.front().y(), ymax = ymin;
    for (const QPointF& p : m_points) {
        xmin = std::min(xmin, p.x());
        xmax = std::max(xmax, p.x());
        ymin = std::min(ymin, p.y());
        ymax = std::max(ymax, p.y());
    }
    const double largeur = std::max(xmax - xmin, 1e-9), hauteur = std::max(ymax - ymin, 1e-9);
    const double echelle = std::min((width() - 2.0 * MargeApercu) / largeur, (height() - 2.0 * MargeApercu) / hauteur);
    const double x0 = (width() - largeur * echelle) / 2.0, y0 = (height() + hauteur * echelle) / 2.0;
    QPainterPath trace;
    for (size_t i = 0; i < m_points.size(); ++i) {
        const QPointF ecran(x0 + (m_points[i].x() - xmin) * echelle, y0 - (m_points[i].y() - ymin) * echelle);
        if (i == 0)
            trace.moveTo(ecran);
        else
            trace.lineTo(ecran);
    }
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(QPen(palette().text().color(), 1.5));
    peintre.drawPath(trace);
}

DialogueNaca::DialogueNaca(int cote, const QString& code, int parSurface, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DialogueNaca"));
    setWindowTitle(cote == 0 ? tr("Profil NACA - Emplanture") : tr("Profil NACA - Saumon"));
    m_code = new QLineEdit(code);
    m_code->setObjectName(QStringLiteral("txtCodeNaca"));
    m_code->setPlaceholderText(tr("2412, 23012, 23112, 0012-64"));
    m_code->setToolTip(tr("Quatre chiffres (2412), cinq chiffres (23012, 23112 à double courbure) "
                          "ou quatre chiffres modifiés (0012-64)"));
    m_points = new QSpinBox;
    m_points->setObjectName(QStringLiteral("txtPointsNaca"));
    m_points->setRange(2, PointsParSurfaceMax);
    m_points->setValue(std::clamp(parSurface, 2, PointsParSurfaceMax));
    m_points->setToolTip(tr("Points de chaque surface, bord d'attaque compris (répartition en cosinus)"));
    m_apercu = new ApercuNaca;
    m_etat = new QLabel;
    m_etat->setObjectName(QStringLiteral("lblEtatNaca"));
    m_etat->setWordWrap(true);
    m_boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_boutons->button(QDialogButtonBox::Ok)->setText(tr("Charger"));
    m_boutons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));

    auto* formulaire = new QFormLayout;
    formulaire->addRow(tr("Code NACA"), m_code);
    formulaire->addRow(tr("Points par surface"), m_points);
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(formulaire);
    pile->addWidget(m_apercu, 1);
    pile->addWidget(m_etat);
    pile->addWidget(m_boutons);

    connect(m_code, &QLineEdit::textChanged, this, &DialogueNaca::Recalculer);
    connect(m_points, &QSpinBox::valueChanged, this, &DialogueNaca::Recalculer);
    connect(m_boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Recalculer();
}

void DialogueNaca::Recalculer()
{
    m_profil = ProfilNaca(m_code->text(), m_points->value());
    const bool valide = !m_profil.points.empty();
    m_apercu->DefinirPoints(m_profil.points);
    m_etat->setText(valide ? tr("%1 : %n points", nullptr, int(m_profil.points.size())).arg(m_profil.nom)
                           : m_profil.erreur);
    m_boutons->button(QDialogButtonBox::Ok)->setEnabled(valide);
}

} // namespace galbix
