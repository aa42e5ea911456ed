// The program's texts in Spanish, addressing the player as "usted".
#include "res/LanguageTexts.h"
#include "res/Resource.h"

#include "platform/ui/PlatformTexts.h"

namespace {

const LanguageTexts kSpanish{
    "es",
    {
        {IDS_UNIT_YARDS, u"yd"},
        {IDS_UNIT_METRES, u"m"},
        {IDS_GAPS_NONE, u"Ningún hueco de más de %3 %4"},
        {IDS_GAPS_ONE, u"1 hueco de más de %3 %4: %2"},
        {IDS_GAPS_MANY, u"%1 huecos de más de %3 %4: %2"},
        // A club's name may end in its number ("Madera 3"): the distance stands apart.
        {IDS_GAP_ITEM, u"%1 – %2 (%3 %4)"},
        {IDS_OVERLAPS_NONE, u"ningún solapamiento"},
        {IDS_OVERLAPS_ONE, u"1 solapamiento: %2"},
        {IDS_OVERLAPS_MANY, u"%1 solapamientos: %2"},
        {IDS_OVERLAP_SAME, u"%1 y %2 (ambos a %3 %4)"},
        {IDS_OVERLAP_APART, u"%1 y %2 (%3 %4 de diferencia)"},
        {IDS_NOT_IN_BAG, u"fuera de la bolsa: %1"},
        {IDS_AND_MORE, u"y %1 más"},
        {IDS_GAP_MARK, u"hueco"},
        {IDS_OVERLAP_MARK, u"solape"},
        {IDS_NO_CLUBS_IN_BAG, u"Ningún palo tiene una mejor distancia mayor que 0."},
        {IDS_CLUB_AT, u"%1 %2 %3"},
        {IDS_ABOUT_VERSION, u"Versión %1"},
        {IDS_PLAYS_LIKE, u"juega como %1"},
        {IDS_SETUP_CLUB_COLUMN, u"Palo"},
        {IDS_SETUP_DISTANCE_COLUMN, u"Dist."},
        {IDS_CARD_TITLE, u"Tarjeta de distancias de Caddora"},
        {IDS_CARD_PLAYER_TYPE, u"Tipo de jugador: %1"},
        {IDS_CARD_DATE, u"Fecha: %1"},
        {IDS_ADULT_MALE, u"Caballero"},
        {IDS_ADULT_FEMALE, u"Dama"},
        {IDS_CARD_CLUB, u"Palo"},
        {IDS_CARD_GAPS, u"Huecos y solapamientos"},
        {IDS_CARD_CUT, u"Recorte por la línea discontinua: la tarjeta cabe en una cartera."},
        {IDS_CARD_NOT_PRINTED, u"No se pudo imprimir la tarjeta de distancias."},
        {IDS_CLI_USAGE,
         u"Uso: caddora [OPCIÓN]\n"
         u"Indica el palo de golf que debe jugar para una distancia, según su propia tabla "
         u"de mejores distancias.\n"
         u"Sin opciones, abre su ventana; con una opción, responde y termina.\n"
         u"\n"
         u"  --advise DISTANCIA  muestra el palo para DISTANCIA: de 50 a 1000 yardas, o de\n"
         u"                      46 a 914 metros si ha elegido metros en la ventana\n"
         u"  --card ARCHIVO      escribe la tarjeta de distancias en ARCHIVO como PDF\n"
         u"  --help              muestra esta ayuda\n"
         u"  --version           muestra la versión\n"},
        {IDS_CLI_VERSION, u"Caddora %1\n"},
        {IDS_CLI_UNKNOWN, u"caddora: opción desconocida: %1\n"},
        {IDS_CLI_MISSING_VALUE, u"caddora: %1 necesita un valor\n"},
        {IDS_CLI_ONE_COMMAND, u"caddora: un solo comando a la vez: %1\n"},
        {IDS_CLI_NO_PDF_WRITER,
         u"caddora: sin ventana, Windows no puede escribir un PDF: elija «Tarjeta de "
         u"distancias...» en el menú de Caddora e imprima en «Microsoft Print to PDF».\n"},
        {IDS_CLI_CARD_NOT_WRITTEN,
         u"caddora: no se pudo escribir la tarjeta de distancias en %1\n"},
        {IDS_CLI_PLAYS_LIKE, u"%1 (juega como %2 %3)\n"},
        {IDS_TABLE_DAMAGED_NONE, u"La tabla de palos %1 está dañada y no se pudo leer ningún "
                                 u"palo; Caddora empieza con su propio juego de palos."},
        {IDS_TABLE_DAMAGED_ONE, u"La tabla de palos %1 está dañada; se pudo leer 1 palo."},
        {IDS_TABLE_DAMAGED_MANY, u"La tabla de palos %1 está dañada; se pudieron leer %2 palos."},
        {IDS_TABLE_DAMAGED_NO_COPY, u" No se pudo guardar una copia del archivo dañado, así "
                                    u"que Caddora lo deja como está."},
        {IDS_TABLE_DAMAGED_COPY, u" Se guarda una copia del archivo dañado en %1."},
        {IDS_TABLE_UNREADABLE, u"No se pudo leer la tabla de palos %1: %2. Caddora empieza con "
                               u"su propio juego de palos y deja ese archivo como está."},
        {IDS_UNREADABLE_ACCESS, u"usted no tiene permiso para leerla"},
        {IDS_UNREADABLE_NOT_A_FILE, u"no es un archivo normal"},
        {IDS_UNREADABLE_ERROR, u"el sistema informó de un error"},
        {IDS_TABLE_NO_MEMORY,
         u"No se pudo cargar la tabla de palos %1: no había memoria suficiente. Caddora "
         u"empieza con su propio juego de palos y deja ese archivo como está."},
        {IDS_OTHER_USER_BOTH,
         u"La tabla de palos %1 y la configuración %2 pertenecen a otro usuario. Caddora las "
         u"lee pero no cambia nada allí: lo que usted cambie en esta sesión no se guarda."},
        {IDS_OTHER_USER_TABLE,
         u"La tabla de palos %1 pertenece a otro usuario. Caddora la lee pero no cambia nada "
         u"allí: los cambios de la tabla en esta sesión no se guardan."},
        {IDS_OTHER_USER_SETTINGS,
         u"La configuración %1 pertenece a otro usuario. Caddora la lee pero no cambia nada "
         u"allí: el tipo de jugador y la distancia de esta sesión no se guardan."},
        {IDS_TABLE_NOT_SAVED, u"No se pudo guardar la tabla de palos en %1."},
        {IDS_SETTINGS_NOT_SAVED, u"No se pudo guardar la configuración: se pierden el tipo de "
                                 u"jugador o la distancia de esta sesión."},
        {AFX_IDP_PARSE_INT, u"Introduzca un número entero."},
        {AFX_IDP_PARSE_INT_RANGE, u"Introduzca un número entero entre %1 y %2."},
        {AFX_IDS_DIGITS_ONLY, u"Aquí solo se pueden escribir las cifras del 0 al 9."},
        {AFX_IDS_KEY_CTRL, u"Ctrl"},
        {AFX_IDS_KEY_SHIFT, u"Mayús"},
        {AFX_IDS_KEY_ALT, u"Alt"},
        {AFX_IDS_KEY_PAGE_UP, u"RePág"},
        {AFX_IDS_KEY_PAGE_DOWN, u"AvPág"},
        {AFX_IDS_KEY_MENU, u"Menú"},
    },
    {
        {IDD_CADDORA_DIALOG,
         nullptr,
         {{0, u"Distancia (yardas):"},
          {3, u"Recomendación:"},
          {5, nullptr, u"Perfil", IDB_SETUP_ES},
          {6, nullptr, u"Recomendar palo", IDB_RECOMMEND_ES},
          {7, nullptr, u"Salir", IDB_CLOSE_ES}}},
        {IDD_SETUP,
         u"Perfil del jugador",
         {{1, u"Distancias:"},
          {2, u"Tipo de jugador:"},
          {3, u"Caballero"},
          {4, u"Dama"},
          {5, u"Editar"},
          {6, u"Cerrar"},
          {7, u"(distancias en yardas)"}}},
        {IDD_EDIT_CLUB,
         u"Editar palo",
         {{0, u"Mejor distancia:"},
          // "yardas" and "metros" would not fit beside the field.
          {2, u"yd"},
          {3, u"Aceptar"},
          {4, u"Cancelar"},
          {5, u"Nombre:"}}},
        {IDD_CLUB_GAPS, u"Huecos entre palos", {{2, u"Cerrar"}}},
        {IDD_ABOUTBOX,
         u"Acerca de Caddora",
         {{3, u"Indica el palo que debe jugar para la distancia al objetivo, según su propia "
              u"tabla de mejores distancias."},
          {4, u"Software libre con licencia MIT."},
          {6, u"Aceptar"}}},
        {IDD_CONDITIONS,
         u"Condiciones",
         {{0, u"Usar estas condiciones"},
          {1, u"Viento (mph):"},
          {4, u"Viento en contra"},
          {5, u"Viento a favor"},
          {6, u"Temperatura del aire (°F):"},
          {9, u"Desnivel al objetivo (ft), cuesta abajo negativo:"},
          {12, u"Altitud del campo (ft):"},
          {15, u"Aceptar"},
          {16, u"Cancelar"}}},
    },
    {
        {IDD_CADDORA_DIALOG, nullptr, {{0, u"Distancia (metros):"}}},
        {IDD_SETUP, nullptr, {{7, u"(distancias en metros)"}}},
        {IDD_EDIT_CLUB, nullptr, {{2, u"m"}}},
        {IDD_CONDITIONS,
         nullptr,
         {{1, u"Viento (km/h):"},
          {6, u"Temperatura del aire (°C):"},
          {9, u"Desnivel al objetivo (m), cuesta abajo negativo:"},
          {12, u"Altitud del campo (m):"}}},
    },
    {
        {ID_CLUB_GAPS, u"&Huecos entre palos..."},
        {ID_YARDAGE_CARD, u"&Tarjeta de distancias..."},
        {ID_CONDITIONS, u"&Condiciones..."},
        {ID_UNITS, u"&Unidades"},
        {ID_UNITS_YARDS, u"&Yardas"},
        {ID_UNITS_METRES, u"&Metros"},
        {ID_APP_ABOUT, u"&Acerca de Caddora"},
    },
    {u"Driver (madera 1)", u"Madera 3", u"Madera 5", u"Madera 7", u"Hierro 3", u"Hierro 4",
     u"Hierro 5", u"Hierro 6", u"Hierro 7", u"Hierro 8", u"Hierro 9", u"Pitching wedge",
     u"Gap wedge", u"Sand wedge"},
};

} // namespace

const LanguageTexts& SpanishTexts() {
    return kSpanish;
}
