#pragma once
// The Qt widgets behind the control kinds. Internal to src/ui/qt.

#include "ui/Types.h"

#include <QLineEdit>
#include <QWidget>

#include <cstdint>

// Makes the widget of a control kind inside the dialog's client area, or
// nullptr for an unknown kind. The caller registers it.
QWidget* MakeControlWidget(Handle control, std::int32_t kind, const QString& text,
                           std::uint32_t style, std::uint32_t extendedStyle, QWidget* parent);

// The widget of a control that takes the focus and the input (for a graphic
// control, the client widget inside its border).
QWidget* InputWidget(QWidget* controlWidget);

// A text box that notifies its dialog and, with ES_NUMBER, ignores typed
// characters other than digits, whether they come as keys (Alt and AltGr
// combinations included) or composed by an input method; pasted or dropped
// text still gets in.
class EditBox : public QLineEdit {
  public:
    EditBox(Handle control, bool digitsOnly, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    Handle m_control;
    bool m_digitsOnly;
};
