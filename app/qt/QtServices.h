// Message boxes, beep and clipboard over Qt.
#pragma once

#include "window/Clipboard.h"
#include "window/WindowDialogs.h"

namespace ragozo::view {

class QtDialogs : public window::WindowDialogs {
 public:
  void beep() override;
  void showMessage(const std::string& text) override;
  bool askYesNo(const std::string& title, const std::string& text) override;
  void showInformation(const std::string& title, const std::string& text) override;
};

class QtClipboard : public window::Clipboard {
 public:
  void clear() override;
  void setText(const std::string& text) override;
  std::string text() const override;
};

}  // namespace ragozo::view
