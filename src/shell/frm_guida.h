#pragma once
// The help window every help button fills: a title, the help text and a link to the
// PDF manual beside the executable. Nothing is kept between openings.
#include <QString>
#include <QStringList>

#include "platform/form.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TfrmGuida : public platform::Form {
  Q_OBJECT
 public:
  explicit TfrmGuida(QWidget* owner);

  // Help paragraphs are joined by CR LF CR LF.
  static QString joinParagraphs(const QStringList& paragraphs);

  // Sets the title and the text (paragraphs joined by CR LF CR LF).
  void setHelp(const QString& title, const QStringList& paragraphs);
  void setHelpText(const QString& title, const QString& text);
  QString title() const;
  // The text as the caller set it (line breaks as given, CR LF included).
  QString text() const { return text_; }

  // What every help button does: a fresh help window owned by `owner`, filled,
  // shown modally and freed when it closes.
  static void showHelp(QWidget* owner, const QString& title, const QStringList& paragraphs);

  // Controls, in the order of the window description.
  QLabel* lblTitolo;
  QPlainTextEdit* txtGuida;
  QLabel* lnkWeb;
  QLabel* imgPDF;
  QPushButton* btnChiudi;

 public slots:
  void lnkWebClick();
  void btnChiudiClick();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};
