#include "toolkit/qt/qt_window_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <cmath>

#include "toolkit/qt/canvas_widget.h"
#include "toolkit/qt/colour_picker_button.h"
#include "toolkit/qt/timing.h"

namespace qirvo {

namespace {

QString qs(const std::string& s) {
  return QString::fromStdString(s);
}

// Picture boxes show art, not pixels to pick: they scale with the rest of the window.
QPixmap pixmapOf(const PictureBytes& bytes) {
  auto raster = decodePicture(bytes);
  if (!raster) return {};
  QImage img(reinterpret_cast<const uchar*>(raster->data()), raster->width(), raster->height(),
             raster->width() * 4, QImage::Format_RGB32);
  return QPixmap::fromImage(img.copy());
}

}  // namespace

QtWindowView::QtWindowView(Window& model, std::function<void()> afterInput,
                           std::function<void()> closeRequested)
    : model_(model),
      afterInput_(std::move(afterInput)),
      closeRequested_(std::move(closeRequested)) {
  setWindowTitle(qs(model.title()));
  if (model.style() == WindowStyle::FixedDialog) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(model.clientWidth(), model.clientHeight());
  } else {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
  }
  for (const auto& c : model.controls()) {
    QWidget* parent = this;
    if (!c->parentName().empty())
      for (auto& b : bound_)
        if (b.control->name() == c->parentName()) parent = b.widget;
    QWidget* w = build(*c, parent);
    bound_.push_back({c.get(), w, 0});
  }
  sync();
}

QWidget* QtWindowView::build(Control& c, QWidget* parent) {
  Control* ctl = &c;
  auto done = [this] { afterInput_(); };
  switch (c.kind()) {
    case ControlKind::Button: {
      auto* b = new QPushButton(parent);
      b->setFocusPolicy(Qt::TabFocus);
      connect(b, &QPushButton::clicked, this, [ctl, done] {
        InputTiming::instance().markClick();
        if (ctl->on.clicked) ctl->on.clicked();
        done();
      });
      return b;
    }
    case ControlKind::Label:
      return new QLabel(parent);
    case ControlKind::EditBox: {
      auto* e = new QLineEdit(parent);
      connect(e, &QLineEdit::textEdited, this,
              [ctl](const QString& t) { ctl->setText(t.toStdString()); });
      return e;
    }
    case ControlKind::ComboList:
    case ControlKind::ComboEditable: {
      auto* box = new QComboBox(parent);
      box->setEditable(c.kind() == ControlKind::ComboEditable);
      for (const auto& item : c.items()) box->addItem(qs(item));
      if (box->isEditable()) {
        box->setInsertPolicy(QComboBox::NoInsert);
        connect(box, &QComboBox::editTextChanged, this,
                [ctl](const QString& t) { ctl->setText(t.toStdString()); });
      }
      // Fires for every choice from the list, also of the item already selected.
      connect(box, &QComboBox::activated, this, [ctl, done](int index) {
        ctl->setCurrentIndex(index);
        if (ctl->on.itemChosen) ctl->on.itemChosen(index);
        done();
      });
      return box;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(parent);
      connect(box, &QCheckBox::toggled, this, [ctl](bool on) { ctl->setChecked(on); });
      return box;
    }
    case ControlKind::ColourPicker:
      return new ColourPickerButton(
          [ctl, done](ColourValue colour) {
            ctl->setColour(colour);
            if (ctl->on.colourChosen) ctl->on.colourChosen();
            done();
          },
          parent);
    case ControlKind::PictureBox: {
      auto* label = new QLabel(parent);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      if (c.border() == BorderStyle::ThinLine) {
        label->setFrameShape(QFrame::Box);
        label->setLineWidth(1);
      }
      return label;
    }
    case ControlKind::Canvas: {
      auto* canvas = new CanvasWidget(c, done, parent);
      canvases_.push_back(canvas);
      return canvas;
    }
    case ControlKind::HtmlView:
      return new QWidget(parent);
  }
  return new QWidget(parent);
}

void QtWindowView::apply(Bound& b) {
  Control& c = *b.control;
  QWidget* w = b.widget;
  const Rect g = c.geometry();
  if (c.kind() == ControlKind::Canvas) {
    // Canvases are sized in device pixels by CanvasWidget; only their place is logical.
    w->move(g.left, g.top);
  } else {
    w->setGeometry(g.left, g.top, g.width(), g.height());
  }
  if (c.kind() != ControlKind::Canvas) w->setVisible(c.visible());
  const QString text = qs(c.text());
  if (auto* button = qobject_cast<QPushButton*>(w)) {
    if (button->text() != text) button->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    if (c.kind() == ControlKind::PictureBox)
      label->setPixmap(pixmapOf(c.picture()));
    else if (label->text() != text)
      label->setText(text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    if (edit->text() != text) edit->setText(text);
  } else if (auto* box = qobject_cast<QComboBox*>(w)) {
    const int index = c.currentIndex();
    if (index >= 0 && box->currentIndex() != index) {
      const QSignalBlocker block(box);
      box->setCurrentIndex(index);
    }
    if (box->isEditable() && box->currentText() != text) {
      const QSignalBlocker block(box);
      box->setEditText(text);
    }
  } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
    if (check->text() != text) check->setText(text);
    if (check->isChecked() != c.checked()) {
      const QSignalBlocker block(check);
      check->setChecked(c.checked());
    }
  } else if (auto* picker = qobject_cast<ColourPickerButton*>(w)) {
    picker->showColour(c.colour());
  } else if (auto* canvas = qobject_cast<CanvasWidget*>(w)) {
    canvas->applyPointer(c.pointer());
  }
}

void QtWindowView::sync() {
  for (auto& b : bound_) {
    const std::uint64_t v = b.control->version();
    if (v != b.seen) {
      b.seen = v;
      apply(b);
    }
  }
  hideCoveredCanvases();
  for (CanvasWidget* c : canvases_) c->sync();
}

void QtWindowView::hideCoveredCanvases() {
  // A canvas wholly under a later, shown sibling canvas would be painted for nothing; the
  // capture window's clean snapshot lies under the full-screen overlay that way. The model
  // keeps it visible; only the native widget rests until it can be seen.
  for (std::size_t i = 0; i < bound_.size(); ++i) {
    Bound& below = bound_[i];
    if (below.control->kind() != ControlKind::Canvas) continue;
    const Rect area = below.control->geometry();
    bool covered = false;
    for (std::size_t j = i + 1; j < bound_.size() && !covered; ++j) {
      const Control& above = *bound_[j].control;
      covered = above.kind() == ControlKind::Canvas && above.visible() &&
                bound_[j].widget->parentWidget() == below.widget->parentWidget() &&
                above.geometry().intersected(area) == area && !area.isEmpty();
    }
    const bool shown = below.control->visible() && !covered;
    if (below.widget->isVisibleTo(this) != shown) below.widget->setVisible(shown);
  }
}

void QtWindowView::placeForShow() {
  if (model_.style() == WindowStyle::FixedDialog) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.center() - QPoint(width() / 2, height() / 2));
  } else {
    // Borderless windows take the model's client area, given in device pixels.
    const double dpr = devicePixelRatioF();
    const Rect r = model_.clientRect();
    setGeometry(static_cast<int>(r.left / dpr), static_cast<int>(r.top / dpr),
                static_cast<int>(std::ceil(r.width() / dpr)),
                static_cast<int>(std::ceil(r.height() / dpr)));
  }
}

CanvasWidget* QtWindowView::keyTarget() const {
  for (auto it = bound_.rbegin(); it != bound_.rend(); ++it)
    if (it->control->kind() == ControlKind::Canvas && it->control->on.keyDown &&
        it->control->visible())
      return qobject_cast<CanvasWidget*>(it->widget);
  return nullptr;
}

void QtWindowView::takeKeyboard() {
  CanvasWidget* target = keyTarget();
  if (!target) return;
  target->setFocus(Qt::OtherFocusReason);
  if (model_.style() != WindowStyle::BorderlessTopmost) return;
  if (!grabRetry_) {
    grabRetry_ = new QTimer(this);
    grabRetry_->setInterval(5);
  }
  grabRetry_->disconnect();
  int triesLeft = 200;
  connect(grabRetry_, &QTimer::timeout, this, [this, target, triesLeft]() mutable {
    if (windowHandle() && windowHandle()->isExposed()) {
      target->grabKeyboard();
      grabRetry_->stop();
    } else if (--triesLeft <= 0) {
      grabRetry_->stop();  // focus alone must do; a window manager usually gives it
    }
  });
  grabRetry_->start();
}

void QtWindowView::releaseKeyboardGrab() {
  if (grabRetry_) grabRetry_->stop();
  if (QWidget* grabber = QWidget::keyboardGrabber(); grabber && grabber->window() == this)
    grabber->releaseKeyboard();
}

void QtWindowView::closeEvent(QCloseEvent* e) {
  // The core decides what a close does; the view goes away when the core says so.
  e->ignore();
  closeRequested_();
}

void QtWindowView::moveEvent(QMoveEvent* e) {
  QWidget::moveEvent(e);
  const double dpr = devicePixelRatioF();
  const QPoint p = mapToGlobal(QPoint(0, 0));
  model_.setClientArea(static_cast<int>(p.x() * dpr), static_cast<int>(p.y() * dpr),
                       model_.clientWidth(), model_.clientHeight());
}

}  // namespace qirvo
