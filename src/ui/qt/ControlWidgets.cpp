#include "ui/qt/ControlWidgets.h"

#include "ui/dialogs/DialogMessages.h"
#include "ui/dialogs/Styles.h"
#include "ui/qt/GraphicControl.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

EditBox::EditBox(Handle control, bool digitsOnly, QWidget* parent)
    : QLineEdit(parent), m_control(control), m_digitsOnly(digitsOnly) {
    connect(this, &QLineEdit::textChanged, this, [this] { NotifyDialog(m_control, EN_CHANGE); });
}

namespace {

bool AllDigits(const QString& text) {
    for (const QChar c : text) {
        if (!c.isDigit()) return false;
    }
    return true;
}

QString DigitsOf(const QString& text) {
    QString digits;
    for (const QChar c : text) {
        if (c.isDigit()) digits += c;
    }
    return digits;
}

} // namespace

void EditBox::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
    // Control without Alt is a shortcut (paste, select all) that types
    // nothing; with Alt, or Alt alone, the line edit would insert the text.
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool shortcut = (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier);
    if (m_digitsOnly && printable && !shortcut && !AllDigits(typed)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EditBox::inputMethodEvent(QInputMethodEvent* event) {
    const QString committed = event->commitString();
    if (!m_digitsOnly || AllDigits(committed)) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent digitsOnly(event->preeditString(), event->attributes());
    digitsOnly.setCommitString(DigitsOf(committed), event->replacementStart(),
                               event->replacementLength());
    QLineEdit::inputMethodEvent(&digitsOnly);
    event->accept();
}

void EditBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    NotifyDialog(m_control, EN_SETFOCUS);
}

void EditBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    NotifyDialog(m_control, EN_KILLFOCUS);
}

namespace {

QWidget* MakeButton(Handle control, const QString& text, std::uint32_t style, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    // Enter must not press a button of its own accord.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFocusPolicy((style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    QObject::connect(button, &QPushButton::clicked, button,
                     [control] { NotifyDialog(control, BN_CLICKED); });
    return button;
}

QWidget* MakeEdit(Handle control, const QString& text, std::uint32_t style,
                  std::uint32_t extendedStyle, QWidget* parent) {
    auto* edit = new EditBox(control, style & ES_NUMBER, parent);
    edit->setText(text);
    edit->setFrame((style & WS_BORDER) || (extendedStyle & WS_EX_CLIENTEDGE));
    if (style & ES_CENTER) edit->setAlignment(Qt::AlignCenter);
    else if (style & ES_RIGHT) edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setFocusPolicy((style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    return edit;
}

} // namespace

QWidget* MakeControlWidget(Handle control, std::int32_t kind, const QString& text,
                           std::uint32_t style, std::uint32_t extendedStyle, QWidget* parent) {
    switch (kind) {
    case KIND_BUTTON: return MakeButton(control, text, style, parent);
    case KIND_STATIC: {
        auto* label = new QLabel(text, parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case KIND_EDIT: return MakeEdit(control, text, style, extendedStyle, parent);
    case KIND_GRAPHIC: return new GraphicControl(control, style & WS_BORDER, parent);
    default: return nullptr;
    }
}

QWidget* InputWidget(QWidget* controlWidget) {
    if (auto* graphic = dynamic_cast<GraphicControl*>(controlWidget)) return graphic->client();
    return controlWidget;
}
