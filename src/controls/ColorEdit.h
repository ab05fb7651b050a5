#pragma once
// The answer field: its text and background colours are set at run time, and
// F5 to F8 type the four special texts it was given.
#include <array>

#include "ColorRef.h"
#include "OneLineEdit.h"

class CColorEdit : public COneLineEdit {
  Q_OBJECT

 public:
  explicit CColorEdit(QWidget* parent = nullptr);

  void SetTextColour(ColorRef colour);
  void SetBackColour(ColorRef colour);
  ColorRef TextColour() const { return m_textColour; }
  ColorRef BackColour() const { return m_backColour; }

  // The texts typed by F5, F6, F7 and F8, in this order.
  void SetSpecialChars(const QString& s1, const QString& s2, const QString& s3, const QString& s4);
  const std::array<QString, 4>& SpecialChars() const { return m_special; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ApplyColours();

  std::array<QString, 4> m_special;
  ColorRef m_backColour;
  ColorRef m_textColour;
};
