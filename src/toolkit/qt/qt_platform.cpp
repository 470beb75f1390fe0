#include "toolkit/qt/qt_platform.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

#include "resources/main_window_layout.h"
#include "toolkit/qt/qt_window_view.h"
#include "toolkit/window.h"

namespace qirvo {

QtPlatform::QtPlatform() {
  frameTimer_.setInterval(16);
  connect(&frameTimer_, &QTimer::timeout, this, [this] { syncAll(); });
  frameTimer_.start();
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::createWindow(Window& w) {
  auto view = std::make_unique<QtWindowView>(
      w, [this] { syncAll(); }, [this, &w] { closeFromWindowManager(w); });
  views_[&w] = std::move(view);
}

void QtPlatform::showWindow(Window& w) {
  auto it = views_.find(&w);
  if (it == views_.end()) return;
  QtWindowView& v = *it->second;
  v.sync();
  v.placeForShow();
  v.show();
  v.raise();
  v.activateWindow();
  v.takeKeyboard();
}

void QtPlatform::bringToFront(Window& w) {
  auto it = views_.find(&w);
  if (it == views_.end()) return;
  QtWindowView& v = *it->second;
  v.setWindowState(v.windowState() & ~Qt::WindowMinimized);
  v.show();
  v.raise();
  v.activateWindow();
  v.takeKeyboard();
}

void QtPlatform::postClose(Window& w) {
  QMetaObject::invokeMethod(
      this, [this, &w] { completeClose(w); }, Qt::QueuedConnection);
}

void QtPlatform::completeClose(Window& w) {
  if (w.state() != WindowState::Closing) return;
  finishClose(w);
  auto it = views_.find(&w);
  if (it == views_.end()) return;
  std::unique_ptr<QtWindowView> view = std::move(it->second);
  views_.erase(it);
  view->releaseKeyboardGrab();
  view->hide();
  view.release()->deleteLater();
}

void QtPlatform::closeFromWindowManager(Window& w) {
  if (w.state() != WindowState::Open) return;
  w.markClosing();
  completeClose(w);
}

ScreenSize QtPlatform::screenSize() {
  const QScreen* s = QGuiApplication::primaryScreen();
  const double dpr = s->devicePixelRatio();
  return {static_cast<int>(s->geometry().width() * dpr + 0.5),
          static_cast<int>(s->geometry().height() * dpr + 0.5)};
}

Raster QtPlatform::grabScreen(Rect r) {
  return screen_.grab(r);
}

ColourValue QtPlatform::pixelUnderPointer() {
  return screen_.pixelUnderPointer();
}

Point QtPlatform::pointerPosition() {
  return screen_.pointer();
}

void QtPlatform::setPointerPosition(Point p) {
  const double dpr = QGuiApplication::primaryScreen()->devicePixelRatio();
  QCursor::setPos(static_cast<int>(p.x / dpr), static_cast<int>(p.y / dpr));
}

MessageAnswer QtPlatform::messageBox(const std::string& text, MessageButtons buttons) {
  QMessageBox box;
  box.setWindowTitle(kMessageTitle);
  box.setText(QString::fromStdString(text));
  box.setIcon(QMessageBox::NoIcon);
  box.setWindowModality(Qt::ApplicationModal);
  if (buttons == MessageButtons::Ok) {
    box.addButton("确定", QMessageBox::AcceptRole);
    box.exec();
    return MessageAnswer::Ok;
  }
  QPushButton* yes = box.addButton("是", QMessageBox::YesRole);
  box.addButton("否", QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.exec();
  return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void QtPlatform::processPendingEvents() {
  syncAll();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtPlatform::syncAll() {
  for (auto& [model, view] : views_) view->sync();
}

int QtPlatform::run() {
  return QApplication::exec();
}

void QtPlatform::exitProcess(int code) {
  std::fflush(nullptr);
  // Workers may still run; nothing they use is destroyed on the way out.
  std::_Exit(code);
}

}  // namespace qirvo
