#include "shell/StyleIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyleOption>

namespace lir::gui {
namespace {

class TLazyStyleIconEngine : public QIconEngine {
 public:
  explicit TLazyStyleIconEngine(QStyle::StandardPixmap which) : which_(which) {}

  QIconEngine* clone() const override { return new TLazyStyleIconEngine(which_); }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    QStyle* style = QApplication::style();
    if (source_.isNull()) {
      source_ = style->standardPixmap(which_);
      if (source_.isNull()) source_ = style->standardIcon(which_).pixmap(size);
    }
    QPixmap scaled = source_.size() == size ? source_
                                            : source_.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (mode != QIcon::Normal) {
      QStyleOption option;
      scaled = style->generatedIconPixmap(mode, scaled, &option);
    }
    return scaled;
  }

 private:
  QStyle::StandardPixmap which_;
  QPixmap source_;
};

}  // namespace

QIcon lazyStandardIcon(QStyle::StandardPixmap which) { return QIcon(new TLazyStyleIconEngine(which)); }

}  // namespace lir::gui
