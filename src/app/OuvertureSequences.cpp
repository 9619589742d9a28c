#include "app/OuvertureSequences.h"

#include "app/FenetrePrincipale.h"
#include "geomlib/Chemins.h"
#include "sequences/ui/FenetreSequences.h"

namespace galbix {

ResultatOuverture OuvrirProfilFenetre(FenetrePrincipale& fenetre, int cote, const QString& chemin)
{
    SessionEdition& session = fenetre.Session();
    const QString extension = ExtensionFichier(chemin);
    const bool projet = cote == CoteE
                        && (EstExtension(extension, QStringLiteral("gbx")) || EstExtension(extension, QStringLiteral("kf")));
    if (projet || (cote == CoteS && !session.ProjetOuvert))
        return OuvrirProfil(cote, chemin, session.ProjetOuvert, session.Profils);
    ResultatOuverture r;
    r.Cote = cote;
    TamponLecture tampon;
    if (!LireTampon(chemin, tampon, r.Erreur))
        return r;
    if (PlusieursContours(tampon.Points)) {
        FenetreSequences sequences(fenetre.Dialogue(), tampon, cote, fenetre.FichierReglages(),
                                   fenetre.DossierProgrammeFenetre(), &fenetre);
        if (fenetre.ExecuterSequences)
            fenetre.ExecuterSequences(sequences);
        else
            sequences.exec();
        // A window left open by the runner is closed the usual way: the write-back runs.
        if (!sequences.Fermee())
            sequences.done(QDialog::Rejected);
        if (!sequences.SequencesValidees()) {
            r.Erreur = QCoreApplication::translate("galbix", "aucune séquence assemblée");
            return r;
        }
    }
    return AppliquerTampon(cote, chemin, tampon, session.Profils);
}

} // namespace galbix
