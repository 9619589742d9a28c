#include "app/FabriqueControles.h"

#include <QEvent>

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace galbix::fabrique {

namespace {

// Width of a numeric field: a signed number of four integer digits and one decimal; longer
// texts scroll inside the field.
int LargeurChamp(const QWidget* w)
{
    return w->fontMetrics().horizontalAdvance(QStringLiteral("-0000.0")) + 10;
}

} // namespace

QString NomIndexe(const QString& nom, int index)
{
    return nom + u'_' + QString::number(index);
}

QGroupBox* Cadre(const QString& nom, const QString& titre)
{
    auto* cadre = new QGroupBox(titre);
    cadre->setObjectName(nom);
    if (!titre.isEmpty())
        cadre->setMinimumWidth(cadre->fontMetrics().horizontalAdvance(titre) + 24);
    return cadre;
}

QPushButton* Bouton(const QString& nom, const QString& texte, const QString& bulle)
{
    auto* bouton = new QPushButton(texte);
    bouton->setObjectName(nom);
    bouton->setAutoDefault(false);
    if (!bulle.isEmpty())
        bouton->setToolTip(bulle);
    return bouton;
}

QToolButton* BoutonImage(const QString& nom, IconeGalbix icone, const QString& bulle, bool bascule)
{
    auto* bouton = new QToolButton;
    bouton->setObjectName(nom);
    bouton->setIcon(Icone(icone));
    bouton->setIconSize(QSize(20, 20));
    bouton->setToolTip(bulle);
    bouton->setAccessibleName(bulle);
    bouton->setCheckable(bascule);
    bouton->setFixedSize(28, 28);
    return bouton;
}

QCheckBox* Case(const QString& nom, const QString& texte, const QString& bulle)
{
    auto* c = new QCheckBox(texte);
    c->setObjectName(nom);
    if (!bulle.isEmpty())
        c->setToolTip(bulle);
    return c;
}

QLineEdit* ChampNombre(const QString& nom, const QString& bulle)
{
    auto* champ = new QLineEdit;
    champ->setObjectName(nom);
    champ->setAlignment(Qt::AlignRight);
    champ->setFixedWidth(LargeurChamp(champ));
    if (!bulle.isEmpty())
        champ->setToolTip(bulle);
    return champ;
}

QLabel* Valeur(const QString& nom, const QString& bulle)
{
    auto* valeur = new QLabel;
    valeur->setObjectName(nom);
    valeur->setFrameShape(QFrame::StyledPanel);
    valeur->setFrameShadow(QFrame::Sunken);
    valeur->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valeur->setFixedWidth(LargeurChamp(valeur));
    valeur->setMinimumHeight(valeur->fontMetrics().height() + 6);
    if (!bulle.isEmpty())
        valeur->setToolTip(bulle);
    return valeur;
}

namespace {

// Greys a caption out with the control it names, and back.
class SuiviActivation : public QObject {
public:
    SuiviActivation(QWidget* compagnon, QLabel* legende) : QObject(legende), m_legende(legende)
    {
        compagnon->installEventFilter(this);
        legende->setEnabled(compagnon->isEnabled());
    }
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (evenement->type() == QEvent::EnabledChange)
            m_legende->setEnabled(static_cast<QWidget*>(objet)->isEnabled());
        return false;
    }

private:
    QLabel* m_legende;
};

} // namespace

QLabel* Legende(const QString& texte, QWidget* compagnon)
{
    auto* legende = new QLabel(texte);
    if (compagnon) {
        legende->setBuddy(compagnon);
        new SuiviActivation(compagnon, legende);
    }
    return legende;
}

} // namespace galbix::fabrique
