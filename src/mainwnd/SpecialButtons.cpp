#include "SpecialButtons.h"

#include <algorithm>

#include "MainWndIds.h"
#include "Panel.h"
#include "SpecialChars.h"
#include "controls/DialogSupport.h"
#include "controls/HoverButton.h"

CSpecialButtons::CSpecialButtons(QWidget* client) : QObject(client) {
  constexpr int kIds[4] = {IDC_SPECIAL1, IDC_SPECIAL2, IDC_SPECIAL3, IDC_SPECIAL4};
  for (int i = 0; i < 4; ++i) {
    m_buttons[i] = MakeDialogButton(QString(), client, kIds[i]);
    CPanel::SetHoverText(m_buttons[i], 0);
    connect(m_buttons[i], &QAbstractButton::clicked, this, [this, i] { Q_EMIT Clicked(i); });
  }
}

void CSpecialButtons::ShowCaptions() {
  for (int i = 0; i < 4; ++i) {
    const QString text = QStringLiteral("F%1: ").arg(5 + i) + SpecialChar(i);
    // A single "&" would underline the next letter.
    m_buttons[i]->setText(QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")));
    m_buttons[i]->setAccessibleName(text);
  }
}

void CSpecialButtons::Place(int mode, int w) {
  for (int i = 0; i < 4; ++i) {
    switch (mode) {
      case 0:  // editing: a column right of the list
        m_buttons[i]->setGeometry(w - 90, 185 + 20 * i, 66, 18);
        break;
      case 1:  // practice: a row under the counters
        m_buttons[i]->setGeometry(15 + 40 * i, 250, 40, 20);
        break;
      default:  // options: big keys in their frame
        m_buttons[i]->setGeometry(39 + 40 * i, 200, 40, 40);
        break;
    }
  }
}

bool CSpecialButtons::Contains(const QWidget* widget) const {
  return std::find(m_buttons.begin(), m_buttons.end(), widget) != m_buttons.end();
}
