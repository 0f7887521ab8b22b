#pragma once

#include <functional>

#include "RectControl.h"

class QLabel;

// Static text. It never takes the focus; clicks on it reach the window.
class Label : public RectControl {
 public:
  Label(::Window* window, const QString& name, QWidget* parent);

  QString Text() const;
  void SetText(const QString& text);
  int TextSize() const;
  void SetTextSize(int size);
  bool Bold() const;
  void SetBold(bool bold);

  bool AcceptsFocus() const override { return false; }
  void ApplyProps(const QVariantMap& props) override;
  void ApplyText(const QString& text) override { SetText(text); }
  void RunOpen() override;

  std::function<void(Label&)> Open;

 private:
  QLabel* label_;
};
