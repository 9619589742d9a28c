#include "app/cli/ConventionsCli.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <QRegularExpression>
#include <cstdio>
#include <new>

namespace galbix::cli {

namespace {

const QString Outil = QStringLiteral("galbix-cli");
constexpr int LargeurColonne = 30;

IssueCli Refus(const QString& ligne)
{
    IssueCli issue;
    issue.statut = 1;
    issue.erreur = ligne + u'\n';
    return issue;
}

IssueCli Texte(const QString& texte)
{
    IssueCli issue;
    issue.sortie = texte;
    return issue;
}

// "  gauche   droite", the right column aligned and wrapped at the width of a terminal, starting
// on the next line when the left one is too long.
QString LigneDeuxColonnes(const QString& gauche, const QString& droite)
{
    constexpr int LargeurTexte = 96;
    const QString marge(LargeurColonne + 2, u' ');
    QString texte = QStringLiteral("  ") + gauche;
    if (droite.isEmpty())
        return texte + u'\n';
    if (gauche.size() + 2 >= LargeurColonne)
        texte += u'\n' + marge;
    else
        texte = QStringLiteral("  ") + gauche.leftJustified(LargeurColonne);
    int colonne = LargeurColonne + 2;
    bool debut = true;
    for (const QString& mot : droite.split(u' ', Qt::SkipEmptyParts)) {
        if (!debut && colonne + 1 + mot.size() > LargeurTexte) {
            texte += u'\n' + marge;
            colonne = LargeurColonne + 2;
            debut = true;
        }
        if (!debut) {
            texte += u' ';
            ++colonne;
        }
        texte += mot;
        colonne += int(mot.size());
        debut = false;
    }
    return texte + u'\n';
}

// Negative numbers and the bare "-" are arguments, never options.
bool EstOption(const QString& argument)
{
    static const QRegularExpression nombre(QStringLiteral("^-[0-9.]"));
    return argument.size() > 1 && argument.startsWith(u'-') && !nombre.match(argument).hasMatch();
}

bool EstAide(const QString& argument)
{
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

// The option as the user typed it ("-x", "--xyz"), from the name the parser reports.
QString OptionTapee(const QStringList& arguments, const QString& nom)
{
    static const QRegularExpression tirets(QStringLiteral("^-+"));
    for (const QString& argument : arguments) {
        const QString avantEgal = argument.section(u'=', 0, 0);
        if (EstOption(argument) && QString(avantEgal).remove(tirets) == nom)
            return avantEgal;
    }
    return QStringLiteral("--") + nom;
}

const OptionCli* OptionDeclaree(const OptionsCli& options, QStringView nom)
{
    for (const OptionCli& option : options)
        if (nom == QLatin1String(option.nom))
            return &option;
    return nullptr;
}

// "--points=12" becomes "--points" "12" for the declared options that take a value.
QStringList SeparerValeurs(const QStringList& arguments, const OptionsCli& options)
{
    QStringList resultat;
    bool apresFin = false;
    for (const QString& argument : arguments) {
        const qsizetype egal = argument.indexOf(u'=');
        const OptionCli* option =
            !apresFin && argument.startsWith(QLatin1String("--")) && egal > 2 ? OptionDeclaree(options, QStringView(argument).left(egal)) : nullptr;
        if (option && option->valeur)
            resultat << argument.left(egal) << argument.mid(egal + 1);
        else
            resultat << argument;
        apresFin = apresFin || argument == QLatin1String("--");
    }
    return resultat;
}

// The declared options of a subcommand checked by the toolkit's parser; nothing when they pass.
std::optional<QString> ErreurOptions(const Commande& commande, const QStringList& arguments, bool& aide)
{
    QCommandLineParser analyseur;
    analyseur.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption optionAide(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    analyseur.addOption(optionAide);
    for (const OptionCli& option : *commande.options) {
        const QString nom = QString::fromLatin1(option.nom).remove(QRegularExpression(QStringLiteral("^-+")));
        analyseur.addOption(option.valeur ? QCommandLineOption(nom, QString(), QString::fromLatin1(option.valeur))
                                          : QCommandLineOption(nom));
    }
    // Numbers stand as positional arguments; the parser would read "-2.5" as options.
    QStringList apercu{Outil};
    for (const QString& argument : arguments)
        apercu << (EstOption(argument) || argument.startsWith(QLatin1String("--")) ? argument : QStringLiteral("0"));
    const bool ok = analyseur.parse(apercu);
    aide = ok && analyseur.isSet(optionAide);
    if (ok)
        return std::nullopt;
    const QString prefixe = Outil + u' ' + QLatin1String(commande.nom) + QStringLiteral(" : ");
    const QString usage = QStringLiteral(" (usage : galbix-cli ") + QLatin1String(commande.usage) + u')';
    if (!analyseur.unknownOptionNames().isEmpty()) {
        return prefixe + QCoreApplication::translate("galbix-cli", "option inconnue « ")
               + OptionTapee(arguments, analyseur.unknownOptionNames().constFirst()) + QStringLiteral(" »") + usage;
    }
    return prefixe + QCoreApplication::translate("galbix-cli", "valeur manquante après « ") + arguments.constLast() + QStringLiteral(" »") + usage;
}

IssueCli AnalyserSousCommande(const Commande& commande, const QStringList& brut)
{
    if (!commande.options) {
        // Options not declared: the subcommand checks its own; only the help is common.
        for (const QString& argument : brut) {
            if (argument == QLatin1String("--"))
                break;
            if (EstAide(argument))
                return Texte(AideSousCommande(commande));
        }
        IssueCli issue;
        issue.commande = &commande;
        issue.arguments = brut;
        return issue;
    }
    const QStringList arguments = SeparerValeurs(brut, *commande.options);
    bool aide = false;
    if (const auto erreur = ErreurOptions(commande, arguments, aide))
        return Refus(*erreur);
    if (aide)
        return Texte(AideSousCommande(commande));
    IssueCli issue;
    issue.commande = &commande;
    issue.arguments = arguments;
    return issue;
}

QString Usages(const std::vector<Commande>& commandes)
{
    QString texte = QStringLiteral("usage:\n");
    for (const Commande& c : commandes)
        texte += QStringLiteral("  ") + Outil + u' ' + QLatin1String(c.usage) + u'\n';
    return texte;
}

} // namespace

QString AideOutil(const std::vector<Commande>& commandes)
{
    QString texte = QCoreApplication::translate("galbix-cli", "usage : galbix-cli SOUS-COMMANDE [ARGUMENTS...]\n"
                                   "        galbix-cli SOUS-COMMANDE --help\n\n"
                                   "Les routines de Galbix pour les scripts : lecture et conversion de profils,\n"
                                   "projets, échange avec Kerfex. Chaque sous-commande écrit un objet JSON ou des\n"
                                   "fichiers et se termine avec le statut 0 (réussite), 1 (arguments incorrects)\n"
                                   "ou 2 (fichier illisible ou impossible à écrire, opération refusée).\n\n"
                                   "Sous-commandes :\n");
    for (const Commande& c : commandes)
        texte += LigneDeuxColonnes(QLatin1String(c.nom), QCoreApplication::translate("galbix-cli", c.description));
    texte += QCoreApplication::translate("galbix-cli", "\nOptions :\n");
    texte += LigneDeuxColonnes(QStringLiteral("-h, --help"), QCoreApplication::translate("galbix-cli", "affiche cette aide"));
    texte += LigneDeuxColonnes(QStringLiteral("-v, --version"), QCoreApplication::translate("galbix-cli", "affiche la version"));
    texte += LigneDeuxColonnes(QStringLiteral("--langue fr|en"),
                               QCoreApplication::translate("galbix-cli", "langue des messages : fr (par défaut) ou en"));
    texte += QCoreApplication::translate("galbix-cli", "\nLe manuel de Galbix (touche F1 dans le programme) décrit chaque sous-commande.\n");
    return texte;
}

namespace {

// Text as roff prints it: backslashes and hyphens escaped, no line taken for a request.
QString Roff(const QString& texte)
{
    QString r = texte;
    r.replace(u'\\', QStringLiteral("\\e")).replace(u'-', QStringLiteral("\\-"));
    if (r.startsWith(u'.') || r.startsWith(u'\''))
        r.prepend(QStringLiteral("\\&"));
    return r;
}

} // namespace

QString PageManSousCommandes(const std::vector<Commande>& commandes)
{
    QString page = QStringLiteral(".SH SOUS-COMMANDES\n");
    for (const Commande& c : commandes) {
        page += QStringLiteral(".TP\n.B ") + Roff(QLatin1String(c.usage)) + u'\n';
        page += Roff(QString::fromUtf8(c.description ? c.description : "")) + u'\n';
    }
    return page;
}

QString AideSousCommande(const Commande& commande)
{
    QString texte = QStringLiteral("usage : galbix-cli ") + QLatin1String(commande.usage) + u'\n';
    if (commande.description && *commande.description)
        texte += u'\n' + QCoreApplication::translate("galbix-cli", commande.description) + u'\n';
    if (commande.complement)
        texte += commande.complement();
    texte += QCoreApplication::translate("galbix-cli", "\nOptions :\n");
    if (commande.options)
        for (const OptionCli& option : *commande.options) {
            QString gauche = QLatin1String(option.nom);
            if (option.valeur)
                gauche += u' ' + QLatin1String(option.valeur);
            texte += LigneDeuxColonnes(gauche, QCoreApplication::translate("galbix-cli", option.aide));
        }
    texte += LigneDeuxColonnes(QStringLiteral("-h, --help"), QCoreApplication::translate("galbix-cli", "affiche cette aide"));
    return texte;
}

IssueCli AnalyserLigneCli(const QStringList& arguments, const std::vector<Commande>& commandes, const QString& version)
{
    // For the build, which writes the manual page from it.
    if (arguments == QStringList{QStringLiteral("--page-man")})
        return Texte(PageManSousCommandes(commandes));
    QCommandLineParser analyseur;
    analyseur.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    analyseur.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption aide(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption optionVersion(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    analyseur.addOption(aide);
    analyseur.addOption(optionVersion);
    if (!analyseur.parse(QStringList{Outil} + arguments)) {
        const QStringList inconnues = analyseur.unknownOptionNames();
        const QString nom = inconnues.isEmpty() ? arguments.value(0) : OptionTapee(arguments, inconnues.constFirst());
        return Refus(Outil + QCoreApplication::translate("galbix-cli", " : option inconnue « ") + nom + QCoreApplication::translate("galbix-cli", " » (galbix-cli --help donne l'aide)"));
    }
    if (analyseur.isSet(aide))
        return Texte(AideOutil(commandes));
    if (analyseur.isSet(optionVersion))
        return Texte(Outil + u' ' + version + u'\n');
    const QStringList positionnels = analyseur.positionalArguments();
    if (positionnels.isEmpty()) {
        IssueCli issue = Refus(QString());
        issue.erreur = Usages(commandes);
        return issue;
    }
    for (const Commande& c : commandes)
        if (positionnels[0] == QLatin1String(c.nom))
            return AnalyserSousCommande(c, positionnels.mid(1));
    return Refus(Outil + QCoreApplication::translate("galbix-cli", " : sous-commande inconnue « ") + positionnels[0]
                 + QCoreApplication::translate("galbix-cli", " » (galbix-cli --help donne la liste)"));
}

// Out of memory anywhere in a subcommand, the tool says so and ends with status 2: nothing
// has been written, as every file is replaced only once complete.
int ExecuterLigneCli(const QStringList& arguments, const std::vector<Commande>& commandes, const QString& version)
{
    const IssueCli issue = AnalyserLigneCli(arguments, commandes, version);
    if (issue.commande) {
        try {
            return issue.commande->executer(issue.arguments);
        } catch (const std::bad_alloc&) {
            std::fputs("galbix-cli: mémoire insuffisante\n", stderr);
            return 2;
        }
    }
    const QByteArray sortie = issue.sortie.toLocal8Bit();
    const QByteArray erreur = issue.erreur.toLocal8Bit();
    std::fwrite(sortie.constData(), 1, size_t(sortie.size()), stdout);
    std::fwrite(erreur.constData(), 1, size_t(erreur.size()), stderr);
    return issue.statut;
}

int Usage(const char* usage)
{
    std::fprintf(stderr, "usage: galbix-cli %s\n", usage);
    return 1;
}

int Erreur(const QString& message)
{
    std::fprintf(stderr, "galbix-cli: %s\n", message.toLocal8Bit().constData());
    return 2;
}

} // namespace galbix::cli
