// `assembler FICHIER SORTIE --ordre LISTE`: cuts a drawing into contours as the sequence
// window does and chains the listed ones, each inserted after the previous one.
#include "app/cli/CommandesCli.h"

#include "app/cli/Json.h"
#include "files/Ouverture.h"
#include "geomlib/Tranchex.h"
#include "sequences/Decoupage.h"
#include "sequences/Operations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace galbix::cli {

namespace {

struct Choix {
    int numero = 0; ///< 1-based contour number
    bool inverse = false;
};

// "3,1r,2": numbers from 1, each possibly followed by "r" (reversed); none on a malformed list.
std::optional<std::vector<Choix>> LireOrdre(const QString& texte)
{
    std::vector<Choix> choix;
    for (QString morceau : texte.split(u',')) {
        morceau = morceau.trimmed();
        Choix c;
        if (morceau.endsWith(u'r') || morceau.endsWith(u'R')) {
            c.inverse = true;
            morceau.chop(1);
        }
        bool ok = false;
        c.numero = morceau.toInt(&ok);
        if (!ok || morceau.isEmpty() || !morceau[0].isDigit())
            return std::nullopt;
        choix.push_back(c);
    }
    return choix;
}

/// Prints the JSON summary of an assembly: its contours in order, with their numbers given.
void ImprimerAssemblage(const ListeSequences& assemblage, const std::vector<Choix>& choix, size_t nbPoints)
{
    Json json;
    json.DebutObjet();
    json.Cle("nombre_contours").Valeur(int(assemblage.size()));
    json.Cle("nombre_points").Valeur(int(nbPoints));
    json.Cle("contours").DebutTableau();
    for (size_t i = 0; i < assemblage.size(); ++i) {
        const Sequence& s = assemblage[i];
        json.DebutObjet();
        json.Cle("numero").Valeur(choix[i].numero);
        json.Cle("nombre_points").Valeur(s.NbPoints());
        json.Cle("xmin").Valeur(s.Xmin);
        json.Cle("xmax").Valeur(s.Xmax);
        json.Cle("ymin").Valeur(s.Ymin);
        json.Cle("ymax").Valeur(s.Ymax);
        json.FinObjet();
    }
    json.FinTableau();
    json.FinObjet();
    std::fwrite(json.Texte().data(), 1, json.Texte().size(), stdout);
    std::fputc('\n', stdout);
}

} // namespace

int CommandeAssembler(const QStringList& args)
{
    QStringList positionnels;
    QString ordre;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--ordre") && i + 1 < args.size())
            ordre = args[++i];
        else
            positionnels << args[i];
    }
    const std::optional<std::vector<Choix>> choix = ordre.isEmpty() ? std::nullopt : LireOrdre(ordre);
    if (positionnels.size() != 2 || !choix) {
        std::fprintf(stderr, "usage: galbix-cli assembler FICHIER SORTIE --ordre LISTE (ex. 3,1r,2)\n");
        return 1;
    }
    TamponLecture tampon;
    QString erreur;
    if (!LireTampon(QFileInfo(positionnels[0]).absoluteFilePath(), tampon, erreur))
        return Erreur(erreur);
    ListeSequences source = DecouperSequences(tampon.Points);
    for (const Choix& c : *choix)
        if (c.numero < 1 || c.numero > int(source.size()))
            return Erreur(QCoreApplication::translate("galbix-cli", "séquence %1 inexistante (le fichier en a %2)").arg(c.numero).arg(source.size()));

    // Each contour goes after the one inserted before it (the selected one), as selecting it
    // alone in the source and inserting it would do.
    ListeSequences assemblage;
    assemblage.reserve(choix->size());
    int choisie = -1;
    for (const Choix& c : *choix) {
        Sequence& s = source[size_t(c.numero - 1)];
        // A reversed contour is reversed for this insertion only.
        if (c.inverse)
            std::reverse(s.Points.begin(), s.Points.end());
        const int position = InsererSequence(s, assemblage, 0, choisie);
        if (position >= 0)
            choisie = position;
        if (c.inverse)
            std::reverse(s.Points.begin(), s.Points.end());
    }
    EcrireAssemblage(assemblage, tampon);
    if (EcrireFichier(tampon.Points, QFileInfo(positionnels[1]).absoluteFilePath(), tampon.EnTete) != 1)
        return Erreur(QCoreApplication::translate("galbix-cli", "écriture impossible : %1").arg(positionnels[1]));

    ImprimerAssemblage(assemblage, *choix, tampon.Points.size());
    return 0;
}

} // namespace galbix::cli
