#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace zunpeko {

// The modal box that asks for a line of text: a prompt line, a one-line edit
// field holding the default text all selected (at most 255 bytes of code page
// 932), "OK" (Enter) and "ｷｬﾝｾﾙ" (Esc), laid out in units of the window font,
// with a fixed border, centred on the screen.
class NamePromptDialog final : public QDialog {
  public:
    static constexpr std::size_t kMaxTextBytes = 255;

    NamePromptDialog(const QString& title, const QString& promptLine, const QString& defaultText,
                     QWidget* parent = nullptr);

    QString Text() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void CentreOnScreen();

    QLineEdit* edit_ = nullptr;
};

}  // namespace zunpeko
