#pragma once
// An edit field of the word editing panel: F5 to F8 type the special texts 1
// to 4. The texts are asked for at each key press, so a change of the
// settings shows at the next press.
#include <array>
#include <functional>

#include "OneLineEdit.h"

class CSpecialKeyEdit : public COneLineEdit {
  Q_OBJECT

 public:
  using SpecialSource = std::function<std::array<QString, 4>()>;

  explicit CSpecialKeyEdit(QWidget* parent = nullptr);

  void SetSpecialSource(SpecialSource source) { m_source = std::move(source); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  SpecialSource m_source;
};
