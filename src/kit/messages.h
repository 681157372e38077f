#pragma once
// The texts several windows share, in one place: the record cards' messages, the
// archive access error, the export windows' messages and hints, the list print's, the
// summaries', the canvas prints'.
// A window's own texts stay in the window.
#include <QString>

#include "core/file_names.h"

namespace kit {

namespace msg {
// ---- record cards ------------------------------------------------------------------
inline const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
inline const QString kAccessError = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
inline const QString kOverwritten =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
inline const QString kInserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
inline const QString kSaved = QStringLiteral("La scheda corrente è stata salvata in archivio.");
inline const QString kDuplicateNotStored = QStringLiteral(
    "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata inserita in archivio.");
inline const QString kDuplicated = QStringLiteral(
    "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
    "Al termine premere Salva per inserire la scheda in archivio.");
// A year typed for a yearly archive that is not four digits (menus, year panels).
inline const QString kYearWarning = QString::fromUtf16(core::kYearWarning.data(), qsizetype(core::kYearWarning.size()));
// Check-box flags as stored (width-2 fields: 02 53 EC and 02 4E 6F).
inline const QString kYes = QStringLiteral("Sì");
inline const QString kNo = QStringLiteral("No");

// ---- list find ---------------------------------------------------------------------
// The strip above a result list that explains "Trova" (the trip lists, the booking
// summary).
inline const QString kFindInstructions = QStringLiteral(
    "Digitare una o più parole consecutive della riga cercata e premere \"Trova\"; premere di nuovo \"Trova\" per "
    "passare alla riga successiva che contiene le stesse parole.");
// ---- list print --------------------------------------------------------------------
inline const QString kEmptySummaryWarning =
    QStringLiteral("Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce.");
inline const QString kPrintSummaryQuestion = QStringLiteral("Si vuole stampare il presente riepilogo?");

// ---- date-range summaries ----------------------------------------------------------
// An archive the summary menu cannot open or read (a plain message; no summary opens).
inline const QString kSummaryArchiveError = QStringLiteral("Attenzione: il file di archivio non risulta accessibile.");

// ---- canvas prints (the mileage and cost cards, the charts) ------------------------
inline const QString kCopiesCaption = QStringLiteral("Numero copie da stampare");
inline const QString kCopiesPrompt = QStringLiteral("Copie:");
inline const QString kCopiesDefault = QStringLiteral("1");
inline const QString kPrintCardQuestion = QStringLiteral("Si vuole stampare la presente scheda?");
inline const QString kPrintChartQuestion = QStringLiteral("Si vuole stampare il presente grafico statistico?");
// Digits too many for a number of copies (the answer quoted, as the failure says it).
inline QString notACopyCount(const QString& answer) {
  return QStringLiteral("'%1' is not a valid integer value").arg(answer);
}
}  // namespace msg

// ---- export windows ----------------------------------------------------------------
namespace exportmsg {
inline const QString kAsk = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede presenti in "
    "archivio.\r\n\r\nSi vuole esportare i dati adesso?");
inline const QString kDone = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
inline const QString kFailed = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
    "Accertarsi che il file di Excel non sia già aperto.");
// The banner of every export window.
inline const QString kBanner = QStringLiteral("ESPORTAZIONE IN EXCEL");
// Status hints.
inline const QString kHintEsporta = QStringLiteral("Esporta l'archivio in formato Microsoft Excel.");
inline const QString kHintGuida = QStringLiteral("Visualizza la pagina della guida sensibile al contesto.");
inline const QString kHintEsci = QStringLiteral("Esci da questo ambiente di lavoro.");
inline const QString kPanInfo = QStringLiteral("Esportazione archivio in Microsoft Excel.");
}  // namespace exportmsg

}  // namespace kit
