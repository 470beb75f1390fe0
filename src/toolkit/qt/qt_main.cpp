#include <QApplication>
#include <QFont>
#include <QStyleFactory>
#include <filesystem>

#include "app/app.h"
#include "toolkit/qt/qt_platform.h"
#include "toolkit/qt/qt_theme.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  qirvo::applyTheme(application);
  const std::filesystem::path runDirectory = QCoreApplication::applicationDirPath().toStdString();
  std::filesystem::current_path(runDirectory);
  // Both live until the process ends through endProgram; they are never destroyed while a
  // worker may still use them.
  auto* platform = new qirvo::QtPlatform();
  auto* app = new qirvo::App(*platform, runDirectory);
  app->start();
  return platform->run();
}
