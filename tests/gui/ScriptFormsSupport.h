// The fixture of the script forms tests: a script host over a script the
// test writes, with the forms library installed, and a watchdog that closes
// a modal form a fault leaves open, so that a test fails instead of hanging.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <pscript/value.h>

#include "ScriptObject.h"
#include "ScriptUi.h"

namespace tarno {

class ScriptForms : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::InstallScriptUi();
    // A modal loop that a fault leaves running is closed (as by its close box)
    // after a while, so that the test fails instead of hanging.
    QObject::connect(&watchdog_, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    watchdog_.start(kWatchdogMs);
  }
  void TearDown() override {
    script_.reset();
    // The widgets of the forms go late: before the next test looks for its own.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::filesystem::remove(path_);
  }

  // Loads a script; Initialize may be left out of the text.
  void Load(const std::string& text) {
    SCOPED_TRACE("loading the test's script");
    path_ = std::filesystem::temp_directory_path() /
            ("tarno-forms-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".rops");
    std::ofstream(path_) << "function Initialize(var V: Variant): Boolean; begin Result := True; end;\n" << text;
    script_ = std::make_unique<TScriptObject>(path_.string());
    ASSERT_EQ(script_->ErrorText, "");
  }
  // Calls a script function; its text result is what it left in V.
  std::string Call(const std::string& name) {
    pscript::Value v;
    const int result = script_->CallScriptFunction(name, v);
    if (result < 0) return "failed: " + script_->ErrorText;
    return v.isEmpty() ? std::string() : v.toString();
  }
  static QWidget* Window(const QString& title) {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->windowTitle() == title) return w;
    return nullptr;
  }

  // The widget as it shows now (paint events included).
  static QImage Shown(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

  static constexpr int kWatchdogMs = 5000;
  QTimer watchdog_;
  std::filesystem::path path_;
  std::unique_ptr<TScriptObject> script_;
};

}  // namespace tarno
