#include "TextArea.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "KeyText.h"
#include "TextAreaWidget.h"
#include "TextField.h"
#include "framework/core/Strings.h"

namespace {

struct Span {
    int position;
    int removed;
    int added;
};

// Where the editor's characters went from before to now. The document's
// report can reach past the change (an edit block, the closing paragraph
// mark), so it is checked and narrowed; one that does not fit gives way to
// the common head and tail of the two texts.
Span Changed(const QString& before, const QString& now, int position, int removed, int added) {
    const int oldLength = int(before.size());
    const int newLength = int(now.size());
    position = std::clamp(position, 0, std::min(oldLength, newLength));
    removed = std::clamp(removed, 0, oldLength - position);
    added = newLength - oldLength + removed;
    const bool fits = added >= 0 && position + added <= newLength &&
                      QStringView(before).left(position) == QStringView(now).left(position) &&
                      QStringView(before).mid(position + removed) == QStringView(now).mid(position + added);
    if (!fits) {
        position = 0;
        while (position < std::min(oldLength, newLength) && before[position] == now[position])
            ++position;
        removed = oldLength - position;
        added = newLength - position;
    }
    while (removed > 0 && added > 0 && before[position + removed - 1] == now[position + added - 1]) {
        --removed;
        --added;
    }
    while (removed > 0 && added > 0 && before[position] == now[position]) {
        ++position;
        --removed;
        --added;
    }
    return {position, removed, added};
}

bool IsBreak(QChar c) {
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

}  // namespace

TextArea::TextArea(::Window* window, const QString& name, QWidget* parent)
    : RectControl(window, name, new TextAreaWidget(parent)), edit_(static_cast<TextAreaWidget*>(Widget())) {
    UpdateFocusPolicy();
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit_->setTabChangesFocus(true);
    edit_->insertFilter = [this](const QString& text) { return FilterInsert(text); };
    QObject::connect(edit_->document(), &QTextDocument::contentsChange, this,
                     [this](int position, int removed, int added) { ApplyEdit(position, removed, added); });
    QObject::connect(edit_, &QPlainTextEdit::textChanged, this, [this] { DeliverEdit(); });
}

QString TextArea::Text() const {
    return text_;
}

void TextArea::SetText(const QString& text) {
    setting_ = true;
    edit_->setPlainText(text);
    setting_ = false;
    text_ = text;
    shownRaw_ = edit_->document()->toRawText();
    edited_ = false;
    if (TextChange && Live())
        TextChange(*this);
}

// The editor keeps one paragraph break for each "\r\n", "\r" and "\n" of the
// text; everything else it keeps one for one.
int TextArea::TextIndex(int editorPosition) const {
    int index = 0;
    for (int p = 0; p < editorPosition && index < text_.size(); ++p) {
        const bool pair = text_.at(index) == QLatin1Char('\r') && index + 1 < text_.size() &&
                          text_.at(index + 1) == QLatin1Char('\n');
        index += pair ? 2 : 1;
    }
    return index;
}

void TextArea::ApplyEdit(int position, int removed, int added) {
    if (setting_)
        return;
    const QString now = edit_->document()->toRawText();
    const Span change = Changed(shownRaw_, now, position, removed, added);
    shownRaw_ = now;
    if (change.removed == 0 && change.added == 0)
        return;  // a change of format only
    const int from = TextIndex(change.position);
    const int to = TextIndex(change.position + change.removed);
    QString inserted = now.mid(change.position, change.added);
    for (QChar& c : inserted)
        if (IsBreak(c))
            c = QLatin1Char('\r');
    const QString head = text_.left(from) + inserted;
    QString after = text_.mid(to);
    // A carriage return right before a line feed would read back as one break,
    // not the two the editor shows: the user's own break becomes a line feed
    // where that pairs with nothing, else the line feed a carriage return.
    if (head.endsWith(QLatin1Char('\r')) && after.startsWith(QLatin1Char('\n'))) {
        const bool ownBreak = !inserted.isEmpty() && !head.chopped(1).endsWith(QLatin1Char('\r'));
        if (ownBreak)
            inserted.back() = QLatin1Char('\n');
        else
            after[0] = QLatin1Char('\r');
    }
    text_ = text_.left(from) + inserted + after;
    edited_ = true;
}

void TextArea::DeliverEdit() {
    if (!edited_)
        return;
    edited_ = false;
    if (TextChange && Live())
        TextChange(*this);
}

QString TextArea::FilterInsert(const QString& text) const {
    // Each line break as the editor will keep it, so that the cut counts the
    // characters the text will hold.
    QString inserted = text;
    inserted.replace(QLatin1String("\r\n"), QLatin1String("\r"));
    if (limit_ <= 0)
        return inserted;
    const int before = Len(text_.left(TextIndex(edit_->textCursor().selectionStart())));
    return ::Left(inserted, std::max(1, limit_ + 1 - before));
}

bool TextArea::ReadOnly() const {
    return edit_->isReadOnly();
}

void TextArea::SetReadOnly(bool readOnly) {
    edit_->setReadOnly(readOnly);
    // Its text can still be selected from the keyboard and copied.
    if (readOnly)
        edit_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ShowReadOnly(readOnly);
}

int TextArea::SelStart() const {
    return edit_->textCursor().selectionStart();
}

void TextArea::SetSelStart(int start) {
    QTextCursor cursor = edit_->textCursor();
    cursor.setPosition(std::clamp(start, 0, int(edit_->document()->characterCount()) - 1));
    edit_->setTextCursor(cursor);
}

int TextArea::SelLength() const {
    const QTextCursor cursor = edit_->textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void TextArea::SetSelLength(int length) {
    QTextCursor cursor = edit_->textCursor();
    const int start = cursor.selectionStart();
    const int last = int(edit_->document()->characterCount()) - 1;
    cursor.setPosition(start);
    cursor.setPosition(std::clamp(start + std::max(0, length), start, last), QTextCursor::KeepAnchor);
    edit_->setTextCursor(cursor);
}

void TextArea::SelectAll() {
    edit_->selectAll();
}

void TextArea::ApplyProps(const QVariantMap& props) {
    RectControl::ApplyProps(props);
    if (props.contains("ReadOnly"))
        SetReadOnly(props.value("ReadOnly").toBool());
    if (props.contains("LimitText"))
        SetLimitText(props.value("LimitText").toInt());
}

void TextArea::RunOpen() {
    if (Open && Live())
        Open(*this);
}

void TextArea::DeliverGotFocus() {
    if (GotFocus && Live())
        GotFocus(*this);
}

void TextArea::DeliverLostFocus() {
    if (LostFocus && Live())
        LostFocus(*this);
}

void TextArea::DeliverMouseEnter() {
    if (MouseEnter && Live())
        MouseEnter(*this);
}

void TextArea::DeliverMouseExit() {
    if (MouseExit && Live())
        MouseExit(*this);
}

bool TextArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress && Live()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = TextField::KeyDownText(*key);
        if (!text.isEmpty() && KeyDown && KeyDown(*this, text))
            return true;
        const bool inserts = KeyText::Inserts(*key) || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (limit_ > 0 && inserts && !edit_->isReadOnly()) {
            const int after = int(shownRaw_.size()) - SelLength() + 1;
            if (after > limit_)
                return true;
        }
    }
    return RectControl::eventFilter(watched, event);
}
