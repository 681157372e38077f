#pragma once
// The help of the cost ledger, one text for the cost menu's help picture and the cost
// card's help button.
#include <QString>
#include <QStringList>

namespace costs {

// "App Costi sostenuti".
QString costHelpTitle();
// The ten paragraphs, in order.
QStringList costHelpParagraphs();

}  // namespace costs
