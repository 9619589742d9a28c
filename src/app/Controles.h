#pragma once
// Every control of the main window, by the name the rest of the program knows it by.
// Controls that exist once per side are arrays indexed CoteE (0) and CoteS (1); each widget's
// objectName is its control name, with "_<index>" for the elements of an array.

#include <QtGlobal>
#include <array>

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QStatusBar;
class QToolButton;
class QWidget;

namespace galbix {

struct ControlesFenetre {
    // Side panels "Emplanture" (frmOuvrirEmplanture) and "Saumon" (frmOuvrirSaumon).
    std::array<QGroupBox*, 2> frmOuvrir{};
    std::array<QPushButton*, 2> cmdOuvrirProfil{};
    std::array<QPushButton*, 2> cmdNaca{};                ///< "NACA...": a profile from its code
    std::array<QLabel*, 2> lblNomFichier{};
    std::array<QLineEdit*, 2> txtCorde{};
    std::array<QPushButton*, 2> cmdFermerProfil{};
    std::array<QPushButton*, 2> cmdSelectAll{};
    std::array<QToolButton*, 2> cmdRAZSelection{};
    std::array<QPushButton*, 2> cmdSelectionAngle{};      ///< "Sélection >30"
    std::array<QPushButton*, 4> cmdSelectionAuto{};       ///< Xmin Xmax E, Ymin Ymax E, Xmin Xmax S, Ymin Ymax S
    std::array<QGroupBox*, 2> frmPoints{};
    std::array<std::array<QLabel*, 5>, 2> lblNumPt{};     ///< lblNumPtE / lblNumPtS, one per row
    std::array<std::array<QLabel*, 10>, 2> lblCoordPt{};  ///< lblCoordPtE / lblCoordPtS: X of rows 0-4, then Y
    std::array<std::array<QScrollBar*, 2>, 2> vscPoints{}; ///< vscPointsE / vscPointsS: units bar, thousands bar
    std::array<QCheckBox*, 2> chkAfficherProfil{};
    std::array<QCheckBox*, 2> chkAfficherPoints{};
    std::array<QToolButton*, 2> cmdUndo{};                ///< "Undo", "Redo"
    std::array<QAbstractButton*, 4> cmdSauveProfil{};     ///< root, tip, project or 3D, intermediate

    // Frame "Selection".
    QGroupBox* frmSelection = nullptr;
    QPushButton* cmdCopier = nullptr;
    QPushButton* cmdCouper = nullptr;
    QPushButton* cmdColler = nullptr;
    QPushButton* cmdSupprimer = nullptr;
    QPushButton* cmdInsererPoint = nullptr;
    QPushButton* cmdRenumeroter = nullptr;
    QPushButton* cmdIntersection = nullptr;
    QPushButton* cmdLisser = nullptr;
    QPushButton* cmdNettoyage = nullptr;
    std::array<QToolButton*, 2> cmdSymetrie{};            ///< "Miroir vertical", "Miroir horizontal"
    QToolButton* cmdInverserSelection = nullptr;
    QGroupBox* frmModeSelection = nullptr;
    std::array<QRadioButton*, 3> optSelection{};

    // Transform and wing-geometry frames.
    QGroupBox* frmEtirer = nullptr;
    std::array<QLineEdit*, 3> txtEtirer{};
    QGroupBox* frmTourner = nullptr;
    QLineEdit* txtTourner = nullptr;
    QGroupBox* frmDeplacer = nullptr;
    std::array<QLineEdit*, 2> txtDeplacer{};
    QGroupBox* frmDecaler = nullptr;
    QLabel* imgDecaler = nullptr;
    QLineEdit* txtDecaler = nullptr;
    QGroupBox* frmSynchroniser = nullptr;
    QPushButton* cmdSynchroOptimale = nullptr;
    QGroupBox* frmEcartement = nullptr;
    QLineEdit* txtEcartementZ = nullptr;
    QGroupBox* frmFleche = nullptr;
    QLineEdit* txtFleche = nullptr;
    QLabel* lblFleche = nullptr;
    std::array<QToolButton*, 3> chkFleche{};
    QGroupBox* frmAligner = nullptr;
    QToolButton* chkAligner = nullptr;
    QGroupBox* frmDiedre = nullptr;
    QLineEdit* txtDiedreMm = nullptr;
    QLineEdit* txtDiedreDeg = nullptr;
    QLabel* lblDiedre = nullptr;
    std::array<QToolButton*, 5> chkDiedre{};
    QGroupBox* frmVisu = nullptr;
    QCheckBox* chkFil = nullptr;
    QCheckBox* chkSurface = nullptr;
    QGroupBox* frmImage = nullptr;
    QToolButton* chkImageFond = nullptr;
    QGroupBox* frmAiles = nullptr;
    QLineEdit* txtEcartementAiles = nullptr;
    std::array<QToolButton*, 2> cmdDupliquer{};
    QGroupBox* frmTransfertKerfex = nullptr;
    QPushButton* cmdTransfertKerfex = nullptr;
    QPushButton* cmdImportKerfex = nullptr;
    QCheckBox* chkProfilIntermediaire = nullptr;
    QLineEdit* txtEcartementIntermediaire = nullptr;
    QCheckBox* chkInsertionProfils = nullptr;
    QLabel* lblInsertionProfils = nullptr;
    QLabel* lblAccueil = nullptr; ///< the empty window's hint: how to open a profile, the demo project

    // Drawing area, comment, zoom and view bar, status bar.
    QWidget* pctProfils = nullptr;
    QLabel* imgFond = nullptr;                  ///< hidden holder of the background picture
    QLineEdit* txtTitreCommentaire = nullptr;
    QPlainTextEdit* txtCommentaire = nullptr;
    QCheckBox* chkVoirCommentaires = nullptr;
    QToolButton* cmdAide = nullptr;
    QToolButton* cmdAPropos = nullptr;
    QLabel* lblZoom = nullptr;
    QScrollBar* hscZoom = nullptr;
    QToolButton* chkZoomSelection = nullptr;
    QToolButton* cmdZoom = nullptr;
    QToolButton* cmdRAZVueCote = nullptr;
    QScrollBar* hscOmega = nullptr;
    QScrollBar* hscAlpha = nullptr;
    QToolButton* cmdRAZPerspective = nullptr;
    QStatusBar* stbProfils = nullptr;
    std::array<QLabel*, 4> panneauxEtat{};      ///< the four text panels of stbProfils
};

} // namespace galbix
