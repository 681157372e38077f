#include "costs/cost_help.h"

namespace costs {

QString costHelpTitle() { return QStringLiteral("App Costi sostenuti"); }

QStringList costHelpParagraphs() {
  return {
      QStringLiteral(
          "L'app Costi sostenuti è un registro delle spese quotidiane di ciascun veicolo del parco automezzi, che "
          "fornisce un resoconto delle uscite per causale e per periodo. Per ogni spesa si compila una scheda: "
          "rifornimenti di carburante, riparazioni, manutenzione ordinaria o straordinaria, acquisto di accessori, "
          "tasse automobilistiche."),
      QStringLiteral(
          "Per registrare un nuovo costo si indica l'anno solare, si preme Nuovo, si compilano i campi della scheda e "
          "si preme Salva. La data del pagamento, la causale, la marca, il modello e la targa del veicolo sono "
          "obbligatori; ogni scheda può indicare anche il conduttore, il pagatore e il beneficiario con i rispettivi "
          "recapiti telefonici."),
      QStringLiteral(
          "Di ogni costo si annotano la causale, la descrizione, la modalità di pagamento e gli estremi dello "
          "scontrino, della ricevuta o della fattura; la casella Saldato si spunta quando il pagamento è stato "
          "effettuato. Il pulsante Da saldare visualizza l'elenco dei pagamenti ancora in sospeso."),
      QStringLiteral(
          "Le frecce di scorrimento richiamano la scheda precedente o successiva, oppure la prima o l'ultima "
          "dell'archivio; il pulsante Importa dati prende i dati del veicolo dall'archivio del Parco Automezzi."),
      QStringLiteral(
          "La ricerca consente ricerche avanzate con chiavi parziali e più filtri insieme: si possono trovare, per "
          "esempio, tutti i pagamenti fatti a un beneficiario."),
      QStringLiteral(
          "Il riepilogo dei costi si apre con il secondo pulsante Apri: indicando una causale, una targa e le date di "
          "inizio e di fine si ottiene l'elenco delle spese del periodo con la marca e il modello del veicolo, la "
          "data, la causale, il beneficiario e l'importo. Lasciando in bianco i filtri si ottengono tutti i veicoli e "
          "tutte le causali."),
      QStringLiteral(
          "Le statistiche mensili dei costi mostrano in un grafico a torta o a barre tridimensionali i costi di "
          "ciascun mese dell'anno, con i totali arrotondati all'euro."),
      QStringLiteral("Si indica prima l'anno solare, poi il pulsante Apri apre la finestra con il grafico."),
      QStringLiteral(
          "Il grafico ha dodici barre tridimensionali, una per mese: una barra più alta indica costi maggiori. Un "
          "pulsante passa al grafico a torta e un altro torna alle barre."),
      QStringLiteral(
          "Il pulsante Stampa grafico stampa il grafico visualizzato insieme agli importi mensili."),
  };
}

}  // namespace costs
