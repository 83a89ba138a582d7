#pragma once

// Status-bar and list texts of the slot search, the free-length commands and
// the crossing trial, exactly as the user sees them.
namespace quirvo::texts {

inline constexpr char SEARCH_RUNNING[] = " ricerca in corso ... ";
inline constexpr char PLEASE_WAIT[] = " ... attendere ";
inline constexpr char BAD_REQUEST[] = " Richiesta errata! ";
inline constexpr char NOTHING_FOUND[] = " nessuno ";
inline constexpr char INTERRUPTED[] = " Interruzione! ";
inline constexpr char BLANK[] = " ";

inline constexpr char FREE_HEAD_TITLE[] = " Lunghezza Libera in Testa ";
inline constexpr char FREE_TAIL_TITLE[] = " Lunghezza Libera in Coda ";
inline constexpr char SHORTEN_HEAD_TITLE[] = " Accorcia all'Inizio ";
inline constexpr char SHORTEN_TAIL_TITLE[] = " Accorcia alla Fine ";
inline constexpr char NOT_POSSIBLE[] = " non possibile ";
inline constexpr char ALREADY_ON[] = " Gi\u00e0 attivata! ";

inline constexpr char ROW_LIST_TIP[] = "Click per trasferire a RIGA";
inline constexpr char COLUMN_LIST_TIP[] = "Click per trasferire a COLONNA";

inline constexpr char CROSS_TITLE_VOWELS[] =
    " SUGGERIMENTI INCROCIO (solo le vocali, premere Alt per test completo) ";
inline constexpr char CROSS_TITLE_ALL[] =
    " SUGGERIMENTI INCROCIO (test completo, premere Ctrl per sole vocali) ";
inline constexpr char CELL_ERROR[] = " errore CASELLA ";
inline constexpr char CROSS_WAIT[] = "... attendere ";
inline constexpr char CROSS_STOP_TIP[] = "Interrompi";
inline constexpr char CROSS_INTERRUPTED[] = " interruzione  ";
inline constexpr char CROSS_LIST_TIP[] = "Click per trasferire all'INCROCIO";

}  // namespace quirvo::texts
