#include "network/net_vocabulary.h"

#include <array>

#include "config/locale_info.h"

namespace telvane::network {
namespace {

// Tables are laid out German, English, Spanish, French, Italian, Dutch, Norwegian,
// Portuguese.
constexpr int kLanguageCount = config::kLanguageTableRows;
using Row = std::array<std::string_view, kLanguageCount>;

// clang-format off
constexpr std::array<Row, 6> kRegistrationNames = {{
    {"Nicht eingeloggt, nicht suchend", "Not logged in, not seeking", "No registrado, no buscando", "Pas connect\xE9, pas de recherche", "Non registrato, nessuna ricerca", "Niet aangemeld, niet zoekend", "Ikke logget p\xE5, s\xF8ker ikke", "N\xE3o Ligado, N\xE3o Est\xE1 em Pesquisa"},
    {"Eingeloggt", "Logged in", "Registrado", "Connect\xE9", "Registrato", "Aangemeld", "Logget p\xE5", "Ligado"},
    {"Nicht eingeloggt suchend", "Not looged in, seeking", "No registrado, buscando", "Pas connect\xE9, recherche", "Non registrato, ricerca", "Niet aangemeld, zoekend", "Ikke p\xE5logget, s\xF8ker", "N\xE3o Ligado, Em Pesquisa"},
    {"Einlogversuch vom Netzwerk abgelehnt", "Log in denied by network", "Registrado en una red prohibida", "Connection refus\xE9" "e par le r\xE9seau", "Registrato su un a rete Proibita", "Aanmelding geweigerd door netwerk", "P\xE5logging nektet av nettverket", "Liga\xE7\xE3o Recusada pela Rede"},
    {"Unbekannt", "Unknown", "Desconocido", "Inconnu", "Sconosciuto", "Onbekend", "Ukjent", "Desconhecido"},
    {"Roaming", "Roaming", "Roaming", "Roaming", "Roaming", "Roaming", "Roaming", "Roaming"},
}};

constexpr std::array<Row, 5> kActivityNames = {{
    {"Bereit", "Ready", "Preparado", "Pr\xEAt", "Pronto", "Gereed", "Klar", "Pronto"},
    {"", "", "", "", "", "", "", ""},
    {"", "", "", "", "", "", "", ""},
    {"Eingehender Ruf", "Incoming Call", "Llegando llamada", "Appel entrant", "Chiamata in arrivo", "Inkomend gesprek", "Innkommende samtale", "Chamada de Entrada"},
    {"Aktiver Ruf", "Active call", "Llamada activa", "Appel actif", "Chiamata attiva", "Actief gesprek", "Aktive samtale", "Chamada Activa"},
}};

constexpr std::array<Row, 6> kCallStateNames = {{
    {"Aktiv", "Active", "Activa", "Actif", "Attivo", "Actief", "Aktive", "Activo"},
    {"Gehalten", "Held", "Retenida", "Mise en attente", "Trattenuta", "Gehouden", "Hold", "Retido"},
    {"W\xE4hlen", "Dialing", "Marcando", "Composition", "Chiamata", "Kiezen", "Ringer", "Em Marca\xE7\xE3o"},
    {"Alarm", "Alerting", "Aviso", "Alerter", "Avviso", "Melding", "Avbryter", "A Alertar"},
    {"Eingehender Ruf", "Incoming", "Llegando", "Entrant", "In arrivo", "Inkomend", "Innkommende", "A Entrar"},
    {"Warten", "Waiting", "Esparando", "Attente", "Attesa", "Wachtend", "Venter", "Em Espera"},
}};

constexpr std::array<Row, 10> kCallModeNames = {{
    {"Voice", "Voice", "Voz", "Voix", "Voce", "Spraak", "Samtale", "Voz"},
    {"Daten", "Data", "Datos", "Donn\xE9" "es", "Dati", "Data", "Data", "Dados"},
    {"Fax", "Fax", "Fax", "Fax", "Fax", "Fax", "Fax", "Fax"},
    {"Voice gefolgt von Daten (Voice)", "Voice followed by data (voice)", "Voz seguida de datos (voz)", "Voix suivis de donn\xE9" "es(voix)", "Chiamata a voce seguita da dati (voce)", "Spraak gevolgd door data(spraak)", "Samtale etterfulgt av data(samtale)", "Voz Seguida de Dados (Voz)"},
    {"Abwechselnd Voice/Daten (Voice)", "Alternating voice/data (voice)", "Alternando voz/datos (voz)", "Alternance voix /donn\xE9" "es (voix)", "Alterna voce/dati (voce)", "Kiezen tussen spraak/data (spraak)", "Vekslende samtale/data (samtale)", "Alternando Voz/Dados (Voz)"},
    {"Abwechselnd Voice/Fax (Voice)", "Alternating voice/fax (voice)", "Alternando voz/fax (voz)", "Alternance voix/fax (voix)", "Alterna voce/fax (voce)", "Kiezen tussen spraak/fax (spraak)", "Vekslende samtale/fax (samtale)", "Alternando Voz/Fax (Voz)"},
    {"Voice gefolgt von Daten (Daten)", "Voice followed by data (data)", "Voz seguida de datos (datos)", "Voix suivis de donn\xE9" "es(donn\xE9" "es)", "Chiamata a voce seguita dati (dati)", "Spraak gevolgd door data (data)", " Samtale etterfulgt av data (data)", "Voz Seguida de Dados (Dados)"},
    {"Abwechselnd Voice/Daten (Daten)", "Alternating voice/data (data)", "Alternando voz/datos (datos)", "Alternance voix/donn\xE9" "es(donn\xE9" "es)", "Alterna voce/dati (dati)", "Kiezen tussen spraak/data (data)", "Vekslende samtale voice/data (data)", "Alternando Voz/Dados (Dados)"},
    {"Abwechselnd Voice/Fax (Fax)", "Alternating voice/fax (fax)", "Alternando voz/fax (fax)", "Alternance voix/fax(fax)", "Alterna voce/fax (fax)", "Kiezen tussen spraak/fax (fax)", "Vekslende samtale/fax (fax)", "Alternando Voz/Fax (Fax)"},
    {"Unbekannt", "Unknown", "Desconocido", "Inconnu", "Sconosciuto", "Onbekend", "Ukjent", "Desconhecido"},
}};

constexpr std::array<Row, 5> kCallColumnTitles = {{
    {"Nr.", "#", "#", "#", "#", "Nr.", "#", "#"},
    {"Ein/Aus", "In/Out", "In/Out", "In/Out", "In/Out", "In/Uit", "Inn/Ut", "Entrada/Sa\xED" "da"},
    {"Typ", "Type", "Tipo", "Type", "Tipo", "Type", "Type", "Tipo"},
    {"Nummer", "Number", "Numero", "Num\xE9ro", "Numero", "Nummer", "Nummer", "Numero"},
    {"Modus", "Mode", "Modo", "Mode", "Modo", "Modus", "Mode", "Modo"},
}};

constexpr std::array<Row, 2> kOperatorHeaders = {{
    {"Name", "Name", "Nombre", "Nom", "Nome", "Naam", "Navn", "Nome"},
    {"Modus", "Mode", "Tipo", "Mode", "Tipo", "Modus", "Mode", "Modo"},
}};

// clang-format on

template <std::size_t N>
std::string NameOrNumber(const std::array<Row, N>& table, int languageId, int value) {
  if (value < 0 || static_cast<std::size_t>(value) >= N) return std::to_string(value);
  return std::string(table[static_cast<std::size_t>(value)]
                          [static_cast<std::size_t>(config::LanguageTableRow(languageId))]);
}

}  // namespace

std::string RegistrationName(int languageId, int state) {
  return NameOrNumber(kRegistrationNames, languageId, state);
}
std::string ActivityName(int languageId, int activity) {
  return NameOrNumber(kActivityNames, languageId, activity);
}
std::string CallStateName(int languageId, int state) {
  return NameOrNumber(kCallStateNames, languageId, state);
}
std::string CallModeName(int languageId, int mode) {
  return NameOrNumber(kCallModeNames, languageId, mode);
}

std::string_view CallColumnTitle(int languageId, int column) {
  if (column < 0 || column >= kCallColumnCount) return {};
  return kCallColumnTitles[static_cast<std::size_t>(column)]
                          [static_cast<std::size_t>(config::LanguageTableRow(languageId))];
}
std::string_view OperatorNameHeader(int languageId) {
  return kOperatorHeaders[0][static_cast<std::size_t>(config::LanguageTableRow(languageId))];
}
std::string_view OperatorModeHeader(int languageId) {
  return kOperatorHeaders[1][static_cast<std::size_t>(config::LanguageTableRow(languageId))];
}

}  // namespace telvane::network
