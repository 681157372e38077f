#include "shell/help_texts.h"

namespace shell {

// One entry per paragraph; the help window separates them with an empty line.
const std::array<std::u16string_view, kOverviewHelpCount> kOverviewHelp = {
    // 1: the product as a whole
    u"Velmora 4.0 è il programma per la gestione completa del parco automezzi aziendale: conserva la scheda "
    u"descrittiva di ogni veicolo con la sua foto, registra i costi sostenuti e i pagamenti ancora da saldare, "
    u"tiene sotto controllo le scadenze delle manutenzioni programmate per data e per chilometraggio, gestisce "
    u"l'anagrafica dei conduttori con chi è in servizio e chi è in ferie, registra i viaggi con i rifornimenti "
    u"calcolando carburante, chilometri percorsi e spesa, tiene il registro degli ingressi e delle uscite dei "
    u"veicoli dal cancello aziendale e offre un planner annuale per prenotare ogni automezzo.",

    // 2 to 11: the driver register
    u"Anagrafica Conduttori raccoglie una scheda per ogni conduttore, divisa in cinque sezioni: i dati personali "
    u"con le patenti di guida e l'indirizzo, i recapiti telefonici con PEC ed e-mail, i codici fiscali e bancari, "
    u"il veicolo assegnato e infine il programma delle ferie con le note. Cognome e nome, marca, modello e targa "
    u"del veicolo assegnato sono obbligatori; premendo Invio si passa al campo successivo.",
    u"Per inserire un nuovo conduttore premi il pulsante Nuovo: la scheda viene svuotata ed è pronta per essere "
    u"compilata. Terminato l'inserimento premi Salva per registrare la scheda in archivio; se stai modificando una "
    u"scheda già archiviata, Salva ne memorizza le modifiche al suo posto.",
    u"I pulsanti di navigazione in basso a destra permettono di scorrere l'archivio: i due pulsanti esterni "
    u"portano alla prima e all'ultima scheda, quelli interni alla scheda precedente e a quella successiva. Tra i "
    u"pulsanti compare il numero della scheda visualizzata.",
    u"Accanto al codice fiscale, alla partita IVA, alla carta di credito e all'IBAN trovi i pulsanti di verifica: "
    u"ognuno apre una finestra che controlla la correttezza formale del codice e segnala gli errori di battitura. "
    u"Il pulsante accanto all'indirizzo e-mail apre il programma di posta con un nuovo messaggio già indirizzato "
    u"al conduttore.",
    u"La casella Sì trasferte indica i conduttori disposti a viaggiare fuori sede: il pulsante dell'elenco "
    u"trasferte mostra in un attimo tutti i conduttori disponibili, pronti da contattare.",
    u"A ogni scheda puoi allegare fino a tre documenti, come la copia della patente o un contratto: i file "
    u"vengono copiati nella cartella Documenti_Allegati accanto al programma e si aprono con un clic dalla "
    u"finestra degli allegati, anche se l'originale è stato spostato o cancellato.",
    u"La ricerca consente di filtrare l'archivio dei conduttori per nome, città, codice fiscale, veicolo assegnato "
    u"e altri campi; il risultato è un elenco nel quale un doppio clic su una riga riapre la scheda corrispondente.",
    u"Tieni aggiornata la casella In ferie di ogni conduttore, spuntandola alla partenza e togliendo la spunta al "
    u"rientro: l'elenco dei conduttori in servizio mostra chi è disponibile oggi, quello dei conduttori in ferie "
    u"chi è assente. Solo una casella aggiornata con regolarità rende affidabili entrambi gli elenchi.",
    u"Il pulsante Stampa produce su carta la scheda completa del conduttore visualizzato, pronta da archiviare o "
    u"da consegnare all'interessato.",
    u"Il pulsante Esporta crea un file per foglio di calcolo con l'intero archivio dei conduttori, che si apre "
    u"al termine dell'operazione e può essere elaborato, stampato o inviato ad altri uffici.",

    // 12 to 22: the vehicle register
    u"Parco Automezzi conserva la scheda di ogni veicolo: tipo, marca, modello, targa, telaio, alimentazione, "
    u"dati di acquisto, assicurazione, conduttore abituale e le quattro date di scadenza di revisione, tagliando, "
    u"assicurazione e bollo. Ogni scheda può mostrare la foto del veicolo nella cornice di anteprima.",
    u"Per registrare un nuovo veicolo premi Nuovo, compila la scheda e premi Salva; per modificare un veicolo già "
    u"in archivio richiamane la scheda, correggi i dati e premi ancora Salva.",
    u"Con i pulsanti di navigazione scorri le schede dei veicoli dalla prima all'ultima, una alla volta; il numero "
    u"della scheda visualizzata compare tra i pulsanti.",
    u"Per caricare la foto di un veicolo scegli un'immagine in formato JPEG o Bitmap: viene adattata alla cornice "
    u"di anteprima senza deformarla. Un clic sulla foto la ingrandisce a tutto schermo; i pulsanti accanto alla "
    u"cornice salvano la foto insieme alla scheda oppure la eliminano.",
    u"La presentazione mostra a tutto schermo, una dopo l'altra, le foto di tutti i veicoli dell'archivio, "
    u"cambiando immagine ogni sei secondi: è comoda per riconoscere a colpo d'occhio i mezzi dell'azienda.",
    u"Il pulsante Duplica crea una nuova scheda partendo da quella visualizzata: è utile quando si acquistano più "
    u"veicoli dello stesso modello, perché basta cambiare targa e pochi altri dati prima di salvare.",
    u"Anche alla scheda del veicolo puoi allegare fino a tre documenti, come il libretto di circolazione o la "
    u"polizza assicurativa, che restano sempre a portata di clic nella cartella Documenti_Allegati.",
    u"La ricerca dei veicoli filtra l'archivio per targa, marca, modello, tipo, conduttore e altri campi; un doppio "
    u"clic su una riga dell'elenco dei risultati riapre la scheda. La stessa finestra serve alle altre sezioni del "
    u"programma per importare i dati di un veicolo senza riscriverli.",
    u"Ogni volta che un veicolo supera la revisione, esegue il tagliando, rinnova l'assicurazione o paga il bollo, "
    u"aggiorna la data corrispondente sulla sua scheda: su queste quattro date si basa il controllo delle scadenze "
    u"imminenti.",
    u"L'anteprima mostra la scheda del veicolo con la sua foto così come verrà stampata; dall'anteprima puoi "
    u"scorrere le pagine, ingrandirle e avviare la stampa.",
    u"Il pulsante Stampa invia la scheda del veicolo alla stampante, mentre Esporta crea un file per foglio di "
    u"calcolo con tutto l'archivio dei veicoli, che si apre al termine dell'operazione.",

    // 23 to 25: the upcoming deadlines
    u"Scadenze Imminenti presenta quattro pulsanti arancioni, uno per ogni tipo di scadenza: revisione, tagliando, "
    u"assicurazione e bollo. Premi quello che ti interessa per ottenere subito il riepilogo dei veicoli coinvolti.",
    u"Ogni elenco mostra i veicoli la cui data è già passata oppure cade nei prossimi sette giorni, con tipo, "
    u"marca e modello, targa e data di scadenza; l'elenco si può stampare per affidarlo a chi deve provvedere.",
    u"Quando una scadenza è stata rispettata, apri la scheda del veicolo in Parco Automezzi e scrivi la nuova data: "
    u"il veicolo scompare dall'elenco delle scadenze fino alla prossima volta.",

    // 26 to 31: the cost ledger
    u"Costi sostenuti registra le spese di ogni anno in un archivio separato: all'apertura scegli l'anno di "
    u"lavoro e il programma apre, o crea se non esiste ancora, l'archivio di quell'anno.",
    u"Per registrare una spesa premi Nuovo, compila la scheda con il veicolo interessato, la data e l'importo e "
    u"premi Salva; anche qui il veicolo si importa dall'archivio dei veicoli con un clic.",
    u"La causale descrive il motivo della spesa (carburante, manutenzione, assicurazione e così via); i dati del "
    u"pagamento indicano fornitore, modalità e documento, e la casella Saldato distingue i pagamenti già "
    u"effettuati da quelli ancora da saldare, che un apposito elenco raccoglie in ogni momento.",
    u"I pulsanti di navigazione scorrono le spese dell'anno scelto, dalla prima all'ultima registrata.",
    u"La ricerca filtra le spese dell'anno per targa, causale, fornitore, data e altri campi; un doppio clic su "
    u"una riga riapre la scheda della spesa.",
    u"Il riepilogo dei costi somma le spese di un intervallo di date, anche per una sola targa o una sola "
    u"causale, e mostra il totale in fondo all'elenco, pronto da stampare.",

    // 32 to 35: the monthly cost chart
    u"Il grafico mensile dei costi mostra come si distribuiscono le spese nei dodici mesi: per prima cosa scegli "
    u"l'anno da rappresentare.",
    u"Il grafico presenta dodici barre tridimensionali, una per mese, alte quanto la spesa del mese, così da "
    u"individuare subito i periodi più costosi.",
    u"Con un clic puoi passare dalla vista a barre alla vista a torta, che mostra il peso di ogni mese sul totale "
    u"dell'anno.",
    u"Il grafico si stampa in orizzontale su un foglio A4, accompagnato dagli importi di ciascun mese.",

    // 36 to 42: the gate register
    u"Ingressi e Uscite Veicoli è il registro del cancello aziendale: lo compila di solito il personale di "
    u"portineria o di vigilanza, ogni volta che un veicolo entra o esce.",
    u"Ogni scheda registra il veicolo e la sua targa, il conduttore, l'azienda di provenienza, il motivo della "
    u"visita, la data e l'ora di ingresso e, più tardi, la data e l'ora di uscita.",
    u"Il registro è diviso per anni: scegli l'anno, premi Nuovo all'arrivo del veicolo, compila la scheda e "
    u"premi Salva.",
    u"All'uscita del veicolo non serve cercare la scheda: l'elenco dei veicoli non ancora usciti la mostra "
    u"subito, un doppio clic la richiama e basta completare data e ora di uscita prima di salvarla di nuovo. Sono "
    u"disponibili anche gli elenchi dei veicoli entrati e usciti oggi.",
    u"La ricerca filtra le schede dell'anno per targa, conduttore, azienda, data e altri campi; un doppio clic su "
    u"una riga riapre la scheda.",
    u"I pulsanti di navigazione scorrono le schede del registro dell'anno scelto, dalla prima all'ultima.",
    u"La stampa della scheda riporta due copie identiche sullo stesso foglio A4: una resta all'azienda, l'altra "
    u"si consegna al conduttore del veicolo.",

    // 43 to 44: the monthly transit chart
    u"Il grafico mensile dei transiti mostra, per l'anno scelto, quanti veicoli sono passati dal cancello in "
    u"ciascuno dei dodici mesi.",
    u"Come il grafico dei costi, si può vedere a barre o a torta e stampare in orizzontale con i valori di ogni "
    u"mese.",

    // 45 to 51: the booking planner
    u"Planner Prenotazioni offre per ogni veicolo un tabellone annuale con tutti i giorni dell'anno: scegli l'anno "
    u"e il veicolo dall'elenco e il tabellone mostra a colpo d'occhio i giorni liberi e quelli prenotati.",
    u"Per prenotare un singolo giorno fai clic sulla sua casella e scrivi il nome del cliente o il motivo della "
    u"prenotazione; allo stesso modo puoi liberare un giorno già prenotato.",
    u"Per prenotare più giorni di seguito usa la prenotazione per intervallo: indica la data di inizio, quella di "
    u"fine e il cliente, e tutti i giorni dell'intervallo vengono prenotati in un colpo solo.",
    u"Il planner accetta anche gli anni futuri, così puoi registrare fin da ora le prenotazioni dell'anno "
    u"prossimo.",
    u"Il planner è pensato per essere usato mentre il cliente è al telefono: in pochi secondi vedi se il veicolo è "
    u"libero nei giorni richiesti e confermi subito la prenotazione.",
    u"Il riepilogo delle prenotazioni elenca in ordine di calendario tutti i giorni prenotati del veicolo, con il "
    u"cliente di ciascun giorno.",
    u"Il tabellone si salva da solo alla chiusura e si può vedere in anteprima e stampare.",

    // 52 to 61: the maintenance schedule
    u"Scadenzario Manutenzioni tiene gli appuntamenti di manutenzione programmati per data, in un archivio "
    u"separato per ogni anno: all'apertura scegli l'anno su cui lavorare.",
    u"Per fissare un appuntamento premi Nuovo, indica giorno, mese e ora, descrivi l'intervento e premi Salva.",
    u"Per gli appuntamenti ricorrenti usa Duplica: la nuova scheda riprende i dati di quella visualizzata e basta "
    u"cambiare la data prima di salvarla.",
    u"Il conduttore e il veicolo interessati si importano dai rispettivi archivi con un clic sui pulsanti accanto "
    u"ai campi, senza doverli riscrivere.",
    u"Per ogni appuntamento puoi indicare con quanti giorni di anticipo vuoi essere avvisato: all'apertura dello "
    u"scadenzario gli appuntamenti imminenti vengono segnalati con un avviso sonoro e un elenco dedicato.",
    u"Un appuntamento può essere confermato, per esempio quando l'officina ha accettato la data: l'elenco degli "
    u"appuntamenti da confermare raccoglie quelli ancora in sospeso.",
    u"Quando la manutenzione è stata eseguita spunta la casella Effettuato e salva: gli elenchi degli interventi "
    u"ancora da fare e di quelli già eseguiti si aggiornano di conseguenza.",
    u"Non ci sono limiti al numero di appuntamenti di uno stesso giorno: l'elenco giornaliero li mostra in ordine "
    u"di orario, quello mensile tutti gli appuntamenti del mese.",
    u"La ricerca filtra gli appuntamenti dell'anno per veicolo, conduttore, intervento e altri campi; un doppio "
    u"clic su una riga riapre l'appuntamento.",
    u"L'esportazione crea un file per foglio di calcolo con tutti gli appuntamenti dell'anno scelto.",

    // 62 to 74: the mileage schedule
    u"Scadenzario Chilometrico tiene le manutenzioni che dipendono dai chilometri percorsi invece che dalla data, "
    u"come il cambio dell'olio o la sostituzione degli pneumatici.",
    u"Per una nuova scadenza premi Nuovo e importa il veicolo e il conduttore dai rispettivi archivi con un clic.",
    u"Nella sezione della manutenzione descrivi l'intervento da eseguire e l'officina incaricata.",
    u"Indica i chilometri iniziali, cioè la lettura del contachilometri al momento dell'ultimo intervento.",
    u"Indica poi ogni quanti chilometri va ripetuto l'intervento: il programma calcola da solo a quale "
    u"chilometraggio scade la manutenzione.",
    u"Aggiorna periodicamente i chilometri attuali del veicolo, con la data della lettura: è il confronto tra i "
    u"chilometri attuali e quelli di scadenza a dire se la manutenzione è ancora valida.",
    u"Il modo più rapido per aggiornare i chilometri è partire dall'elenco delle manutenzioni da effettuare: un "
    u"doppio clic apre la scheda, scrivi la nuova lettura e salva.",
    u"Al salvataggio, se i chilometri attuali hanno raggiunto quelli di scadenza, la scheda viene segnata come "
    u"scaduta.",
    u"L'elenco delle manutenzioni scadute mostra gli interventi che hanno già superato il chilometraggio previsto, "
    u"mentre quello delle manutenzioni da effettuare comprende tutte quelle non ancora eseguite.",
    u"Eseguita la manutenzione, spunta la casella Effettuata e registra la scadenza successiva con una nuova "
    u"scheda che parte dai chilometri dell'intervento appena fatto.",
    u"L'elenco delle manutenzioni effettuate conserva lo storico degli interventi eseguiti su ogni veicolo.",
    u"La ricerca filtra le scadenze chilometriche per targa, conduttore, intervento e altri campi; un doppio clic "
    u"su una riga riapre la scheda.",
    u"Ogni scheda si può stampare e l'intero archivio si esporta in un file per foglio di calcolo.",

    // 75 to 89: the trip register
    u"Registro Viaggi tiene traccia di ogni viaggio dei veicoli aziendali, con i rifornimenti di carburante, i "
    u"chilometri percorsi e la spesa sostenuta.",
    u"Per ogni viaggio compila una scheda con il conduttore, la destinazione, il motivo, le date e gli orari di "
    u"partenza e di rientro.",
    u"Marca, modello e targa del veicolo si importano dall'archivio dei veicoli con un clic sul pulsante accanto "
    u"al campo del veicolo.",
    u"Alla partenza leggi il contachilometri e scrivi la lettura nella scheda; al rientro scrivi la nuova lettura: "
    u"il programma calcola i chilometri percorsi.",
    u"La scheda ha cinque righe di rifornimento: per ognuna indica i litri, il prezzo al litro e l'importo "
    u"pagato.",
    u"Al salvataggio il programma somma i litri e gli importi dei rifornimenti e calcola il carburante consumato e "
    u"la spesa complessiva del viaggio.",
    u"Per calcoli precisi conviene partire con il serbatoio pieno e fare il pieno anche al rientro: così il "
    u"carburante rifornito corrisponde a quello consumato durante il viaggio.",
    u"La casella Viaggio in corso indica i viaggi non ancora conclusi: l'elenco dei viaggi in corso li mostra "
    u"tutti e un doppio clic apre la scheda da completare al rientro.",
    u"Come nelle altre schede, Nuovo prepara una scheda vuota con la data e l'ora attuali e Salva la registra in "
    u"archivio.",
    u"I pulsanti di navigazione scorrono i viaggi registrati, dal primo all'ultimo.",
    u"La ricerca filtra i viaggi per targa, conduttore, destinazione, data e altri campi; un doppio clic su una "
    u"riga riapre il viaggio.",
    u"Duplica crea una nuova scheda dai dati di quella visualizzata, comoda per i viaggi che si ripetono sempre "
    u"uguali.",
    u"A ogni viaggio puoi allegare fino a tre documenti, come le ricevute dei rifornimenti o dei pedaggi.",
    u"L'intero registro dei viaggi si esporta in un file per foglio di calcolo.",
    u"Ogni scheda di viaggio si può stampare, per esempio da far firmare al conduttore al rientro.",

    // 90 to 96: the fuel and distance summary
    u"Il riepilogo consumi carburante e chilometri percorsi somma i dati dei viaggi registrati per capire quanto "
    u"costa far viaggiare ogni veicolo.",
    u"Puoi limitare il riepilogo a un anno, a una targa, a una destinazione o a un intervallo di date, anche "
    u"combinando più filtri.",
    u"Ogni riga del riepilogo corrisponde a un viaggio e ne riporta la data, il veicolo, la destinazione, i "
    u"chilometri, i litri di carburante e la spesa.",
    u"In fondo al riepilogo compaiono i totali dei chilometri percorsi, dei litri di carburante e della spesa.",
    u"Lasciando vuoto il filtro della targa ottieni il riepilogo di tutti i veicoli insieme.",
    u"Per riepiloghi attendibili è importante scrivere la targa sempre nello stesso modo: per questo conviene "
    u"importarla dall'archivio dei veicoli invece di digitarla a mano.",
    u"Il riepilogo si stampa con un clic, pronto da allegare al rendiconto delle spese.",

    // 97: local network
    u"Il programma può essere usato anche in una rete locale: installalo in una cartella condivisa del server e "
    u"avvialo dalle postazioni di lavoro, così tutti consultano e aggiornano gli stessi archivi.",

    // 98: the access password
    u"L'accesso al programma è protetto da una password, che puoi cambiare a tuo piacimento con il pulsante "
    u"Cambia password della finestra di accesso. Per il primo accesso la password è \"benvenutiflota\": scrivila "
    u"senza le virgolette. Ti consigliamo di sostituirla subito con una password personale.",

    // 99: USB stick and backup
    u"Velmora 4.0 funziona anche da una chiavetta USB, senza installazione: basta copiarvi la cartella del "
    u"programma. Copiare l'intera cartella è anche il modo più rapido per fare una copia di sicurezza di tutti "
    u"gli archivi, perché ogni dato è conservato in file accanto al programma.",

    // 100: closing summary
    u"Velmora 4.0 ti aiuta quindi a tenere sotto controllo veicoli, conduttori, costi, manutenzioni, viaggi, "
    u"transiti dal cancello e prenotazioni, tutto in un unico programma semplice da usare. Buon lavoro!",
};

}  // namespace shell
