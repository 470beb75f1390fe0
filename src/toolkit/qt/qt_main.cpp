#include <malloc.h>

#include <QApplication>
#include <QFont>
#include <QStyleFactory>
#include <filesystem>

#include "app/app.h"
#include "toolkit/qt/qt_platform.h"
#include "toolkit/qt/qt_theme.h"

int main(int argc, char** argv) {
  // Every capture handles several full-screen buffers of 8 MB. Served from the heap and
  // kept after release, they cost no fresh page faults at the next capture; left to mmap,
  // they cost about a third of the time from the click to the overlay.
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
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
