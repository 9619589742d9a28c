#pragma once
// Pictures of the sequence window's buttons, drawn on a 24 x 24 grid.

#include <QIcon>

namespace galbix {

enum class IconeSequence {
    ToutSelectionnerE,
    RienSelectionnerE,
    ToutSelectionnerS,
    RienSelectionnerS,
    Sens,
    QuartDeTour,
    Miroir,
    Prendre,
    InsererApres,
    InsererAvant,
    VersLaFin,
    VersLeDebut,
    TournerMoins,
    TournerPlus,
    Agrandir,
    Retrecir,
    Ecarter,
    Rapprocher,
    EntreeAvant,
    EntreeArriere,
    Supprimer,
    PointEntre,
    Valider,
};

/// The picture `id`.
QIcon IconeSequences(IconeSequence id);

} // namespace galbix
