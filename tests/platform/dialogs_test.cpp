// The five message box kinds, the scripted host the window tests use, Qt's own host,
// and the event-loop catch.
#include <QAbstractButton>
#include <QPushButton>
#include <QLabel>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

#include <stdexcept>

#include "platform/dialogs.h"
#include "platform/form.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

using platform::MsgKind;

TEST(MessageKinds, CaptionsAndButtons) {
  struct Case {
    MsgKind kind;
    const char* caption;
    QStringList buttons;
  } cases[] = {
      {MsgKind::Warning, "Warning", {"OK", "Cancel"}},
      {MsgKind::Error, "Error", {"OK", "Cancel"}},
      {MsgKind::Information, "Information", {"OK", "Cancel"}},
      {MsgKind::Question, "Confirm", {"Yes", "No"}},
      {MsgKind::Plain, "", {"OK"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(platform::captionOf(c.kind), c.caption);
    EXPECT_EQ(platform::buttonsOf(c.kind), c.buttons);
  }
}

TEST(ScriptedHost, RecordsEveryBoxAndAnswersFromItsQueues) {
  ScriptedDialogHost host;
  host.answers = {false};
  platform::warning("Attenzione: uno.\n\r\n\rDue.");
  EXPECT_FALSE(platform::question("Continuare?"));
  EXPECT_TRUE(platform::question("Ancora?"));  // nothing queued: Yes
  platform::plainMessage("Semplice");
  ASSERT_EQ(host.boxes.size(), 4u);
  EXPECT_EQ(host.boxes[0].kind, MsgKind::Warning);
  EXPECT_EQ(host.boxes[0].caption, "Warning");
  EXPECT_EQ(host.boxes[0].buttons, (QStringList{"OK", "Cancel"}));
  EXPECT_EQ(host.boxes[0].text, "Attenzione: uno.\n\r\n\rDue.");
  EXPECT_EQ(host.boxes[1].caption, "Confirm");
  EXPECT_EQ(host.last().kind, MsgKind::Plain);
  EXPECT_EQ(host.texts(), (QStringList{"Attenzione: uno.\n\r\n\rDue.", "Continuare?", "Ancora?", "Semplice"}));

  host.inputs = {QString("3"), std::nullopt};
  EXPECT_EQ(platform::dialogHost().inputBox("Numero copie da stampare", "Copie:", "1", nullptr), QString("3"));
  EXPECT_EQ(platform::dialogHost().inputBox("Numero copie da stampare", "Copie:", "1", nullptr), std::nullopt);
  EXPECT_EQ(platform::dialogHost().inputBox("C", "P", "d", nullptr), std::nullopt);  // queue empty: cancelled
  EXPECT_EQ(host.inputPrompts.first(), "Numero copie da stampare|Copie:");
  EXPECT_EQ(host.inputDefaults, (QStringList{"1", "1", "d"}));
}

namespace {

// Runs `check` on the message box Qt shows next, then presses `button` on it.
void onNextBox(std::function<void(QMessageBox&)> check, QMessageBox::StandardButton button) {
  QTimer::singleShot(0, qApp, [check, button] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    check(*box);
    box->button(button)->click();
  });
}

QStringList buttonTexts(QMessageBox& box) {
  QStringList out;
  for (auto* b : box.buttons()) {
    const auto role = box.standardButton(b);
    out << (role == QMessageBox::Ok       ? "OK"
            : role == QMessageBox::Cancel ? "Cancel"
            : role == QMessageBox::Yes    ? "Yes"
            : role == QMessageBox::No     ? "No"
                                          : "?");
  }
  out.sort();
  return out;
}

}  // namespace

TEST(QtHost, ShowsTheKindsCaptionIconButtonsAndDefault) {
  struct Case {
    MsgKind kind;
    QMessageBox::Icon icon;
    QMessageBox::StandardButton defaultButton;
  } cases[] = {
      {MsgKind::Warning, QMessageBox::Warning, QMessageBox::Ok},
      {MsgKind::Error, QMessageBox::Critical, QMessageBox::Ok},
      {MsgKind::Information, QMessageBox::Information, QMessageBox::Ok},
      {MsgKind::Question, QMessageBox::Question, QMessageBox::Yes},
      {MsgKind::Plain, QMessageBox::NoIcon, QMessageBox::Ok},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(platform::captionOf(c.kind).toStdString());
    bool seen = false;
    QStringList want = platform::buttonsOf(c.kind);
    want.sort();
    onNextBox(
        [&](QMessageBox& box) {
          seen = true;
          // The plain message's empty caption is a blank, so no program name shows there.
          EXPECT_EQ(box.windowTitle(), c.kind == MsgKind::Plain ? " " : platform::captionOf(c.kind));
          EXPECT_EQ(box.icon(), c.icon);
          EXPECT_EQ(buttonTexts(box), want);
          EXPECT_EQ(box.standardButton(box.defaultButton()), c.defaultButton);
          // Paragraphs separated by LF CR LF CR show as one empty line, as plain text.
          EXPECT_EQ(box.text(), "Attenzione: <b>uno</b>.\n\nDue.");
          EXPECT_EQ(box.textFormat(), Qt::PlainText);
        },
        c.kind == MsgKind::Question ? QMessageBox::No : QMessageBox::Ok);
    const bool result = platform::dialogHost().message(c.kind, "Attenzione: <b>uno</b>.\n\r\n\rDue.", nullptr);
    EXPECT_TRUE(seen);
    EXPECT_EQ(result, c.kind != MsgKind::Question);  // only a question answered No stops
  }
}

TEST(QtHost, AnyButtonOfAnInformationBoxGoesOn) {
  onNextBox([](QMessageBox&) {}, QMessageBox::Cancel);
  EXPECT_TRUE(platform::dialogHost().message(MsgKind::Information, "x", nullptr));
  onNextBox([](QMessageBox&) {}, QMessageBox::Yes);
  EXPECT_TRUE(platform::question("y"));
}

namespace {

class Thrower : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("Impossibile leggere il file.");
    if (e->type() == QEvent::Type(QEvent::User + 1)) throw 42;
    return QObject::event(e);
  }
};

}  // namespace

TEST(EventLoopCatch, AnEscapingFailureShowsItsOwnMessageAndTheProgramGoesOn) {
  ScriptedDialogHost host;
  Thrower thrower;
  QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
  QCoreApplication::postEvent(&thrower, new QEvent(QEvent::Type(QEvent::User + 1)));
  settle();
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[0].kind, MsgKind::Error);
  EXPECT_EQ(host.boxes[0].text, "Impossibile leggere il file.");
  EXPECT_EQ(host.boxes[1].kind, MsgKind::Error);
  EXPECT_FALSE(host.boxes[1].text.isEmpty());

  // A failure in a handler run by a timer, too.
  QTimer::singleShot(0, &thrower, [] { throw std::runtime_error("Disco pieno."); });
  settle();
  EXPECT_EQ(host.last().text, "Disco pieno.");
}

TEST(QtHost, QtsOwnTextsAreItalian) {
  // Box buttons.
  struct Case {
    MsgKind kind;
    QStringList texts;
  } cases[] = {
      {MsgKind::Question, {"No", "Sì"}},
      {MsgKind::Warning, {"Annulla", "OK"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.texts.join(' ').toStdString());
    QStringList shown;
    onNextBox(
        [&](QMessageBox& box) {
          for (auto* b : box.buttons()) shown << b->text().remove(QLatin1Char('&'));
        },
        c.kind == MsgKind::Question ? QMessageBox::Yes : QMessageBox::Ok);
    platform::dialogHost().message(c.kind, "x", nullptr);
    shown.sort();
    EXPECT_EQ(shown, c.texts);
  }
}

TEST(QtHost, TheInputBoxIsWideEnoughForItsCaptionAndSpeaksItalian) {
  for (const QString caption : {QStringLiteral("Numero copie da stampare"), QStringLiteral("C"),
                                QStringLiteral("Un titolo davvero molto lungo per una finestra di immissione")}) {
    SCOPED_TRACE(caption.toStdString());
    int width = 0, needed = 0, least = 0;
    QStringList buttons;
    QTimer::singleShot(0, qApp, [&] {
      auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      width = box->width();
      needed = box->fontMetrics().horizontalAdvance(caption);
      least = platform::inputBoxWidth(caption, box->fontMetrics());
      for (auto* b : box->findChildren<QAbstractButton*>()) buttons << b->text().remove(QLatin1Char('&'));
      box->reject();
    });
    EXPECT_EQ(platform::dialogHost().inputBox(caption, "Copie:", "1", nullptr), std::nullopt);
    // The caption, and the title bar's icon and buttons beside it.
    EXPECT_GE(width, needed + 100);
    EXPECT_GE(width, least);
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"Annulla", "OK"}));
  }
}
