#include "framework/ui/MenuItem.h"

#include <QAction>
#include <QKeySequence>
#include <QStringList>

MenuItem::MenuItem(Role role) : role_(role) {}

MenuItem::~MenuItem() = default;

QString MenuItem::Text() const {
    QString shown;
    for (int i = 0; i < text_.size(); ++i) {
        if (text_.at(i) == QLatin1Char('&') && i + 1 < text_.size()) {
            ++i;  // the marker goes; of "&&" one ampersand stays
        }
        shown += text_.at(i);
    }
    return shown;
}

void MenuItem::SetText(const QString& text) {
    text_ = text;
    UpdateActionText();
}

void MenuItem::SetKeyboardShortcut(const QString& shortcut) {
    shortcut_ = shortcut;
    UpdateActionText();
}

void MenuItem::SetStandardKey(StandardKey key) {
    standardKey_ = key;
    UpdateActionText();
}

namespace {

QList<QKeySequence> StandardKeys(MenuItem::StandardKey key) {
    // In the order of MenuItem::StandardKey.
    static const QKeySequence::StandardKey kQtKeys[] = {
        QKeySequence::UnknownKey, QKeySequence::New,    QKeySequence::Open,  QKeySequence::Close,
        QKeySequence::Save,       QKeySequence::SaveAs, QKeySequence::Quit,  QKeySequence::Undo,
        QKeySequence::Cut,        QKeySequence::Copy,   QKeySequence::Paste, QKeySequence::SelectAll,
    };
    if (key == MenuItem::StandardKey::None)
        return {};
    const QList<QKeySequence> keys = QKeySequence::keyBindings(kQtKeys[int(key)]);
    if (keys.isEmpty() && key == MenuItem::StandardKey::SaveAs)
        return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)};
    return keys;
}

}  // namespace

QList<QKeySequence> MenuItem::Keys() const {
    QList<QKeySequence> keys = StandardKeys(standardKey_);
    const QString own = QtShortcut(shortcut_);
    if (!own.isEmpty() && !keys.contains(QKeySequence(own))) {
        keys.append(QKeySequence(own));
    }
    return keys;
}

void MenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (action_) {
        action_->setEnabled(enabled);
    }
}

void MenuItem::Append(MenuItem* item) {
    // An item has one place in the tree; one that has it already stays there.
    if (!item || item == this || item->parent_) {
        return;
    }
    item->parent_ = this;
    children_.emplace_back(item);
}

MenuItem* MenuItem::Child(const QString& name) const {
    for (const auto& child : children_) {
        if (child->name_ == name) {
            return child.get();
        }
    }
    return nullptr;
}

MenuItem* MenuItem::Lookup(const QString& name) const {
    for (const auto& child : children_) {
        if (child->name_ == name) {
            return child.get();
        }
        if (MenuItem* found = child->Lookup(name)) {
            return found;
        }
    }
    return nullptr;
}

MenuItem* MenuItem::Item(int index) const {
    return index >= 0 && index < Count() ? children_[static_cast<size_t>(index)].get() : nullptr;
}

QString MenuItem::QtShortcut(const QString& notation) {
    struct Modifier {
        const char* word;
        const char* qt;
    };
    static const Modifier kModifiers[] = {
        {"Cmd", "Ctrl"}, {"Command", "Ctrl"}, {"Option", "Alt"}, {"Opt", "Alt"},
        {"Alt", "Alt"},  {"Shift", "Shift"},  {"Ctrl", "Meta"},  {"Control", "Meta"},
    };
    QStringList modifiers;
    QString rest = notation.trimmed();
    bool consumed = true;
    while (consumed) {
        consumed = false;
        for (const Modifier& modifier : kModifiers) {
            const QString word = QString::fromLatin1(modifier.word);
            // A modifier word counts only with a separator and a key after it.
            if (rest.size() > word.size() + 1 && rest.startsWith(word, Qt::CaseInsensitive) &&
                (rest.at(word.size()) == QLatin1Char('+') || rest.at(word.size()) == QLatin1Char('-'))) {
                const QString qt = QString::fromLatin1(modifier.qt);
                if (!modifiers.contains(qt)) {
                    modifiers.append(qt);
                }
                rest = rest.mid(word.size() + 1);
                consumed = true;
                break;
            }
        }
    }
    if (rest.isEmpty()) {
        return QString();
    }
    // Qt's canonical order, whatever order the notation used.
    static const char* const kOrder[] = {"Meta", "Ctrl", "Alt", "Shift"};
    QStringList ordered;
    for (const char* name : kOrder) {
        if (modifiers.contains(QString::fromLatin1(name))) {
            ordered.append(QString::fromLatin1(name));
        }
    }
    ordered.append(rest.size() == 1 ? rest.toUpper() : rest);
    return ordered.join(QLatin1Char('+'));
}

QAction* MenuItem::Action() {
    if (!action_) {
        action_ = std::make_unique<QAction>();
        action_->setSeparator(IsSeparator());
        action_->setEnabled(enabled_);
        switch (role_) {
            case Role::Quit:
                action_->setMenuRole(QAction::QuitRole);
                break;
            case Role::About:
                action_->setMenuRole(QAction::AboutRole);
                break;
            case Role::Plain:
                action_->setMenuRole(QAction::NoRole);
                break;
        }
        UpdateActionText();
    }
    return action_.get();
}

void MenuItem::UpdateActionText() {
    if (!action_) {
        return;
    }
    QString shown = text_;
    // The key is only shown here; the menu bar dispatches the keys itself,
    // so that the one action in several windows never makes them ambiguous.
    const QList<QKeySequence> keys = Keys();
    if (!keys.isEmpty()) {
        shown += QLatin1Char('\t') + keys.first().toString(QKeySequence::NativeText);
    }
    action_->setText(shown);
}
