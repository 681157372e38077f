#include "planner/planner_help.h"

namespace planner {

QString helpTitle() { return QStringLiteral("App Planner Prenotazioni"); }

QStringList helpParagraphs() {
  return {
      QStringLiteral("L'app Planner Prenotazioni mette a disposizione un planning annuale, ossia un calendario nel "
                     "quale annotare, per ciascun veicolo, le prenotazioni dei noleggi di ogni giorno dell'anno. "
                     "Per prima cosa occorre indicare un anno solare, selezionare nell'elenco il veicolo da "
                     "noleggiare e premere il pulsante Apri. L'elenco riporta i veicoli registrati nel Parco "
                     "Automezzi, ciascuno con il tipo (ad esempio autovettura, furgone, camper), la marca e il "
                     "modello, la targa, il numero di posti e l'alimentazione."),
      QStringLiteral("Visualizzato il planner annuale, per registrare la prenotazione del noleggio di un veicolo in "
                     "un certo giorno dell'anno, basta fare clic sul numero del giorno corrispondente e digitare il "
                     "nome del cliente, eventualmente seguito da un recapito telefonico. Per annullare una "
                     "prenotazione basta fare clic sul giorno, cancellare il testo e premere il pulsante Applica e "
                     "chiudi. Le prenotazioni vengono salvate automaticamente all'uscita dalla schermata di lavoro."),
      QStringLiteral("Il pulsante Intervallo consente di registrare velocemente una prenotazione che copre un arco "
                     "di tempo di più giorni. Basta selezionare la data di inizio e la data di fine, digitare il nome "
                     "del cliente e premere il pulsante Applica e chiudi."),
      QStringLiteral("E' possibile registrare prenotazioni non solo per l'anno corrente ma anche per gli anni futuri, "
                     "digitando l'anno desiderato nella finestra di accesso al planner. Nel planner i giorni in rosso "
                     "risultano prenotati, quelli in viola sono disponibili."),
      QStringLiteral("E' quindi chiaro che il planner annuale va aperto nel momento in cui il cliente chiama per "
                     "noleggiare un veicolo. L'operatore vede a colpo d'occhio se i giorni richiesti sono rossi, "
                     "cioè già prenotati. In tal caso basta tornare all'elenco dei veicoli e aprire il planner di un "
                     "altro veicolo, quindi registrare la prenotazione."),
      QStringLiteral("Il pulsante Riepilogo permette di ottenere l'elenco di tutte le prenotazioni del veicolo "
                     "registrate nel planner annuale in ordine cronologico, con i giorni prenotati seguiti dai nomi "
                     "dei clienti; l'elenco può essere stampato."),
      QStringLiteral("Il planning annuale relativo a ciascun mezzo può essere visualizzato in anteprima o stampato su "
                     "carta per avere a disposizione il prospetto delle prenotazioni."),
  };
}

}  // namespace planner
