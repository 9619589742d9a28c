#pragma once
// The intermediate-profile mode of the main window: the "Profil intermédiaire" switch, the
// distance field and the drawing of the profile at that distance; saving it (button 3 of the
// save command) writes the profile file and its report.

#include "model/Types.h"

#include <QObject>
#include <QString>

namespace galbix {

class FenetrePrincipale;

class PiloteIntermediaire : public QObject {
    Q_OBJECT
public:
    explicit PiloteIntermediaire(FenetrePrincipale& fenetre);
    /// Connects the switch, the distance field and the save button; hands the profile to the drawing.
    void Connecter();

    /// The switch goes down (the editing commands are disabled, the distance field enabled) or up.
    void Basculer(bool coche);
    /// Enter in the distance field with a decimal number: refused outside the span, else the
    /// profile is computed and drawn with the zoom kept, and can be saved.
    void AppliquerDistance(float distance);
    /// Button 3 of the save command once the dialog gave `chemin`: the profile and its report.
    void Sauver(const QString& chemin);

    /// The intermediate profile (its PointsE), empty until a distance was accepted.
    const CoupleProfils& Profil() const { return m_profil; }

private:
    FenetrePrincipale& m_fenetre;
    CoupleProfils m_profil;
    float m_distance = 0.0f; ///< distance of m_profil (a refused entry sets the field's value to 0, not this)
};

} // namespace galbix
