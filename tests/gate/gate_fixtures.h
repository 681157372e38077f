#pragma once
// What the gate windows' tests share: the program's windows with the gate card open on
// the year 2024 in a fresh executable folder, its boxes scripted; and a list column.
#include <gtest/gtest.h>

#include <QString>

#include "app/app.h"
#include "gate/frm_registro.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

inline const QString kGateArchive = QStringLiteral("2024.vis");

class GateCardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app().createWindows();
    card = app().frmRegistro;
    ASSERT_NE(card, nullptr);
    card->openYear(QStringLiteral("2024"));
  }
  void TearDown() override { app().destroyWindows(); }

  TempExeDir dir;
  ScriptedDialogHost host;
  TfrmRegistro* card = nullptr;
};

// A field as a list line shows it, built here independently of the program: trimmed,
// padded with blanks and cut to `width`.
inline QString listColumn(const QString& text, int width) {
  return text.trimmed().leftJustified(width, QLatin1Char(' '), true);
}
