#pragma once
// The planner's help, the same from its menu and from the booking board.
#include <QString>
#include <QStringList>

namespace planner {

QString helpTitle();             // "App Planner Prenotazioni"
QStringList helpParagraphs();    // seven paragraphs, joined by the help window

}  // namespace planner
