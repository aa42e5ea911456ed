// The program's texts in French, addressing the player as "vous". In the window a colon takes
// a no-break space before it, as French writes it, so that it never starts a line of its own;
// the command line's texts keep a plain space, as a terminal's other French messages do.
#include "res/LanguageTexts.h"
#include "res/Resource.h"

#include "platform/ui/PlatformTexts.h"

namespace {

const LanguageTexts kFrench{
    "fr",
    {
        {IDS_UNIT_YARDS, u"yd"},
        {IDS_UNIT_METRES, u"m"},
        {IDS_GAPS_NONE, u"Aucun écart de plus de %3 %4"},
        {IDS_GAPS_ONE, u"1 écart de plus de %3 %4\u00A0: %2"},
        {IDS_GAPS_MANY, u"%1 écarts de plus de %3 %4\u00A0: %2"},
        // A club's name may end in its number ("Bois 3"): the distance stands apart.
        {IDS_GAP_ITEM, u"%1 – %2 (%3 %4)"},
        {IDS_OVERLAPS_NONE, u"aucun chevauchement"},
        {IDS_OVERLAPS_ONE, u"1 chevauchement\u00A0: %2"},
        {IDS_OVERLAPS_MANY, u"%1 chevauchements\u00A0: %2"},
        {IDS_OVERLAP_SAME, u"%1 et %2 (tous deux à %3 %4)"},
        {IDS_OVERLAP_APART, u"%1 et %2 (%3 %4 d’écart)"},
        {IDS_NOT_IN_BAG, u"hors du sac\u00A0: %1"},
        {IDS_AND_MORE, u"et %1 autres"},
        {IDS_GAP_MARK, u"écart"},
        {IDS_OVERLAP_MARK, u"chevauchement"},
        {IDS_NO_CLUBS_IN_BAG, u"Aucun club n’a de meilleure distance supérieure à 0."},
        {IDS_CLUB_AT, u"%1 %2 %3"},
        {IDS_ABOUT_VERSION, u"Version %1"},
        {IDS_PLAYS_LIKE, u"se joue comme %1"},
        {IDS_SETUP_CLUB_COLUMN, u"Club"},
        {IDS_SETUP_DISTANCE_COLUMN, u"Dist."},
        {IDS_CARD_TITLE, u"Carte des distances Caddora"},
        {IDS_CARD_PLAYER_TYPE, u"Type de joueur\u00A0: %1"},
        {IDS_CARD_DATE, u"Date\u00A0: %1"},
        {IDS_ADULT_MALE, u"Homme"},
        {IDS_ADULT_FEMALE, u"Femme"},
        {IDS_CARD_CLUB, u"Club"},
        {IDS_CARD_GAPS, u"Écarts et chevauchements"},
        {IDS_CARD_CUT,
         u"Découpez le long des pointillés\u00A0: la carte tient dans un portefeuille."},
        {IDS_CARD_NOT_PRINTED, u"La carte des distances n’a pas pu être imprimée."},
        {IDS_CLI_USAGE,
         u"Utilisation : caddora [OPTION]\n"
         u"Indique le club de golf à jouer pour une distance, d’après votre propre tableau "
         u"de meilleures distances.\n"
         u"Sans option, le programme ouvre sa fenêtre ; avec une option, il répond puis se "
         u"termine.\n"
         u"\n"
         u"  --advise DISTANCE  affiche le club à jouer pour DISTANCE : de 50 à 1000 yards,\n"
         u"                     ou de 46 à 914 mètres une fois les mètres choisis dans la "
         u"fenêtre\n"
         u"  --card FICHIER     écrit la carte des distances dans FICHIER au format PDF\n"
         u"  --help             affiche cette aide\n"
         u"  --version          affiche la version\n"},
        {IDS_CLI_VERSION, u"Caddora %1\n"},
        {IDS_CLI_UNKNOWN, u"caddora : option inconnue : %1\n"},
        {IDS_CLI_MISSING_VALUE, u"caddora : %1 demande une valeur\n"},
        {IDS_CLI_ONE_COMMAND, u"caddora : une seule commande à la fois : %1\n"},
        {IDS_CLI_NO_PDF_WRITER,
         u"caddora : sans fenêtre, Windows ne sait pas écrire de PDF : choisissez « Carte "
         u"des distances... » dans le menu de Caddora et imprimez sur « Microsoft Print to "
         u"PDF ».\n"},
        {IDS_CLI_CARD_NOT_WRITTEN,
         u"caddora : la carte des distances n’a pas pu être écrite dans %1\n"},
        {IDS_CLI_PLAYS_LIKE, u"%1 (se joue comme %2 %3)\n"},
        {IDS_TABLE_DAMAGED_NONE, u"La table des clubs %1 est endommagée et aucun club n’a pu y "
                                 u"être lu ; Caddora commence avec son propre jeu de clubs."},
        {IDS_TABLE_DAMAGED_ONE, u"La table des clubs %1 est endommagée ; 1 club a pu y être lu."},
        {IDS_TABLE_DAMAGED_MANY,
         u"La table des clubs %1 est endommagée ; %2 clubs ont pu y être lus."},
        {IDS_TABLE_DAMAGED_NO_COPY, u" Aucune copie du fichier endommagé n’a pu être conservée "
                                    u": Caddora le laisse tel quel."},
        {IDS_TABLE_DAMAGED_COPY, u" Une copie du fichier endommagé est conservée sous %1."},
        {IDS_TABLE_UNREADABLE,
         u"La table des clubs %1 n’a pas pu être lue : %2. Caddora commence avec son propre "
         u"jeu de clubs et laisse ce fichier tel quel."},
        {IDS_UNREADABLE_ACCESS, u"vous n’avez pas le droit de la lire"},
        {IDS_UNREADABLE_NOT_A_FILE, u"ce n’est pas un fichier ordinaire"},
        {IDS_UNREADABLE_ERROR, u"le système a signalé une erreur"},
        {IDS_TABLE_NO_MEMORY,
         u"La table des clubs %1 n’a pas pu être chargée : la mémoire n’a pas suffi. Caddora "
         u"commence avec son propre jeu de clubs et laisse ce fichier tel quel."},
        {IDS_OTHER_USER_BOTH, u"La table des clubs %1 et les réglages %2 appartiennent à un "
                              u"autre utilisateur. Caddora les lit mais n’y change rien : ce "
                              u"que vous modifiez pendant cette session n’est pas enregistré."},
        {IDS_OTHER_USER_TABLE, u"La table des clubs %1 appartient à un autre utilisateur. "
                               u"Caddora la lit mais n’y change rien : les modifications de la "
                               u"table pendant cette session ne sont pas enregistrées."},
        {IDS_OTHER_USER_SETTINGS, u"Les réglages %1 appartiennent à un autre utilisateur. "
                                  u"Caddora les lit mais n’y change rien : le type de joueur "
                                  u"et la distance de cette session ne sont pas enregistrés."},
        {IDS_TABLE_NOT_SAVED, u"La table des clubs n’a pas pu être enregistrée dans %1."},
        {IDS_SETTINGS_NOT_SAVED, u"Les réglages n’ont pas pu être enregistrés : le type de "
                                 u"joueur ou la distance de cette session est perdu."},
        {AFX_IDP_PARSE_INT, u"Veuillez entrer un nombre entier."},
        {AFX_IDP_PARSE_INT_RANGE, u"Veuillez entrer un nombre entier entre %1 et %2."},
        {AFX_IDS_DIGITS_ONLY, u"Seuls les chiffres de 0 à 9 peuvent être saisis ici."},
        {AFX_IDS_KEY_CTRL, u"Ctrl"},
        {AFX_IDS_KEY_SHIFT, u"Maj"},
        {AFX_IDS_KEY_ALT, u"Alt"},
        {AFX_IDS_KEY_PAGE_UP, u"Page préc."},
        {AFX_IDS_KEY_PAGE_DOWN, u"Page suiv."},
        {AFX_IDS_KEY_MENU, u"Menu"},
    },
    {
        {IDD_CADDORA_DIALOG,
         nullptr,
         {{0, u"Distance (yards)\u00A0:"},
          {3, u"Recommandation\u00A0:"},
          {5, nullptr, u"Profil", IDB_SETUP_FR},
          {6, nullptr, u"Conseiller un club", IDB_RECOMMEND_FR},
          {7, nullptr, u"Quitter", IDB_CLOSE_FR}}},
        {IDD_SETUP,
         u"Profil du joueur",
         {{1, u"Distances\u00A0:"},
          {2, u"Type de joueur\u00A0:"},
          {3, u"Homme"},
          {4, u"Femme"},
          {5, u"Modifier"},
          {6, u"Fermer"},
          {7, u"(distances en yards)"}}},
        {IDD_EDIT_CLUB,
         u"Modifier le club",
         {{0, u"Distance max.\u00A0:"}, {2, u"yards"}, {4, u"Annuler"}, {5, u"Nom\u00A0:"}}},
        {IDD_CLUB_GAPS, u"Écarts entre clubs", {{2, u"Fermer"}}},
        {IDD_ABOUTBOX,
         u"À propos de Caddora",
         {{3, u"Indique le club à jouer pour la distance jusqu’à la cible, d’après votre "
              u"propre tableau de meilleures distances."},
          {4, u"Logiciel libre sous licence MIT."}}},
        {IDD_CONDITIONS,
         u"Conditions de jeu",
         {{0, u"Utiliser ces conditions"},
          {1, u"Vent (mph)\u00A0:"},
          {4, u"Vent de face"},
          {5, u"Vent arrière"},
          {6, u"Température de l’air (°F)\u00A0:"},
          {9, u"Dénivelé de la cible (ft), négatif en descente\u00A0:"},
          {12, u"Altitude du parcours (ft)\u00A0:"},
          {16, u"Annuler"}}},
    },
    {
        {IDD_CADDORA_DIALOG, nullptr, {{0, u"Distance (mètres)\u00A0:"}}},
        {IDD_SETUP, nullptr, {{7, u"(distances en mètres)"}}},
        // "mètres" would not fit beside the field.
        {IDD_EDIT_CLUB, nullptr, {{2, u"m"}}},
        {IDD_CONDITIONS,
         nullptr,
         {{1, u"Vent (km/h)\u00A0:"},
          {6, u"Température de l’air (°C)\u00A0:"},
          {9, u"Dénivelé de la cible (m), négatif en descente\u00A0:"},
          {12, u"Altitude du parcours (m)\u00A0:"}}},
    },
    {
        {ID_CLUB_GAPS, u"É&carts entre clubs..."},
        {ID_YARDAGE_CARD, u"Carte des &distances..."},
        {ID_CONDITIONS, u"Co&nditions de jeu..."},
        {ID_UNITS, u"&Unités"},
        {ID_UNITS_YARDS, u"&Yards"},
        {ID_UNITS_METRES, u"&Mètres"},
        {ID_APP_ABOUT, u"À &propos de Caddora"},
    },
    {u"Driver (bois 1)", u"Bois 3", u"Bois 5", u"Bois 7", u"Fer 3", u"Fer 4", u"Fer 5", u"Fer 6",
     u"Fer 7", u"Fer 8", u"Fer 9", u"Pitching wedge", u"Gap wedge", u"Sand wedge"},
};

} // namespace

const LanguageTexts& FrenchTexts() {
    return kFrench;
}
