#include "services/service_labels.h"

#include <array>

#include "config/locale_info.h"

namespace telvane::services {
namespace {

// Rows by language: German, English, Spanish, French, Italian, Dutch, Norwegian,
// Portuguese; texts in ISO 8859-1.
constexpr std::size_t kLanguageCount = config::kLanguageTableRows;

constexpr std::array<std::array<std::string_view, kReasonCount>, kLanguageCount> kReasonLabels = {{
    {"Immer", "Wenn besetzt", "Wenn keine Antwort", "Wenn nicht erreichb."},
    {"Always", "If busy", "If no answer", "If not available"},
    {"Siempre", "Si Comunica", "Si no responde", "Si no disponible"},
    {"Toujours", "Si occup\xE9", "Si pas de r\xE9ponse", "Si non disponible"},
    {"Ogni Chiamata", "Se occupato", "Senza risposta", "Se non disponibile"},
    {"Altijd", "Bij in gesprek", "Bij geen antwoord", "BIj niet beschikbaar"},
    {"Alltid", "Hvis opptatt", "Om ikke svar", "Om ikke tilgjengelig"},
    {"Sempre", "Se Ocupado", "Se N\xE3o Atender", "Se N\xE3o Dispon\xEDvel"},
}};

constexpr std::array<std::array<std::string_view, kFacilityCount>, kLanguageCount> kFacilityLabels =
    {{
        {"Tastatursperre", "Phone locked to SIM", "SIM Karte", "FDN Sperre",
         "Sperre f\xFCr ausgehende Rufe", "Sperre f\xFCr ausg. int. Rufe",
         "Sperre f\xFCr ausgehende int. Rufe bis auf Heimatland", "Sperre f\xFCr eingehende Rufe",
         "Sperre f\xFCr eing. Rufe wenn roam. au\xDF"
         "erhalb des Heimatlandes"},
        {"Keyboard lock", "Phone locked to SIM", "SIM card", "FDN lock", "Bar all outgoing calls",
         "Bar outgoing int. calls", "Bar outgoing int. except home country",
         "Bar all incoming calls", "Bar inc. calls when roam. outside home country"},
        {"Bloquear teclado",
         "Bloquear tel\xE9"
         "fono a la SIM",
         "Tarjeta SIM", "FDN lock", "Toda llamada saliente", "Toda llamada internacional saliente",
         "Toda llamada int. excepto al pais origen", "Toda llamada entrante",
         "Toda llamada entrante en Roaming"},
        {"Clavier verrouill\xE9", "T\xE9l\xE9phone verrouil\xE9 par SIM", "Carte SIM",
         "FDN Verrouil\xE9", "Bloquer tous appels sortants",
         "Bloquer appels internationaux sortants", "Bloquer appels internationaux sauf nationaux",
         "Bloquer tous appels entrants",
         "Bloquer appels entrants quand vous \xEAtes \xE0 l'etranger"},
        {"Blocco tastiera", "Blocco telefono su sim", "SIM card", "FDN lock",
         "Blocca tutte le chiamate in uscita", "Blocca tutte le chiamate internazionali in uscita",
         "Blocca tutte le chiamate in entrata eccetto il proprio paese",
         "Blocca tutte le chiamate in entrata",
         "Blocca tutte le chiamate entranti quando si \xE8 in roaming"},
        {"Toets blokkering", "Telefoon is geblokkeerd naar SIM", "SIM kaart", "FDN blokkering",
         "Blokkeer alle uitgaande gesprekken", "Blokkeer uitgaande int. gesprekken",
         "Blokkeer uitgaande int. behalve eigen land", "Blokkeer alle inkomende gesprekken",
         "Blokkeer ink. gesprekken als roam. buiten eigen land"},
        {"Tastel\xE5s", "Telefon l\xE5st til SIM", "SIM kort", "FDN l\xE5s",
         "Sperr alle utg\xE5"
         "ende samtaler",
         "Sperr utg\xE5"
         "ende int. samtaler",
         "Sperr utg\xE5"
         "ende int. untatt hjemland",
         "Sperr alle innkommende samtaler", "Sperr innk. samtaler ved roaming utenlands"},
        {"Bloqueio de Teclado", "Telefone Bloqueado ao SIM", "Cart\xE3o SIM ", "Bloqueio FDN",
         "Barrar Todas as Chamadas de Sa\xED"
         "da",
         "Barrar Todas as Chamadas de Sa\xED"
         "da Internacionais",
         "Barrar Chamadas de Sa\xED"
         "da Internacionais Excepto p/ Pa\xEDs de Origem",
         "Barrar Todas as Chamadas de Entrada", "Barrar Chamadas de Entrada Quando em Roaming"},
    }};

}  // namespace

std::string_view ReasonLabel(int languageId, int reason) {
  if (reason < 0 || reason >= kReasonCount) return {};
  return kReasonLabels[config::LanguageTableRow(languageId)][static_cast<std::size_t>(reason)];
}

std::string_view FacilityLabel(int languageId, int index) {
  if (index < 0 || index >= kFacilityCount) return {};
  return kFacilityLabels[config::LanguageTableRow(languageId)][static_cast<std::size_t>(index)];
}

}  // namespace telvane::services
