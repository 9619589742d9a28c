<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>galbix</name>
    <message>
        <source>Ouverture d&apos;un projet</source>
        <translation>Opening a project</translation>
    </message>
    <message>
        <source>Voulez-vous effectuer une sauvegarde du projet en cours?</source>
        <translation>Do you want to save the current project?</translation>
    </message>
    <message>
        <source>aucune séquence assemblée</source>
        <translation>no sequence assembled</translation>
    </message>
    <message>
        <source>Erreur de sélection à l&apos;emplanture</source>
        <translation>Selection error at the root</translation>
    </message>
    <message>
        <source>Erreur de sélection au saumon</source>
        <translation>Selection error at the tip</translation>
    </message>
    <message>
        <source>Pas d&apos;intersection à l&apos;emplanture</source>
        <translation>No intersection at the root</translation>
    </message>
    <message>
        <source>Pas d&apos;intersection au saumon</source>
        <translation>No intersection at the tip</translation>
    </message>
    <message>
        <source>Les deux segments de l&apos;emplanture sont parallèles.</source>
        <translation>The two segments of the root are parallel.</translation>
    </message>
    <message>
        <source>Les deux segments du saumon sont parallèles.</source>
        <translation>The two segments of the tip are parallel.</translation>
    </message>
    <message>
        <source>Les deux segments de l&apos;emplanture ne se touchent pas.</source>
        <translation>The two segments of the root do not meet.</translation>
    </message>
    <message>
        <source>Les deux segments du saumon ne se touchent pas.</source>
        <translation>The two segments of the tip do not meet.</translation>
    </message>
    <message>
        <source>Intersection en bout de segment à l&apos;emplanture</source>
        <translation>Intersection at a segment end at the root</translation>
    </message>
    <message>
        <source>Intersection en bout de segment au saumon</source>
        <translation>Intersection at a segment end at the tip</translation>
    </message>
    <message>
        <source>Cette commande donnerait plus de %1 points sur un côté : elle n&apos;est pas exécutée.</source>
        <translation>This command would give more than %1 points on one side: it is not carried out.</translation>
    </message>
    <message>
        <source>Choix impossible</source>
        <translation>Choice impossible</translation>
    </message>
    <message>
        <source>Les profils n&apos;ont pas le même nombre de points, le nettoyage synchrone est impossible.</source>
        <translation>The profiles do not have the same number of points, the synchronous clean-up is impossible.</translation>
    </message>
    <message>
        <source>Erreur de sélection</source>
        <translation>Selection error</translation>
    </message>
    <message>
        <source>Le premier et le dernier segment ne peuvent pas être lissés. Pour les traiter, il faut renuméroter le profil</source>
        <translation>The first and the last segment cannot be smoothed. To process them, renumber the profile</translation>
    </message>
    <message>
        <source>de l&apos;emplanture</source>
        <translation>of the root</translation>
    </message>
    <message>
        <source>du saumon</source>
        <translation>of the tip</translation>
    </message>
    <message>
        <source>Le profil %1 a une longueur nulle entre les points de synchronisation n° %2 et n° %3.</source>
        <translation>The profile %1 has a zero length between synchronisation points no. %2 and no. %3.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être lu (%2).</source>
        <translation>The file %1 could not be read (%2).</translation>
    </message>
    <message>
        <source>L&apos;en-tête du fichier %1 ne peut pas être découpé : la corde doit y être suivie d&apos;un « ; ».</source>
        <translation>The header of the file %1 cannot be split: the chord must be followed by a « ; ».</translation>
    </message>
    <message>
        <source>L&apos;en-tête du fichier %1 ne peut pas être découpé : la corde, la flèche, la cale dièdre et l&apos;écartement doivent y être suivis chacun d&apos;un « ; ».</source>
        <translation>The header of the file %1 cannot be split: the chord, the sweep, the dihedral shim and the spacing must each be followed by a « ; ».</translation>
    </message>
    <message>
        <source>Les points du fichier %1 sortent des limites une fois mis à l&apos;échelle de la corde %2.</source>
        <translation>The points of the file %1 go beyond the limits once scaled to the chord %2.</translation>
    </message>
    <message>
        <source>Mémoire insuffisante pour importer les fichiers de %1.</source>
        <translation>Not enough memory to import the files of %1.</translation>
    </message>
    <message>
        <source>Les deux profils n&apos;ont pas le même nombre de points (%1 à l&apos;emplanture, %2 au saumon) : synchronisez-les avant d&apos;écrire le programme.</source>
        <translation>The two profiles do not have the same number of points (%1 at the root, %2 at the tip): synchronise them before writing the program.</translation>
    </message>
    <message>
        <source>Il faut deux profils d&apos;au moins deux points pour écrire un programme.</source>
        <translation>Two profiles of at least two points each are needed to write a program.</translation>
    </message>
    <message>
        <source>L&apos;écartement entre l&apos;emplanture et le saumon est nul : le fil ne peut pas être placé.</source>
        <translation>The spacing between the root and the tip is zero: the wire cannot be placed.</translation>
    </message>
    <message>
        <source>Le bloc sort des chariots : ses faces sont à z = %1 et z = %2 mm du chariot gauche, les chariots à 0 et %3 mm.</source>
        <translation>The block goes beyond the carriages: its faces are at z = %1 and z = %2 mm from the left carriage, the carriages at 0 and %3 mm.</translation>
    </message>
    <message>
        <source>Une position des chariots n&apos;est pas calculable : vérifiez les profils.</source>
        <translation>A position of the carriages cannot be computed: check the profiles.</translation>
    </message>
    <message>
        <source>L&apos;axe %1 sort de sa course de %2 mm.</source>
        <translation>Axis %1 goes beyond its travel by %2 mm.</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un nombre</source>
        <translation>« %1 » is not a number</translation>
    </message>
    <message>
        <source>point sans « ; » : « %1 »</source>
        <translation>point without « ; »: « %1 »</translation>
    </message>
    <message>
        <source>fichier trop volumineux : </source>
        <translation>file too large: </translation>
    </message>
    <message>
        <source>lecture impossible : </source>
        <translation>cannot read: </translation>
    </message>
    <message>
        <source>La distance entre les chariots doit être supérieure à 0 mm.</source>
        <translation>The distance between the carriages must be greater than 0 mm.</translation>
    </message>
    <message>
        <source>La distance du chariot gauche à l&apos;emplanture n&apos;est pas un nombre.</source>
        <translation>The distance from the left carriage to the root is not a number.</translation>
    </message>
    <message>
        <source>La course de chaque axe doit être supérieure à 0 mm.</source>
        <translation>The travel of each axis must be greater than 0 mm.</translation>
    </message>
    <message>
        <source>La vitesse de coupe doit être supérieure à 0 mm/s.</source>
        <translation>The cutting speed must be greater than 0 mm/s.</translation>
    </message>
    <message>
        <source>La saignée ne peut pas être négative.</source>
        <translation>The kerf cannot be negative.</translation>
    </message>
    <message>
        <source>La distance d&apos;entrée ne peut pas être négative.</source>
        <translation>The lead-in distance cannot be negative.</translation>
    </message>
    <message>
        <source>Les axes doivent être XYUV ou XYZA.</source>
        <translation>The axes must be XYUV or XYZA.</translation>
    </message>
    <message>
        <source>aucun point dans le fichier</source>
        <translation>no point in the file</translation>
    </message>
    <message>
        <source>coordonnées hors limites après mise à l&apos;échelle</source>
        <translation>coordinates out of limits after scaling</translation>
    </message>
    <message>
        <source>section %1 : nombre de points absent ou incorrect</source>
        <translation>section %1: number of points missing or incorrect</translation>
    </message>
    <message>
        <source>section %1 : point %2 absent ou illisible</source>
        <translation>section %1: point %2 missing or unreadable</translation>
    </message>
    <message>
        <source>%1 absent ou hors de la plage 1 à 359</source>
        <translation>%1 missing or outside the range 1 to 359</translation>
    </message>
    <message>
        <source>fichier absent ou illisible : </source>
        <translation>file missing or unreadable: </translation>
    </message>
    <message>
        <source>mémoire insuffisante pour lire </source>
        <translation>not enough memory to read </translation>
    </message>
    <message>
        <source>valeur numérique invalide à la ligne %1</source>
        <translation>invalid numeric value at line %1</translation>
    </message>
    <message>
        <source>valeur entière invalide à la ligne %1</source>
        <translation>invalid integer value at line %1</translation>
    </message>
    <message>
        <source>nom de section attendu à la ligne </source>
        <translation>section name expected at line </translation>
    </message>
    <message>
        <source>structure DXF invalide à la ligne </source>
        <translation>invalid DXF structure at line </translation>
    </message>
    <message>
        <source>code de groupe invalide à la ligne </source>
        <translation>invalid group code at line </translation>
    </message>
    <message>
        <source>fichier DXF tronqué : valeur manquante après la ligne </source>
        <translation>truncated DXF file: value missing after line </translation>
    </message>
    <message>
        <source>aucune section DXF dans le fichier</source>
        <translation>no DXF section in the file</translation>
    </message>
    <message>
        <source>fichier DXF tronqué : section non terminée</source>
        <translation>truncated DXF file: unfinished section</translation>
    </message>
    <message>
        <source>section non terminée avant la ligne </source>
        <translation>unfinished section before line </translation>
    </message>
    <message>
        <source>SECTION attendue à la ligne </source>
        <translation>SECTION expected at line </translation>
    </message>
    <message>
        <source>DXF binaire non pris en charge</source>
        <translation>binary DXF not supported</translation>
    </message>
    <message>
        <source>trop d&apos;entités dans le dessin (blocs imbriqués)</source>
        <translation>too many entities in the drawing (nested blocks)</translation>
    </message>
    <message>
        <source>dessin trop volumineux (plus de %1 points)</source>
        <translation>drawing too large (more than %1 points)</translation>
    </message>
    <message>
        <source>fichier binaire : octet nul dans le texte</source>
        <translation>binary file: null byte in the text</translation>
    </message>
    <message>
        <source>format Lednicer : les nombres de points annoncés (%1 et %2) ne correspondent pas aux %3 points lus</source>
        <translation>Lednicer format: the announced numbers of points (%1 and %2) do not match the %3 points read</translation>
    </message>
    <message>
        <source>impériales</source>
        <translation>imperial</translation>
    </message>
    <message>
        <source>métriques</source>
        <translation>metric</translation>
    </message>
    <message>
        <source>aucune entité géométrique lisible dans le fichier DXF</source>
        <translation>no readable geometric entity in the DXF file</translation>
    </message>
    <message>
        <source>mémoire insuffisante pour lire le fichier DXF</source>
        <translation>not enough memory to read the DXF file</translation>
    </message>
    <message>
        <source>aucun tracé plume baissée (PD) dans le fichier HPGL</source>
        <translation>no pen-down stroke (PD) in the HPGL file</translation>
    </message>
    <message>
        <source>coordonnée non finie dans le fichier</source>
        <translation>non-finite coordinate in the file</translation>
    </message>
    <message>
        <source>extension de fichier non reconnue : </source>
        <translation>file extension not recognised: </translation>
    </message>
    <message>
        <source>impossible de lire le fichier </source>
        <translation>cannot read the file </translation>
    </message>
    <message>
        <source>fichier vide : </source>
        <translation>empty file: </translation>
    </message>
    <message>
        <source> points     Sél.: </source>
        <translation> points     Sel.: </translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Galbix est déjà ouvert : la demande a été transmise à sa fenêtre.
</source>
        <translation>Galbix is already open: the request was passed to its window.
</translation>
    </message>
    <message>
        <source>Galbix est déjà ouvert, mais sa fenêtre ne répond pas.
</source>
        <translation>Galbix is already open, but its window does not answer.
</translation>
    </message>
    <message>
        <source>Programme G-code (*.ngc)|*.ngc|Tous les fichiers (*.*)|*.*</source>
        <translation>G-code program (*.ngc)|*.ngc|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Programme G-code</source>
        <translation>G-code program</translation>
    </message>
    <message>
        <source>Action impossible</source>
        <translation>Action impossible</translation>
    </message>
    <message>
        <source>Le déplacement de la sélection par appui sur la touche Ctrl ne peut se faire qu&apos;en vue de côté.
Appuyez sur le bouton &apos;Vue de côté&apos; pour avoir accès à cette fonction</source>
        <translation>Moving the selection with the Ctrl key can only be done in side view.
Press the &apos;Side view&apos; button to use this function</translation>
    </message>
    <message>
        <source>Il faut sélectionner quatre points consécutifs deux à deux.</source>
        <translation>Four consecutive points, two by two, must be selected.</translation>
    </message>
    <message>
        <source>Deux points consécutifs sont confondus, impossible de définir un des deux segments.</source>
        <translation>Two consecutive points coincide, one of the two segments cannot be defined.</translation>
    </message>
    <message>
        <source>Deux points consécutifs sont confondus, impossible de définir un des segments.</source>
        <translation>Two consecutive points coincide, one of the segments cannot be defined.</translation>
    </message>
    <message>
        <source>Attention, vous venez de créer un point superposé à un point existant</source>
        <translation>Warning, you have just created a point on top of an existing point</translation>
    </message>
    <message>
        <source>Erreur de saisie de l&apos;écartement</source>
        <translation>Spacing input error</translation>
    </message>
    <message>
        <source>Il faut conserver au moins deux points non sélectionnés de chaque côté.</source>
        <translation>At least two unselected points must be kept on each side.</translation>
    </message>
    <message>
        <source>Trop de points</source>
        <translation>Too many points</translation>
    </message>
    <message>
        <source>Pas de sélection sur un profil</source>
        <translation>No selection on a profile</translation>
    </message>
    <message>
        <source>Si vous ne sélectionnez pas de point d&apos;insertion sur un profil, l&apos;insertion se fera sur le dernier point.</source>
        <translation>If you do not select an insertion point on a profile, the insertion will be made at the last point.</translation>
    </message>
    <message>
        <source>Synchronisation impossible</source>
        <translation>Synchronisation impossible</translation>
    </message>
    <message>
        <source>Il n&apos;y a pas le même nombre de points de synchronisation à l&apos;emplanture et au saumon.</source>
        <translation>The root and the tip do not have the same number of synchronisation points.</translation>
    </message>
    <message>
        <source>Synchronisation effectuée</source>
        <translation>Synchronisation done</translation>
    </message>
    <message>
        <source>Veuillez contrôler que la synchronisation s&apos;est faite avec des profils qui tournaient dans le bon sens<byte value="xd"/>
et dont le premier point était bien placé. Pour cela il suffit de faire bouger le fil avec un ascenseur d&apos;une<byte value="xd"/>
des listes de points.</source>
        <translation>Please check that the synchronisation was made with profiles running in the right direction<byte value="xd"/>
and whose first point was well placed. To do so, just move the wire with the scroll bar of one<byte value="xd"/>
of the point lists.</translation>
    </message>
    <message>
        <source>Mémoire insuffisante</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>La mémoire manque pour cette commande : les profils restent tels qu&apos;ils étaient.</source>
        <translation>There is not enough memory for this command: the profiles stay as they were.</translation>
    </message>
    <message>
        <source>Cette valeur placerait des points hors des limites des nombres réels.</source>
        <translation>This value would place points beyond the limits of real numbers.</translation>
    </message>
    <message>
        <source>Demande d&apos;importation</source>
        <translation>Import request</translation>
    </message>
    <message>
        <source>Voulez-vous importer un projet qui effacera le projet en cours?</source>
        <translation>Do you want to import a project that will erase the current project?</translation>
    </message>
    <message>
        <source>TempE.dat ou/et TempS.dat introuvable(s)</source>
        <translation>TempE.dat and/or TempS.dat not found</translation>
    </message>
    <message>
        <source>Les fichiers d&apos;importation n&apos;ont pas été trouvés</source>
        <translation>The import files were not found</translation>
    </message>
    <message>
        <source>Importation impossible</source>
        <translation>Import impossible</translation>
    </message>
    <message>
        <source>Exportation impossible</source>
        <translation>Export impossible</translation>
    </message>
    <message>
        <source>Les fichiers TempE.dat et TempS.dat n&apos;ont pas pu être écrits dans %1 : les fichiers précédents sont restés tels quels.</source>
        <translation>The files TempE.dat and TempS.dat could not be written in %1: the previous files were left as they were.</translation>
    </message>
    <message>
        <source>Programme G-code impossible</source>
        <translation>G-code program impossible</translation>
    </message>
    <message>
        <source>Choisissez un fichier profil (.dat, .dxf, .plt)</source>
        <translation>Choose a profile file (.dat, .dxf, .plt)</translation>
    </message>
    <message>
        <source>DAO (*.dxf)|*.dxf|Profil (*.dat)|*.dat|Plotter (*.plt)|*.plt|Projet Galbix (*.gbx)|*.gbx|Projet Kerfex (*.kf)|*.kf|Tous les fichiers connus|*.dxf;*.dat;*.plt;*.gbx;*.kf</source>
        <translation>CAD (*.dxf)|*.dxf|Profile (*.dat)|*.dat|Plotter (*.plt)|*.plt|Galbix project (*.gbx)|*.gbx|Kerfex project (*.kf)|*.kf|All known files|*.dxf;*.dat;*.plt;*.gbx;*.kf</translation>
    </message>
    <message>
        <source>DAO (*.dxf)|*.dxf|Profil (*.dat)|*.dat|Plotter (*.plt)|*.plt|Tous les fichiers saumon|*.dxf;*.dat;*.plt</source>
        <translation>CAD (*.dxf)|*.dxf|Profile (*.dat)|*.dat|Plotter (*.plt)|*.plt|All tip files|*.dxf;*.dat;*.plt</translation>
    </message>
    <message>
        <source>Il faut d&apos;abord charger un profil d&apos;emplanture.</source>
        <translation>A root profile must be loaded first.</translation>
    </message>
    <message>
        <source>Profils Galbix - Nouveau projet</source>
        <translation>Galbix profiles - New project</translation>
    </message>
    <message>
        <source>Erreur de dimension</source>
        <translation>Dimension error</translation>
    </message>
    <message>
        <source>Le profil intermediaire doit être placé entre l&apos;emplanture et le saumon</source>
        <translation>The intermediate profile must be placed between the root and the tip</translation>
    </message>
    <message>
        <source>Profil intermédiaire impossible</source>
        <translation>Intermediate profile impossible</translation>
    </message>
    <message>
        <source>L&apos;emplanture et le saumon doivent avoir le même nombre de points.</source>
        <translation>The root and the tip must have the same number of points.</translation>
    </message>
    <message>
        <source>Profils Galbix - </source>
        <translation>Galbix profiles - </translation>
    </message>
    <message>
        <source>Enregistrer le profil emplanture en .dxf ou en .dat...</source>
        <translation>Save the root profile as .dxf or .dat...</translation>
    </message>
    <message>
        <source>Enregistrer le profil saumon en .dxf ou en .dat...</source>
        <translation>Save the tip profile as .dxf or .dat...</translation>
    </message>
    <message>
        <source>Enregistrer le projet ou l&apos;image 3D...</source>
        <translation>Save the project or the 3D picture...</translation>
    </message>
    <message>
        <source>Enregistrer le profil intermédiaire en .dxf ou en .dat...</source>
        <translation>Save the intermediate profile as .dxf or .dat...</translation>
    </message>
    <message>
        <source>DAO (*.dxf)|*.dxf|Profil (*.dat)|*.dat|Tous les fichiers (*.*)|*.*</source>
        <translation>CAD (*.dxf)|*.dxf|Profile (*.dat)|*.dat|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Projet Galbix(*.gbx)|*.gbx|DAO 3D (*.dxf)|*.dxf|Tous les fichiers (*.*)|*.*</source>
        <translation>Galbix project (*.gbx)|*.gbx|3D CAD (*.dxf)|*.dxf|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Sauvegarde en .dxf 3D impossible</source>
        <translation>Saving as 3D .dxf impossible</translation>
    </message>
    <message>
        <source>Pour le .dxf 3D, l&apos;emplanture et le saumon doivent avoir le même nombre de points.</source>
        <translation>For the 3D .dxf, the root and the tip must have the same number of points.</translation>
    </message>
    <message>
        <source>Erreur de saisie</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>Veuillez entrer un nombre décimal.</source>
        <translation>Please enter a decimal number.</translation>
    </message>
    <message>
        <source>Choix de séquences</source>
        <translation>Choice of sequences</translation>
    </message>
    <message>
        <source>Opération impossible</source>
        <translation>Operation impossible</translation>
    </message>
    <message>
        <source>Il faut au moins deux séquences et la dernière séquence ne doit pas être sélectionnée pour pouvoir utiliser cet outil</source>
        <translation>At least two sequences are needed and the last sequence must not be selected to use this tool</translation>
    </message>
    <message>
        <source>Il faut au moins deux séquences et la première séquence ne doit pas être sélectionnée pour pouvoir utiliser cet outil</source>
        <translation>At least two sequences are needed and the first sequence must not be selected to use this tool</translation>
    </message>
    <message>
        <source>Pas de point sélectionné sur la figure</source>
        <translation>No point selected on the figure</translation>
    </message>
    <message>
        <source>DAO (*.dxf)|*.dxf|Profil (*.dat)|*.dat|Plotter (*.plt)|*.plt|Projet Galbix (*.gbx)|*.gbx|Tous les fichiers connus|*.dxf;*.dat;*.plt;*.gbx</source>
        <translation>CAD (*.dxf)|*.dxf|Profile (*.dat)|*.dat|Plotter (*.plt)|*.plt|Galbix project (*.gbx)|*.gbx|All known files|*.dxf;*.dat;*.plt;*.gbx</translation>
    </message>
    <message>
        <source>Clic gauche en haut et en bas = Sélection d&apos;une séquence par clic simple ou rectangle<byte value="xd"/>
Ctrl + clic gauche en bas = saisir les séquences sélectionnées pour les déplacer<byte value="xd"/>
Alt + déplacement en bas = afficher le point sous le curseur<byte value="xd"/>
Alt + clic en bas = déplacer le point affiché sous le curseur</source>
        <translation>Left click at the top and at the bottom = Selection of a sequence by single click or rectangle<byte value="xd"/>
Ctrl + left click at the bottom = grab the selected sequences to move them<byte value="xd"/>
Alt + move at the bottom = show the point under the cursor<byte value="xd"/>
Alt + click at the bottom = move the point shown under the cursor</translation>
    </message>
    <message>
        <source>Modifier l&apos;ordre des séquences</source>
        <translation>Change the order of the sequences</translation>
    </message>
    <message>
        <source>Dist. Sel.</source>
        <translation>Sel. dist.</translation>
    </message>
    <message>
        <source>Il n&apos;est pas possible d&apos;entrer un écartement négatif ou nul.</source>
        <translation>A negative or zero spacing cannot be entered.</translation>
    </message>
    <message>
        <source>La corde de ce profil est nulle : il n&apos;est pas possible de la changer.</source>
        <translation>The chord of this profile is zero: it cannot be changed.</translation>
    </message>
    <message>
        <source>Pas de sélection violette</source>
        <translation>No purple selection</translation>
    </message>
    <message>
        <source>Pas de point de référence défini à l&apos;emplanture ou au saumon, alignement impossible</source>
        <translation>No reference point defined at the root or at the tip, alignment impossible</translation>
    </message>
    <message>
        <source>Zoom + et - uniquement par clic sur les flèches.</source>
        <translation>Zoom + and - only by clicking on the arrows.</translation>
    </message>
    <message>
        <source>usage : galbix [PROJET.gbx]

Galbix prépare les profils d&apos;emplanture et de saumon pour la découpe au fil chaud.

Arguments :
  PROJET.gbx       projet ouvert au démarrage (extension .gbx ou .GBX)

Options :
  -h, --help       affiche cette aide
  -v, --version    affiche la version
  --langue fr|en   langue de l&apos;interface : fr (par défaut) ou en

Le manuel s&apos;ouvre dans le programme avec la touche F1 ; voir aussi man galbix
et galbix-cli --help pour l&apos;outil en ligne de commande.
</source>
        <translation>usage: galbix [PROJET.gbx]

Galbix prepares root and tip profiles for hot-wire foam cutting.

Arguments:
  PROJET.gbx       project opened at start (extension .gbx or .GBX)

Options:
  -h, --help       shows this help
  -v, --version    shows the version
  --langue fr|en   language of the interface: fr (default) or en

The manual (in French) opens in the program with the F1 key; see also man galbix
and galbix-cli --help for the command-line tool.
</translation>
    </message>
    <message>
        <source>ligne %1 : %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>coordonnées après le texte qui suit les données</source>
        <translation>coordinates after the text that follows the data</translation>
    </message>
    <message>
        <source>une paire de coordonnées est attendue</source>
        <translation>a pair of coordinates is expected</translation>
    </message>
    <message>
        <source>pouces</source>
        <translation>inches</translation>
    </message>
    <message>
        <source>pieds</source>
        <translation>feet</translation>
    </message>
    <message>
        <source>milles</source>
        <translation>miles</translation>
    </message>
    <message>
        <source>millimètres</source>
        <translation>millimetres</translation>
    </message>
    <message>
        <source>centimètres</source>
        <translation>centimetres</translation>
    </message>
    <message>
        <source>mètres</source>
        <translation>metres</translation>
    </message>
    <message>
        <source>kilomètres</source>
        <translation>kilometres</translation>
    </message>
    <message>
        <source>micropouces</source>
        <translation>microinches</translation>
    </message>
    <message>
        <source>millièmes de pouce</source>
        <translation>mils</translation>
    </message>
    <message>
        <source>yards</source>
        <translation>yards</translation>
    </message>
    <message>
        <source>angströms</source>
        <translation>ångströms</translation>
    </message>
    <message>
        <source>nanomètres</source>
        <translation>nanometres</translation>
    </message>
    <message>
        <source>micromètres</source>
        <translation>micrometres</translation>
    </message>
    <message>
        <source>décimètres</source>
        <translation>decimetres</translation>
    </message>
    <message>
        <source>décamètres</source>
        <translation>decametres</translation>
    </message>
    <message>
        <source>hectomètres</source>
        <translation>hectometres</translation>
    </message>
    <message>
        <source>gigamètres</source>
        <translation>gigametres</translation>
    </message>
    <message>
        <source>unités astronomiques</source>
        <translation>astronomical units</translation>
    </message>
    <message>
        <source>années-lumière</source>
        <translation>light years</translation>
    </message>
    <message>
        <source>parsecs</source>
        <translation>parsecs</translation>
    </message>
    <message>
        <source>pieds US</source>
        <translation>US survey feet</translation>
    </message>
    <message>
        <source>pouces US</source>
        <translation>US survey inches</translation>
    </message>
    <message>
        <source>yards US</source>
        <translation>US survey yards</translation>
    </message>
    <message>
        <source>milles US</source>
        <translation>US survey miles</translation>
    </message>
</context>
<context>
    <name>galbix-cli</name>
    <message>
        <source>séquence %1 inexistante (le fichier en a %2)</source>
        <translation>sequence %1 does not exist (the file has %2)</translation>
    </message>
    <message>
        <source>écriture impossible : %1</source>
        <translation>cannot write: %1</translation>
    </message>
    <message>
        <source>
Verbes :
</source>
        <translation>
Verbs:
</translation>
    </message>
    <message>
        <source>le projet n&apos;a pas de profil à éditer : </source>
        <translation>the project has no profile to edit: </translation>
    </message>
    <message>
        <source>verbe inconnu : </source>
        <translation>unknown verb: </translation>
    </message>
    <message>
        <source>arguments manquants après </source>
        <translation>missing arguments after </translation>
    </message>
    <message>
        <source>écriture impossible : </source>
        <translation>cannot write: </translation>
    </message>
    <message>
        <source>fichier de projet : aucun profil chargé par cette commande</source>
        <translation>project file: no profile loaded by this command</translation>
    </message>
    <message>
        <source>les deux profils n&apos;ont pas le même nombre de points (%1 et %2)</source>
        <translation>the two profiles do not have the same number of points (%1 and %2)</translation>
    </message>
    <message>
        <source>Écrit le programme G-code d&apos;un projet synchronisé pour une machine 4 axes : le fil prolongé jusqu&apos;aux deux chariots, chaque mouvement à la vitesse de coupe du point de profil le plus rapide.</source>
        <translation>Writes the G-code program of a synchronised project for a 4-axis machine: the wire extended to both carriages, each move at the cutting speed of the fastest profile point.</translation>
    </message>
    <message>
        <source>distance entre les deux chariots (mm, obligatoire)</source>
        <translation>distance between the two carriages (mm, required)</translation>
    </message>
    <message>
        <source>distance du chariot gauche à la face d&apos;emplanture (mm, obligatoire)</source>
        <translation>distance from the left carriage to the root face (mm, required)</translation>
    </message>
    <message>
        <source>vitesse de coupe (3 mm/s par défaut)</source>
        <translation>cutting speed (3 mm/s by default)</translation>
    </message>
    <message>
        <source>largeur de la saignée du fil (0 par défaut)</source>
        <translation>width of the wire&apos;s kerf (0 by default)</translation>
    </message>
    <message>
        <source>lettres des axes des chariots gauche et droit (XYUV par défaut)</source>
        <translation>letters of the axes of the left and right carriages (XYUV by default)</translation>
    </message>
    <message>
        <source>temps inverse (g93, par défaut) ou mm/min sur les quatre axes (g94)</source>
        <translation>inverse time (g93, default) or mm/min on the four axes (g94)</translation>
    </message>
    <message>
        <source>distance du point d&apos;entrée avant la première paire (10 mm par défaut)</source>
        <translation>distance of the lead-in point before the first pair (10 mm by default)</translation>
    </message>
    <message>
        <source>l&apos;emplanture est du côté du chariot droit</source>
        <translation>the root is on the side of the right carriage</translation>
    </message>
    <message>
        <source>course de chaque axe (1000,500,1000,500 par défaut)</source>
        <translation>travel of each axis (1000,500,1000,500 by default)</translation>
    </message>
    <message>
        <source>écriture impossible de %1 et %2 dans %3</source>
        <translation>cannot write %1 and %2 in %3</translation>
    </message>
    <message>
        <source> : fichier de projet, aucun profil chargé par cette commande</source>
        <translation>: project file, no profile loaded by this command</translation>
    </message>
    <message>
        <source>option inconnue « </source>
        <translation>unknown option « </translation>
    </message>
    <message>
        <source>valeur manquante après « </source>
        <translation>missing value after « </translation>
    </message>
    <message>
        <source>usage : galbix-cli SOUS-COMMANDE [ARGUMENTS...]
        galbix-cli SOUS-COMMANDE --help

Les routines de Galbix pour les scripts : lecture et conversion de profils,
projets, échange avec Kerfex. Chaque sous-commande écrit un objet JSON ou des
fichiers et se termine avec le statut 0 (réussite), 1 (arguments incorrects)
ou 2 (fichier illisible ou impossible à écrire, opération refusée).

Sous-commandes :
</source>
        <translation>usage: galbix-cli SUBCOMMAND [ARGUMENTS...]
        galbix-cli SUBCOMMAND --help

The routines of Galbix for scripts: reading and converting profiles,
projects, exchange with Kerfex. Each subcommand writes a JSON object or
files and ends with status 0 (success), 1 (wrong arguments)
or 2 (file unreadable or impossible to write, operation refused).

Subcommands:
</translation>
    </message>
    <message>
        <source>
Options :
</source>
        <translation>
Options:
</translation>
    </message>
    <message>
        <source>affiche cette aide</source>
        <translation>shows this help</translation>
    </message>
    <message>
        <source>affiche la version</source>
        <translation>shows the version</translation>
    </message>
    <message>
        <source>
Le manuel de Galbix (touche F1 dans le programme) décrit chaque sous-commande.
</source>
        <translation>
The manual of Galbix (F1 key in the program, in French) describes each subcommand.
The option --langue en (before or after the subcommand) gives the messages in English.
</translation>
    </message>
    <message>
        <source> : option inconnue « </source>
        <translation>: unknown option « </translation>
    </message>
    <message>
        <source> » (galbix-cli --help donne l&apos;aide)</source>
        <translation> » (galbix-cli --help gives the help)</translation>
    </message>
    <message>
        <source> : sous-commande inconnue « </source>
        <translation>: unknown subcommand « </translation>
    </message>
    <message>
        <source> » (galbix-cli --help donne la liste)</source>
        <translation> » (galbix-cli --help gives the list)</translation>
    </message>
    <message>
        <source>Format, en-tête, nombre de points, unités déclarées, étendue et contours d&apos;un fichier de profil.</source>
        <translation>Format, header, number of points, declared units, extent and contours of a profile file.</translation>
    </message>
    <message>
        <source>Lit un fichier de profil et l&apos;écrit au format de l&apos;extension de SORTIE (.dat ou .dxf).</source>
        <translation>Reads a profile file and writes it in the format of the extension of SORTIE (.dat or .dxf).</translation>
    </message>
    <message>
        <source>en-tête du fichier écrit (par défaut celui du fichier lu)</source>
        <translation>header of the written file (by default that of the file read)</translation>
    </message>
    <message>
        <source>Charge un fichier comme le bouton d&apos;ouverture de l&apos;emplanture (allègement des contours dessinés, mise à 100 mm de corde des .dat).</source>
        <translation>Loads a file like the root&apos;s open button (thinning of drawn contours, .dat scaled to a 100 mm chord).</translation>
    </message>
    <message>
        <source>Écrit un profil NACA calculé par sa formule (corde 100 mm) : quatre chiffres (2412), cinq chiffres (23012, 23112 à double courbure) ou quatre chiffres modifiés (0012-64).</source>
        <translation>Writes a NACA profile computed from its formula (100 mm chord): four digits (2412), five digits (23012, 23112 reflexed) or modified four digits (0012-64).</translation>
    </message>
    <message>
        <source>points par surface (61 par défaut, au moins 2)</source>
        <translation>points per surface (61 by default, at least 2)</translation>
    </message>
    <message>
        <source>Lit un projet comme le programme : points, écartement, options, vue et commentaire.</source>
        <translation>Reads a project like the program: points, spacing, options, view and comment.</translation>
    </message>
    <message>
        <source>Écrit la paire d&apos;échange TempE.dat / TempS.dat du projet dans DOSSIER.</source>
        <translation>Writes the exchange pair TempE.dat / TempS.dat of the project in DOSSIER.</translation>
    </message>
    <message>
        <source>dossier où écrire TempE.dat et TempS.dat</source>
        <translation>folder where TempE.dat and TempS.dat are written</translation>
    </message>
    <message>
        <source>Lit la paire d&apos;échange TempE.dat / TempS.dat de DOSSIER et l&apos;enregistre comme projet.</source>
        <translation>Reads the exchange pair TempE.dat / TempS.dat from DOSSIER and saves it as a project.</translation>
    </message>
    <message>
        <source>dossier où lire TempE.dat et TempS.dat</source>
        <translation>folder where TempE.dat and TempS.dat are read</translation>
    </message>
    <message>
        <source>Écrit le projet de démonstration (emplanture NACA 2412, saumon NACA 0012).</source>
        <translation>Writes the demonstration project (root NACA 2412, tip NACA 0012).</translation>
    </message>
    <message>
        <source>Charge les deux profils, les synchronise entre leurs extrémités et écrit chaque côté demandé.</source>
        <translation>Loads both profiles, synchronises them between their ends and writes each side asked for.</translation>
    </message>
    <message>
        <source>profil d&apos;emplanture synchronisé</source>
        <translation>synchronised root profile</translation>
    </message>
    <message>
        <source>profil de saumon synchronisé</source>
        <translation>synchronised tip profile</translation>
    </message>
    <message>
        <source>Applique à un projet une suite de commandes d&apos;édition (selectionner, deselectionner, courant, supprimer, inserer, copier, couper, coller, renumeroter, dupliquer, intersection, decaler, nettoyer, lisser) et enregistre le résultat. Les arguments des verbes sont des valeurs, jamais des options : « -,5 » est un nombre.</source>
        <translation>Applies a series of editing commands to a project (selectionner, deselectionner, courant, supprimer, inserer, copier, couper, coller, renumeroter, dupliquer, intersection, decaler, nettoyer, lisser) and saves the result. The arguments of the verbs are values, never options: « -,5 » is a number.</translation>
    </message>
    <message>
        <source>Écrit le profil intermédiaire situé à DISTANCE mm de l&apos;emplanture et son rapport de caractéristiques.</source>
        <translation>Writes the intermediate profile located DISTANCE mm from the root and its report of characteristics.</translation>
    </message>
    <message>
        <source>Lit un projet Kerfex (.kf) et l&apos;enregistre comme projet Galbix.</source>
        <translation>Reads a Kerfex project (.kf) and saves it as a Galbix project.</translation>
    </message>
    <message>
        <source>Assemble les contours d&apos;un dessin en un seul parcours de découpe, dans l&apos;ordre donné.</source>
        <translation>Assembles the contours of a drawing into a single cutting path, in the given order.</translation>
    </message>
    <message>
        <source>contours à assembler, numérotés à partir de 1 (« 3,1r,2 » : r = inversé)</source>
        <translation>contours to assemble, numbered from 1 (« 3,1r,2 »: r = reversed)</translation>
    </message>
    <message>
        <source>Décrit la découpe d&apos;un projet synchronisé : durée à la vitesse donnée, longueurs des deux parcours, écart maximal de rapport et segments à vérifier.</source>
        <translation>Describes the cut of a synchronised project: duration at the given speed, lengths of both paths, largest ratio gap and segments to check.</translation>
    </message>
    <message>
        <source>vitesse de coupe du chariot le plus rapide (3 mm/s par défaut)</source>
        <translation>cutting speed of the fastest carriage (3 mm/s by default)</translation>
    </message>
    <message>
        <source>« Créer l&apos;intersection » (avis sur la sortie d&apos;erreur)</source>
        <translation>« Create the intersection » (notice on the error output)</translation>
    </message>
    <message>
        <source>décale les profils de DISTANCE mm (nombre comme dans le champ)</source>
        <translation>offsets the profiles by DISTANCE mm (number as in the field)</translation>
    </message>
    <message>
        <source>« Nettoyer », avec ou sans les points synchrones</source>
        <translation>« Clean up », with or without the synchronous points</translation>
    </message>
    <message>
        <source>Point absent</source>
        <translation>Missing point</translation>
    </message>
    <message>
        <source>le côté %1 n&apos;a que %2 points</source>
        <translation>side %1 has only %2 points</translation>
    </message>
    <message>
        <source>sélectionne les points A à B du ou des côtés</source>
        <translation>selects points A to B of the side or sides</translation>
    </message>
    <message>
        <source>désélectionne tous les points</source>
        <translation>deselects every point</translation>
    </message>
    <message>
        <source>fait du point N le point courant</source>
        <translation>makes point N the current point</translation>
    </message>
    <message>
        <source>« Insérer un point »</source>
        <translation>« Insert a point »</translation>
    </message>
    <message>
        <source>« Renuméroter » depuis le point courant</source>
        <translation>« Renumber » from the current point</translation>
    </message>
    <message>
        <source>« Deux ailes dans le bloc » (0 miroir, 1 reliées), écart en mm</source>
        <translation>« Two wings in the block » (0 mirror, 1 joined), gap in mm</translation>
    </message>
    <message>
        <source>langue des messages : fr (par défaut) ou en</source>
        <translation>language of the messages: fr (default) or en</translation>
    </message>
</context>
<context>
    <name>galbix::DialogueNaca</name>
    <message>
        <source>Profil NACA - Emplanture</source>
        <translation>NACA profile - Root</translation>
    </message>
    <message>
        <source>Profil NACA - Saumon</source>
        <translation>NACA profile - Tip</translation>
    </message>
    <message>
        <source>2412, 23012, 23112, 0012-64</source>
        <translation>2412, 23012, 23112, 0012-64</translation>
    </message>
    <message>
        <source>Quatre chiffres (2412), cinq chiffres (23012, 23112 à double courbure) ou quatre chiffres modifiés (0012-64)</source>
        <translation>Four digits (2412), five digits (23012, 23112 reflexed) or modified four digits (0012-64)</translation>
    </message>
    <message>
        <source>Points de chaque surface, bord d&apos;attaque compris (répartition en cosinus)</source>
        <translation>Points of each surface, leading edge included (cosine spacing)</translation>
    </message>
    <message>
        <source>Charger</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Code NACA</source>
        <translation>NACA code</translation>
    </message>
    <message>
        <source>Points par surface</source>
        <translation>Points per surface</translation>
    </message>
    <message numerus="yes">
        <source>%1 : %n points</source>
        <translation>
            <numerusform>%1: %n point</numerusform>
            <numerusform>%1: %n points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>galbix::FenetreAPropos</name>
    <message>
        <source>À propos de </source>
        <translation>About </translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Préparation des profils d&apos;emplanture et de saumon pour la découpe au fil chaud des ailes et des volumes réglés.</source>
        <translation>Preparation of root and tip profiles for hot-wire cutting of wings and ruled volumes.</translation>
    </message>
    <message>
        <source>Infos système...</source>
        <translation>System info...</translation>
    </message>
    <message>
        <source>Les informations système ne sont pas disponibles actuellement</source>
        <translation>System information is not available at the moment</translation>
    </message>
    <message>
        <source>Système : </source>
        <translation>System: </translation>
    </message>
    <message>
        <source>Noyau : </source>
        <translation>Kernel: </translation>
    </message>
    <message>
        <source>Processeur : </source>
        <translation>Processor: </translation>
    </message>
    <message>
        <source>Qt : </source>
        <translation>Qt: </translation>
    </message>
    <message>
        <source> (construit avec </source>
        <translation> (built with </translation>
    </message>
    <message>
        <source>Galbix : </source>
        <translation>Galbix: </translation>
    </message>
    <message>
        <source>Version de Tranchex.dll : 0.0.</source>
        <translation>Version of Tranchex.dll: 0.0.</translation>
    </message>
</context>
<context>
    <name>galbix::FenetreAide</name>
    <message>
        <source>Aide de Galbix</source>
        <translation>Galbix help</translation>
    </message>
    <message>
        <source>Précédent</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Page précédente (Alt+Gauche)</source>
        <translation>Previous page (Alt+Left)</translation>
    </message>
    <message>
        <source>Suivant</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Page suivante (Alt+Droite)</source>
        <translation>Next page (Alt+Right)</translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Première page du manuel</source>
        <translation>First page of the manual</translation>
    </message>
    <message>
        <source>Rechercher dans le manuel (Ctrl+F)</source>
        <translation>Search the manual (Ctrl+F)</translation>
    </message>
    <message>
        <source>Aucun résultat pour « </source>
        <translation>No result for « </translation>
    </message>
    <message>
        <source>Le manuel est en français.</source>
        <translation>The manual is in French.</translation>
    </message>
</context>
<context>
    <name>galbix::FenetreMachine</name>
    <message>
        <source>Machine de découpe</source>
        <translation>Cutting machine</translation>
    </message>
    <message>
        <source>Écrire le programme…</source>
        <translation>Write the program…</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Distance entre les chariots L</source>
        <translation>Distance between the carriages L</translation>
    </message>
    <message>
        <source>Distance entre les plans des deux chariots</source>
        <translation>Distance between the planes of the two carriages</translation>
    </message>
    <message>
        <source>Du chariot gauche à l&apos;emplanture D</source>
        <translation>From the left carriage to the root D</translation>
    </message>
    <message>
        <source>Distance du chariot gauche à la face d&apos;emplanture du bloc</source>
        <translation>Distance from the left carriage to the root face of the block</translation>
    </message>
    <message>
        <source>Emplanture du côté du chariot</source>
        <translation>Root on the side of carriage</translation>
    </message>
    <message>
        <source>Axes des chariots</source>
        <translation>Carriage axes</translation>
    </message>
    <message>
        <source>Courses (mm)</source>
        <translation>Travels (mm)</translation>
    </message>
    <message>
        <source>Vitesse de coupe</source>
        <translation>Cutting speed</translation>
    </message>
    <message>
        <source>Vitesse du point de profil le plus rapide</source>
        <translation>Speed of the fastest profile point</translation>
    </message>
    <message>
        <source>temps inverse (G93)</source>
        <translation>inverse time (G93)</translation>
    </message>
    <message>
        <source>mm/min sur les 4 axes (G94)</source>
        <translation>mm/min on the 4 axes (G94)</translation>
    </message>
    <message>
        <source>Avance</source>
        <translation>Feed</translation>
    </message>
    <message>
        <source>Saignée du fil</source>
        <translation>Wire kerf</translation>
    </message>
    <message>
        <source>Largeur fondue par le fil : chaque profil est décalé de la moitié vers l&apos;extérieur</source>
        <translation>Width melted by the wire: each profile is offset outwards by half of it</translation>
    </message>
    <message>
        <source>Entrée</source>
        <translation>Lead-in</translation>
    </message>
    <message>
        <source>Le fil part d&apos;un point situé à cette distance avant la première paire et y revient</source>
        <translation>The wire starts from a point at this distance before the first pair and comes back to it</translation>
    </message>
    <message>
        <source>Lignes G-code séparées par |</source>
        <translation>G-code lines separated by |</translation>
    </message>
    <message>
        <source>Lignes avant la découpe</source>
        <translation>Lines before the cut</translation>
    </message>
    <message>
        <source>Lignes après la découpe</source>
        <translation>Lines after the cut</translation>
    </message>
    <message>
        <source>Enregistrer le programme G-code</source>
        <translation>Save the G-code program</translation>
    </message>
    <message>
        <source>Le programme n&apos;a pas pu être écrit dans %1.</source>
        <translation>The program could not be written in %1.</translation>
    </message>
    <message>
        <source>%1 de %2 à %3 mm, %4 de %5 à %6 mm</source>
        <translation>%1 from %2 to %3 mm, %4 from %5 to %6 mm</translation>
    </message>
    <message>
        <source>Programme écrit dans %1 : %2 lignes, durée estimée %3.

Chariot gauche : %4
Chariot droit : %5</source>
        <translation>Program written in %1: %2 lines, estimated duration %3.

Left carriage: %4
Right carriage: %5</translation>
    </message>
    <message>
        <source>Course de l&apos;axe, à partir de 0</source>
        <translation>Travel of the axis, from 0</translation>
    </message>
</context>
<context>
    <name>galbix::FenetrePrincipale</name>
    <message>
        <source>NACA...</source>
        <translation>NACA...</translation>
    </message>
    <message>
        <source>Calculer le profil de l&apos;emplanture à partir de son code NACA (2412, 23012, 0012-64)</source>
        <translation>Compute the root profile from its NACA code (2412, 23012, 0012-64)</translation>
    </message>
    <message>
        <source>Calculer le profil du saumon à partir de son code NACA (2412, 23012, 0012-64)</source>
        <translation>Compute the tip profile from its NACA code (2412, 23012, 0012-64)</translation>
    </message>
    <message>
        <source>Déplacer</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Translation suivant </source>
        <translation>Translation along </translation>
    </message>
    <message>
        <source>Ecartement</source>
        <translation>Spacing</translation>
    </message>
    <message>
        <source>Distance entre l&apos;emplanture et le saumon le long de l&apos;envergure</source>
        <translation>Distance between the root and the tip along the span</translation>
    </message>
    <message>
        <source>Etirer</source>
        <translation>Stretch</translation>
    </message>
    <message>
        <source>X et Y (%)</source>
        <translation>X and Y (%)</translation>
    </message>
    <message>
        <source>Etirer suivant X</source>
        <translation>Stretch along X</translation>
    </message>
    <message>
        <source>Etirer suivant Y</source>
        <translation>Stretch along Y</translation>
    </message>
    <message>
        <source>Etirer proportionnellement</source>
        <translation>Stretch proportionally</translation>
    </message>
    <message>
        <source>Tourner</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Rotation de la sélection</source>
        <translation>Rotation of the selection</translation>
    </message>
    <message>
        <source>Angle (°)</source>
        <translation>Angle (°)</translation>
    </message>
    <message>
        <source>Décaler</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Coffrage, semelle...</source>
        <translation>Formwork, sole...</translation>
    </message>
    <message>
        <source>Décalage parallèle de la sélection</source>
        <translation>Parallel offset of the selection</translation>
    </message>
    <message>
        <source>Flèche</source>
        <translation>Sweep</translation>
    </message>
    <message>
        <source>Flèche BA (mm)</source>
        <translation>LE sweep (mm)</translation>
    </message>
    <message>
        <source>Flèche BF (mm)</source>
        <translation>TE sweep (mm)</translation>
    </message>
    <message>
        <source>Flèche BA</source>
        <translation>LE sweep</translation>
    </message>
    <message>
        <source>Flèche BF</source>
        <translation>TE sweep</translation>
    </message>
    <message>
        <source>Aligner les BA</source>
        <translation>Align the LEs</translation>
    </message>
    <message>
        <source>Aligner les milieux</source>
        <translation>Align the middles</translation>
    </message>
    <message>
        <source>Aligner les BF</source>
        <translation>Align the TEs</translation>
    </message>
    <message>
        <source>Aligner</source>
        <translation>Align</translation>
    </message>
    <message>
        <source>Points réf.</source>
        <translation>Ref. points</translation>
    </message>
    <message>
        <source>Visu</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Fil</source>
        <translation>Wire</translation>
    </message>
    <message>
        <source>Afficher le fil entre les points courants</source>
        <translation>Show the wire between the current points</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Relier les points de même numéro</source>
        <translation>Join the points of the same number</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Image de fond copiée dans le presse-papiers</source>
        <translation>Background picture copied to the clipboard</translation>
    </message>
    <message>
        <source>Image de fond</source>
        <translation>Background picture</translation>
    </message>
    <message>
        <source>Ailes</source>
        <translation>Wings</translation>
    </message>
    <message>
        <source>Écart entre les deux ailes dans le bloc</source>
        <translation>Gap between the two wings in the block</translation>
    </message>
    <message>
        <source>Deux ailes dans le bloc</source>
        <translation>Two wings in the block</translation>
    </message>
    <message>
        <source>Dièdre</source>
        <translation>Dihedral</translation>
    </message>
    <message>
        <source>Dièdre : hauteur du saumon (mm)</source>
        <translation>Dihedral: height of the tip (mm)</translation>
    </message>
    <message>
        <source>Dièdre : angle (degrés)</source>
        <translation>Dihedral: angle (degrees)</translation>
    </message>
    <message>
        <source>Écart des extrados (mm)</source>
        <translation>Gap of the upper surfaces (mm)</translation>
    </message>
    <message>
        <source>Aligner les extrados</source>
        <translation>Align the upper surfaces</translation>
    </message>
    <message>
        <source>Aligner Bords d&apos;Attaques</source>
        <translation>Align Leading Edges</translation>
    </message>
    <message>
        <source>Aligner les Bords de Fuite</source>
        <translation>Align the Trailing Edges</translation>
    </message>
    <message>
        <source>Aligner les intrados</source>
        <translation>Align the lower surfaces</translation>
    </message>
    <message>
        <source>Kerfex</source>
        <translation>Kerfex</translation>
    </message>
    <message>
        <source>Exporter le projet</source>
        <translation>Export the project</translation>
    </message>
    <message>
        <source>Écrire TempE.dat et TempS.dat pour Kerfex</source>
        <translation>Write TempE.dat and TempS.dat for Kerfex</translation>
    </message>
    <message>
        <source>Importer un projet</source>
        <translation>Import a project</translation>
    </message>
    <message>
        <source>Lire TempE.dat et TempS.dat écrits par Kerfex</source>
        <translation>Read TempE.dat and TempS.dat written by Kerfex</translation>
    </message>
    <message>
        <source>Programme G-code…</source>
        <translation>G-code program…</translation>
    </message>
    <message>
        <source>Écrire le programme d&apos;une machine 4 axes pilotée en G-code</source>
        <translation>Write the program of a 4-axis machine driven by G-code</translation>
    </message>
    <message>
        <source>Profils</source>
        <translation>Profiles</translation>
    </message>
    <message>
        <source>Profil intermédiaire</source>
        <translation>Intermediate profile</translation>
    </message>
    <message>
        <source>Profil situé entre l&apos;emplanture et le saumon</source>
        <translation>Profile located between the root and the tip</translation>
    </message>
    <message>
        <source>Distance du profil intermédiaire à l&apos;emplanture</source>
        <translation>Distance from the intermediate profile to the root</translation>
    </message>
    <message>
        <source>Sauver le profil intermédiaire</source>
        <translation>Save the intermediate profile</translation>
    </message>
    <message>
        <source>Insérer un profil</source>
        <translation>Insert a profile</translation>
    </message>
    <message>
        <source>Ouvrir un autre profil et l&apos;insérer au point sélectionné</source>
        <translation>Open another profile and insert it at the selected point</translation>
    </message>
    <message>
        <source>Sauver projet ou dxf 3D</source>
        <translation>Save project or 3D dxf</translation>
    </message>
    <message>
        <source>Opération impossible</source>
        <translation>Operation impossible</translation>
    </message>
    <message>
        <source>Le profil d&apos;emplanture est déjà fermé</source>
        <translation>The root profile is already closed</translation>
    </message>
    <message>
        <source>Le profil de saumon est déjà fermé</source>
        <translation>The tip profile is already closed</translation>
    </message>
    <message>
        <source>Numero de version de Tranchex.dll</source>
        <translation>Version number of Tranchex.dll</translation>
    </message>
    <message>
        <source>Le numéro de version de Tranchex.dll est insuffisant pour bénéficier de toutes les fonctionnalités<byte value="xd"/>
Vous devez utiliser au moins Tranchex.dll v0.30</source>
        <translation>The version number of Tranchex.dll is too low to benefit from every feature<byte value="xd"/>
You must use at least Tranchex.dll v0.30</translation>
    </message>
    <message>
        <source>Synchro</source>
        <translation>Synchro</translation>
    </message>
    <message>
        <source>Synchronisation optimale</source>
        <translation>Optimal synchronisation</translation>
    </message>
    <message>
        <source>Donner aux deux profils le même nombre de points, répartis entre les points de synchronisation</source>
        <translation>Give both profiles the same number of points, spread between the synchronisation points</translation>
    </message>
    <message>
        <source>Emplanture</source>
        <translation>Root</translation>
    </message>
    <message>
        <source>Saumon</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Corde du profil (mm)</source>
        <translation>Chord of the profile (mm)</translation>
    </message>
    <message>
        <source>Fermer emplanture</source>
        <translation>Close root</translation>
    </message>
    <message>
        <source>Fermer saumon</source>
        <translation>Close tip</translation>
    </message>
    <message>
        <source>Ajouter à la fin du contour une copie de son premier point</source>
        <translation>Add at the end of the contour a copy of its first point</translation>
    </message>
    <message>
        <source>Corde du profil</source>
        <translation>Profile chord</translation>
    </message>
    <message>
        <source>Afficher Emplanture</source>
        <translation>Show Root</translation>
    </message>
    <message>
        <source>Afficher Saumon</source>
        <translation>Show Tip</translation>
    </message>
    <message>
        <source>Points Emplanture</source>
        <translation>Root points</translation>
    </message>
    <message>
        <source>Points Saumon</source>
        <translation>Tip points</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Ouvrir...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Ouvrir un profil (.dat, .dxf, .plt), un projet Galbix (.gbx) ou un projet Kerfex (.kf)</source>
        <translation>Open a profile (.dat, .dxf, .plt), a Galbix project (.gbx) or a Kerfex project (.kf)</translation>
    </message>
    <message>
        <source>Ouvrir le profil du saumon (.dat, .dxf, .plt)</source>
        <translation>Open the tip profile (.dat, .dxf, .plt)</translation>
    </message>
    <message>
        <source>Sauver le profil de l&apos;emplanture (.dat ou .dxf)</source>
        <translation>Save the root profile (.dat or .dxf)</translation>
    </message>
    <message>
        <source>Sauver le profil du saumon (.dat ou .dxf)</source>
        <translation>Save the tip profile (.dat or .dxf)</translation>
    </message>
    <message>
        <source>Tout sélectionner</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Tout déselectionner</source>
        <translation>Deselect all</translation>
    </message>
    <message>
        <source>Sélection Xmin Xmax</source>
        <translation>Select Xmin Xmax</translation>
    </message>
    <message>
        <source>Sélection Ymin Ymax</source>
        <translation>Select Ymin Ymax</translation>
    </message>
    <message>
        <source>Sélection &gt;30</source>
        <translation>Select &gt;30</translation>
    </message>
    <message>
        <source>Sélectionner les angles d&apos;au moins 30 degrés</source>
        <translation>Select the angles of at least 30 degrees</translation>
    </message>
    <message>
        <source>Milliers</source>
        <translation>Thousands</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>Copier</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Couper</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Coller</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Insérer un point</source>
        <translation>Insert a point</translation>
    </message>
    <message>
        <source>Renuméroter</source>
        <translation>Renumber</translation>
    </message>
    <message>
        <source>Faire commencer le contour sélectionné au point courant</source>
        <translation>Make the selected contour start at the current point</translation>
    </message>
    <message>
        <source>Créer l&apos;intersection</source>
        <translation>Create the intersection</translation>
    </message>
    <message>
        <source>Lisser (spline)</source>
        <translation>Smooth (spline)</translation>
    </message>
    <message>
        <source>Nettoyer</source>
        <translation>Clean up</translation>
    </message>
    <message>
        <source>Retirer les points superflus</source>
        <translation>Remove the superfluous points</translation>
    </message>
    <message>
        <source>Miroir vertical</source>
        <translation>Vertical mirror</translation>
    </message>
    <message>
        <source>Miroir horizontal</source>
        <translation>Horizontal mirror</translation>
    </message>
    <message>
        <source>Inverser le sens</source>
        <translation>Reverse the direction</translation>
    </message>
    <message>
        <source>Mode de sélection</source>
        <translation>Selection mode</translation>
    </message>
    <message>
        <source>Sélection Normale</source>
        <translation>Normal selection</translation>
    </message>
    <message>
        <source>Sélection Points Réf.</source>
        <translation>Ref. points selection</translation>
    </message>
    <message>
        <source>Points de Synchro</source>
        <translation>Synchro points</translation>
    </message>
    <message>
        <source>Sélectionner des points</source>
        <translation>Select points</translation>
    </message>
    <message>
        <source>Marquer les points de référence (sélection violette)</source>
        <translation>Mark the reference points (purple selection)</translation>
    </message>
    <message>
        <source>Marquer les points de synchronisation</source>
        <translation>Mark the synchronisation points</translation>
    </message>
    <message>
        <source>Profils Galbix</source>
        <translation>Galbix profiles</translation>
    </message>
    <message>
        <source>Fermeture de Galbix</source>
        <translation>Closing Galbix</translation>
    </message>
    <message>
        <source>Voulez-vous effectuer une sauvegarde du projet en cours?</source>
        <translation>Do you want to save the current project?</translation>
    </message>
    <message>
        <source>Commentaires - Explications (256 caractères maxi)</source>
        <translation>Comments - Explanations (256 characters max)</translation>
    </message>
    <message>
        <source>Cliquer pour modifier</source>
        <translation>Click to edit</translation>
    </message>
    <message>
        <source>Bla - bla</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Commentaires</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>À propos de Galbix</source>
        <translation>About Galbix</translation>
    </message>
    <message>
        <source>Aide (F1)</source>
        <translation>Help (F1)</translation>
    </message>
    <message>
        <source>Zoom : cliquer sur les flèches</source>
        <translation>Zoom: click on the arrows</translation>
    </message>
    <message>
        <source>Zoom sur un rectangle tracé à la souris</source>
        <translation>Zoom on a rectangle drawn with the mouse</translation>
    </message>
    <message>
        <source>Ajuster la vue à la fenêtre</source>
        <translation>Fit the view to the window</translation>
    </message>
    <message>
        <source>Vue de côté</source>
        <translation>Side view</translation>
    </message>
    <message>
        <source>Angle de vue horizontal</source>
        <translation>Horizontal view angle</translation>
    </message>
    <message>
        <source>Angle de vue vertical</source>
        <translation>Vertical view angle</translation>
    </message>
    <message>
        <source>Perspective par défaut</source>
        <translation>Default perspective</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Aucun profil chargé.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Ouvrir le profil d&apos;emplanture : bouton « Ouvrir... » du cadre Emplanture, ou Ctrl+O.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;No profile loaded.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Open the root profile: « Open... » button of the Root frame, or Ctrl+O.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Pour découvrir Galbix : &lt;a href=&quot;demo&quot;&gt;ouvrir le projet de démonstration&lt;/a&gt;&lt;br&gt;&lt;small&gt;%1&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;To discover Galbix: &lt;a href=&quot;demo&quot;&gt;open the demonstration project&lt;/a&gt;&lt;br&gt;&lt;small&gt;%1&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>galbix::FenetreSequences</name>
    <message>
        <source>Séquences du fichier</source>
        <translation>Sequences of the file</translation>
    </message>
    <message>
        <source>Assemblage</source>
        <translation>Assembly</translation>
    </message>
    <message>
        <source>Tout sélectionner</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Tout désélectionner</source>
        <translation>Deselect all</translation>
    </message>
    <message>
        <source>Clic: sélectionner ou désélectionner cette séquence</source>
        <translation>Click: select or deselect this sequence</translation>
    </message>
    <message>
        <source>Inverser le sens</source>
        <translation>Reverse the direction</translation>
    </message>
    <message>
        <source>Rotation 90°</source>
        <translation>Rotation 90°</translation>
    </message>
    <message>
        <source>Tourner d&apos;un quart de tour les séquences sélectionnées</source>
        <translation>Turn the selected sequences by a quarter turn</translation>
    </message>
    <message>
        <source>Symétrie</source>
        <translation>Symmetry</translation>
    </message>
    <message>
        <source>Symétrie gauche-droite des séquences sélectionnées</source>
        <translation>Left-right symmetry of the selected sequences</translation>
    </message>
    <message>
        <source>Prendre la sélection</source>
        <translation>Take the selection</translation>
    </message>
    <message>
        <source>Mettre les séquences sélectionnées dans l&apos;assemblage, telles quelles</source>
        <translation>Put the selected sequences into the assembly, as they are</translation>
    </message>
    <message>
        <source>Insérer après</source>
        <translation>Insert after</translation>
    </message>
    <message>
        <source>Insérer après la séquence sélectionnée de l&apos;assemblage</source>
        <translation>Insert after the selected sequence of the assembly</translation>
    </message>
    <message>
        <source>Insérer avant</source>
        <translation>Insert before</translation>
    </message>
    <message>
        <source>Insérer avant la séquence sélectionnée de l&apos;assemblage</source>
        <translation>Insert before the selected sequence of the assembly</translation>
    </message>
    <message>
        <source>Séquences sélectionnées de l&apos;assemblage</source>
        <translation>Selected sequences of the assembly</translation>
    </message>
    <message>
        <source>Vers la fin</source>
        <translation>Towards the end</translation>
    </message>
    <message>
        <source>: d&apos;une place vers la fin</source>
        <translation>: one place towards the end</translation>
    </message>
    <message>
        <source>Vers le début</source>
        <translation>Towards the start</translation>
    </message>
    <message>
        <source>: d&apos;une place vers le début</source>
        <translation>: one place towards the start</translation>
    </message>
    <message>
        <source>Rotation -10</source>
        <translation>Rotation -10</translation>
    </message>
    <message>
        <source>Rotation +10</source>
        <translation>Rotation +10</translation>
    </message>
    <message>
        <source>Agrandir</source>
        <translation>Enlarge</translation>
    </message>
    <message>
        <source>Rétrécir</source>
        <translation>Shrink</translation>
    </message>
    <message>
        <source>Ecarter</source>
        <translation>Spread</translation>
    </message>
    <message>
        <source>Rapprocher</source>
        <translation>Bring closer</translation>
    </message>
    <message>
        <source>Avancer le point d&apos;entrée</source>
        <translation>Move the entry point forward</translation>
    </message>
    <message>
        <source>Reculer le point d&apos;entrée</source>
        <translation>Move the entry point back</translation>
    </message>
    <message>
        <source>Insérer un point entre séquences</source>
        <translation>Insert a point between sequences</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Retirer de l&apos;assemblage les séquences sélectionnées</source>
        <translation>Remove the selected sequences from the assembly</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Revenir à l&apos;état précédent de l&apos;assemblage</source>
        <translation>Go back to the previous state of the assembly</translation>
    </message>
    <message>
        <source>Voir le sens de parcours</source>
        <translation>Show the cutting direction</translation>
    </message>
    <message>
        <source>Aide à la souris</source>
        <translation>Mouse help</translation>
    </message>
    <message>
        <source>Ouvrir un fichier...</source>
        <translation>Open a file...</translation>
    </message>
    <message>
        <source>Lire les séquences d&apos;un autre fichier</source>
        <translation>Read the sequences of another file</translation>
    </message>
    <message>
        <source>Aide (F1)</source>
        <translation>Help (F1)</translation>
    </message>
    <message>
        <source>Valider l&apos;assemblage</source>
        <translation>Confirm the assembly</translation>
    </message>
    <message>
        <source>Fermer la fenêtre et charger l&apos;assemblage</source>
        <translation>Close the window and load the assembly</translation>
    </message>
</context>
<context>
    <name>galbix::PiloteConstruction</name>
    <message>
        <source>Nettoyage</source>
        <translation>Clean-up</translation>
    </message>
    <message>
        <source>Le nettoyage peut être total ou conserver les points synchrones si les profils ont le même nombre de points.
Voulez-vous conserver les points synchrones?</source>
        <translation>The clean-up can be total or keep the synchronous points if the profiles have the same number of points.
Do you want to keep the synchronous points?</translation>
    </message>
</context>
<context>
    <name>galbix::PiloteDecoupe</name>
    <message>
        <source>Découpe</source>
        <translation>Cutting</translation>
    </message>
    <message>
        <source>Point précédent</source>
        <translation>Previous point</translation>
    </message>
    <message>
        <source>Jouer la découpe / pause</source>
        <translation>Play the cut / pause</translation>
    </message>
    <message>
        <source>Point suivant</source>
        <translation>Next point</translation>
    </message>
    <message>
        <source>Vitesse de coupe : celle du chariot le plus rapide</source>
        <translation>Cutting speed: that of the fastest carriage</translation>
    </message>
    <message>
        <source>Position dans la découpe</source>
        <translation>Position in the cut</translation>
    </message>
    <message>
        <source>Segments à vérifier</source>
        <translation>Segments to check</translation>
    </message>
    <message>
        <source>Segments où un chariot se précipite pendant que l&apos;autre se traîne</source>
        <translation>Segments where one carriage rushes while the other crawls</translation>
    </message>
    <message>
        <source>Vitesse</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Chariots : montrer les trajets des deux chariots de la machine (réglages de « Programme G-code… ») au lieu des points des profils</source>
        <translation>Carriages: show the paths of the two carriages of the machine (settings of « G-code program… ») instead of the points of the profiles</translation>
    </message>
    <message>
        <source>Erreur de saisie</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>La vitesse de coupe doit être supérieure à 0 mm/s.</source>
        <translation>The cutting speed must be greater than 0 mm/s.</translation>
    </message>
    <message>
        <source>Paire %1 / %2   %3 écoulées, %4 restantes   E %5 mm/s   S %6 mm/s</source>
        <translation>Pair %1 / %2   %3 elapsed, %4 remaining   E %5 mm/s   S %6 mm/s</translation>
    </message>
    <message>
        <source>Aucun segment à vérifier : sur chaque segment, les deux chariots avancent dans un rapport proche de celui des deux profils (écart maximal %1).</source>
        <translation>No segment to check: on each segment, both carriages move in a ratio close to that of the two profiles (largest gap %1).</translation>
    </message>
    <message>
        <source>%1 segment(s) où un chariot se précipite pendant que l&apos;autre se traîne (entre les points n°) :
%2</source>
        <translation>%1 segment(s) where one carriage rushes while the other crawls (between points no.):
%2</translation>
    </message>
    <message>
        <source>.

Ajoutez des points de synchronisation autour de ces segments, puis relancez la synchronisation optimale.</source>
        <translation>.

Add synchronisation points around these segments, then run the optimal synchronisation again.</translation>
    </message>
</context>
<context>
    <name>galbix::PiloteEditionPoints</name>
    <message>
        <source>La ligne %1 du presse-papiers ne se lit pas comme deux nombres :
%2

Rien n&apos;a été collé.</source>
        <translation>Line %1 of the clipboard does not read as two numbers:
%2

Nothing was pasted.</translation>
    </message>
    <message>
        <source>Le texte du presse-papiers ne contient aucun point (deux nombres par ligne).

Rien n&apos;a été collé.</source>
        <translation>The clipboard text holds no point (two numbers per line).

Nothing was pasted.</translation>
    </message>
    <message>
        <source>Collage impossible</source>
        <translation>Paste impossible</translation>
    </message>
</context>
<context>
    <name>galbix::PiloteFichiers</name>
    <message>
        <source>TempE.dat et TempS.dat écrits dans %1</source>
        <translation>TempE.dat and TempS.dat written in %1</translation>
    </message>
</context>
<context>
    <name>galbix::naca</name>
    <message>
        <source>Il faut au moins 2 points par surface.</source>
        <translation>At least 2 points per surface are needed.</translation>
    </message>
    <message>
        <source>Code NACA « %1 » refusé : %2</source>
        <translation>NACA code « %1 » refused: %2</translation>
    </message>
    <message>
        <source>Entrez un code NACA, par exemple 2412, 23012 ou 0012-64.</source>
        <translation>Enter a NACA code, for example 2412, 23012 or 0012-64.</translation>
    </message>
    <message>
        <source>il faut quatre chiffres (2412), cinq chiffres (23012) ou l&apos;un de ces codes suivi d&apos;un suffixe de deux chiffres (0012-64).</source>
        <translation>four digits are needed (2412), five digits (23012) or one of these codes followed by a two-digit suffix (0012-64).</translation>
    </message>
    <message>
        <source>l&apos;épaisseur (deux derniers chiffres) ne peut pas être nulle.</source>
        <translation>the thickness (last two digits) cannot be zero.</translation>
    </message>
    <message>
        <source>une cambrure (premier chiffre) demande sa position (deuxième chiffre).</source>
        <translation>a camber (first digit) needs its position (second digit).</translation>
    </message>
    <message>
        <source>le premier chiffre (portance de calcul) doit être de 1 à 9.</source>
        <translation>the first digit (design lift) must be from 1 to 9.</translation>
    </message>
    <message>
        <source>le deuxième chiffre (position de la cambrure) doit être de 1 à 5.</source>
        <translation>the second digit (camber position) must be from 1 to 5.</translation>
    </message>
    <message>
        <source>le troisième chiffre doit être 0 (ligne moyenne normale) ou 1 (ligne moyenne à double courbure).</source>
        <translation>the third digit must be 0 (normal mean line) or 1 (reflexed mean line).</translation>
    </message>
    <message>
        <source>la ligne moyenne à double courbure 211 n&apos;existe pas (221 à 251).</source>
        <translation>the reflexed mean line 211 does not exist (221 to 251).</translation>
    </message>
    <message>
        <source>la position de l&apos;épaisseur maximale (dernier chiffre) doit être de 2 à 6 dixièmes de corde.</source>
        <translation>the position of the maximum thickness (last digit) must be from 2 to 6 tenths of the chord.</translation>
    </message>
</context>
</TS>
