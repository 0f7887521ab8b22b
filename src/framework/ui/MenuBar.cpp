#include "framework/ui/MenuBar.h"

#include "framework/ui/Application.h"
#include "framework/ui/MenuEventFilter.h"
#include "framework/ui/Window.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

bool IsTextCommandName(const QString& name) {
    static const char* const kNames[] = {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"};
    for (const char* known : kNames) {
        if (name == QLatin1String(known)) {
            return true;
        }
    }
    return false;
}

bool HandlerBound(const QString& name) {
    Window* front = Window::Frontmost();
    Application* app = Application::Instance();
    return (front && front->HasMenuHandler(name)) || (app && app->HasMenuHandler(name));
}

// Edit commands that fall to the focused text field: those nothing handles.
bool IsPlatformTextCommand(const QString& name) {
    return IsTextCommandName(name) && !HandlerBound(name);
}

template <class Edit>
void RunOnTextEdit(Edit* edit, const QString& name) {
    const bool writable = !edit->isReadOnly();
    if (name == QLatin1String("EditCopy")) {
        edit->copy();
    } else if (name == QLatin1String("EditSelectAll")) {
        edit->selectAll();
    } else if (!writable) {
        return;
    } else if (name == QLatin1String("EditUndo")) {
        edit->undo();
    } else if (name == QLatin1String("EditCut")) {
        edit->cut();
    } else if (name == QLatin1String("EditPaste")) {
        edit->paste();
    } else if (name == QLatin1String("EditClear")) {
        QTextCursor cursor = edit->textCursor();
        cursor.removeSelectedText();
    }
}

// Runs an edit command on the focused field as the platform's editing does.
bool RunTextCommand(const QString& name) {
    QWidget* field = Window::FocusedTextWidget();
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        if (name == QLatin1String("EditCopy")) {
            line->copy();
        } else if (name == QLatin1String("EditSelectAll")) {
            line->selectAll();
        } else if (line->isReadOnly()) {
            return false;
        } else if (name == QLatin1String("EditUndo")) {
            line->undo();
        } else if (name == QLatin1String("EditCut")) {
            line->cut();
        } else if (name == QLatin1String("EditPaste")) {
            line->paste();
        } else if (name == QLatin1String("EditClear") && line->hasSelectedText()) {
            line->del();
        }
        return true;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        RunOnTextEdit(plain, name);
        return true;
    }
    if (auto* rich = qobject_cast<QTextEdit*>(field)) {
        RunOnTextEdit(rich, name);
        return true;
    }
    return false;
}

// Whether an edit command would act on a multi-line text edit now.
template <class Edit>
bool ActsOnTextEdit(const Edit& edit, const QString& name) {
    const bool writable = !edit.isReadOnly();
    const bool selection = edit.textCursor().hasSelection();
    if (name == QLatin1String("EditUndo"))
        return writable && edit.document()->isUndoAvailable();
    if (name == QLatin1String("EditCut") || name == QLatin1String("EditClear"))
        return writable && selection;
    if (name == QLatin1String("EditCopy"))
        return selection;
    if (name == QLatin1String("EditPaste"))
        return writable && edit.canPaste();
    return true;
}

// Whether an edit command would act on the focused text field now: nothing
// to undo, nothing selected, a write-protected field or an empty clipboard
// leaves it greyed out.
bool TextCommandActs(const QString& name) {
    QWidget* field = Window::FocusedTextWidget();
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        const bool writable = !line->isReadOnly();
        // A masked field gives nothing away, as the field's own menu does.
        const bool selection = line->hasSelectedText() && line->echoMode() == QLineEdit::Normal;
        if (name == QLatin1String("EditUndo"))
            return writable && line->isUndoAvailable();
        if (name == QLatin1String("EditCut"))
            return writable && selection;
        if (name == QLatin1String("EditCopy"))
            return selection;
        if (name == QLatin1String("EditPaste"))
            return writable && !QGuiApplication::clipboard()->text().isEmpty();
        if (name == QLatin1String("EditClear"))
            return writable && line->hasSelectedText();
        return true;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field))
        return ActsOnTextEdit(*plain, name);
    if (auto* rich = qobject_cast<QTextEdit*>(field))
        return ActsOnTextEdit(*rich, name);
    return false;
}

// The framework's window of a top-level widget; null for Qt's own (message boxes, file dialogs).
Window* WindowOf(const QWidget* topLevel) {
    for (Window* window : Window::All()) {
        if (window->Widget() == topLevel) {
            return window;
        }
    }
    return nullptr;
}

// The key combination of a key press in Qt's portable notation.
QString KeysOf(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(event->key())))
        .toString(QKeySequence::PortableText);
}

template <class Visit>
void ForEachCommand(MenuItem* item, Visit visit) {
    for (int i = 0; i < item->Count(); ++i) {
        MenuItem* child = item->Item(i);
        if (child->Count() > 0) {
            ForEachCommand(child, visit);
        } else if (!child->IsSeparator()) {
            visit(child);
        }
    }
}

// A menu is enabled while any of its items is; returns the menu's state.
bool EnableMenusBelow(MenuItem* item) {
    bool any = false;
    for (int i = 0; i < item->Count(); ++i) {
        MenuItem* child = item->Item(i);
        if (child->Count() > 0) {
            child->SetEnabled(EnableMenusBelow(child));
        }
        any = any || (!child->IsSeparator() && child->Enabled());
    }
    return any;
}

}  // namespace

MenuBar::MenuBar() : filter_(std::make_unique<MenuEventFilter>(this)) {
    SetEnabled(true);
}

MenuBar::~MenuBar() {
    // The windows keep their (now empty) Qt bars; the actions go with the items.
    for (const auto& bar : bars_) {
        if (bar) {
            bar->clear();
        }
    }
}

void MenuBar::AttachTo(Window* window) {
    if (!window || !window->Widget() || IsAttachedTo(window->Widget())) {
        return;
    }
    auto* bar = new QMenuBar;
    bar->setNativeMenuBar(true);
    for (int i = 0; i < Count(); ++i) {
        MenuItem* menuItem = Item(i);
        auto* menu = new QMenu(menuItem->MarkedText(), bar);
        FillMenu(menu, menuItem);
        bar->addMenu(menu);
    }
    bars_.emplace_back(bar);
    window->SetMenuBarWidget(bar);
    UpdateMenus();
}

bool MenuBar::TakesKeysOf(const QWidget* topLevel) const {
    if (IsAttachedTo(topLevel)) {
        return true;
    }
    // Tool windows show no bar, yet its keys act on them; dialogs take none.
    const Window* window = WindowOf(topLevel);
    return attachToDocumentWindows_ && window && window->Frame() == FrameKind::Document;
}

bool MenuBar::IsAttachedTo(const QWidget* topLevel) const {
    return BarIn(topLevel) != nullptr;
}

QMenuBar* MenuBar::BarIn(const QWidget* topLevel) const {
    for (const auto& bar : bars_) {
        if (bar && bar->window() == topLevel) {
            return bar;
        }
    }
    return nullptr;
}

bool MenuBar::OpenFirstMenu(const QWidget* topLevel) {
    QMenuBar* bar = BarIn(topLevel);
    if (!bar) {
        return false;
    }
    EnableMenuItems();
    for (QAction* menu : bar->actions()) {
        if (menu->isEnabled()) {
            bar->setActiveAction(menu);
            break;
        }
    }
    return true;
}

void MenuBar::FillMenu(QMenu* menu, MenuItem* item) {
    menus_.emplace_back(item, menu);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { EnableMenuItems(); });
    for (int i = 0; i < item->Count(); ++i) {
        MenuItem* child = item->Item(i);
        if (child->IsSeparator()) {
            menu->addSeparator();
        } else if (child->Count() > 0) {
            auto* submenu = new QMenu(child->MarkedText(), menu);
            FillMenu(submenu, child);
            menu->addMenu(submenu);
        } else {
            menu->addAction(ActionFor(child));
        }
    }
}

QAction* MenuBar::ActionFor(MenuItem* item) {
    const bool fresh = !item->HasAction();
    QAction* action = item->Action();
    if (fresh) {
        QObject::connect(action, &QAction::triggered, action, [this, item] { Choose(item); });
    }
    return action;
}

void MenuBar::EnableMenuItems() {
    ForEachCommand(this, [](MenuItem* item) {
        const QString name = item->Name();
        bool enabled = item->AutoEnable() && HandlerBound(name);
        if (!enabled && IsPlatformTextCommand(name)) {
            enabled = TextCommandActs(name);
        }
        item->SetEnabled(enabled);
    });
    if (Window* front = Window::Frontmost()) {
        front->Event_EnableMenuItems();
    }
    if (Application* app = Application::Instance()) {
        app->Event_EnableMenuItems();
    }
    UpdateMenus();
}

void MenuBar::UpdateMenus() {
    EnableMenusBelow(this);
    for (const auto& [item, menu] : menus_) {
        if (menu) {
            menu->menuAction()->setEnabled(item->Enabled());
        }
    }
}

bool MenuBar::Choose(MenuItem* item) {
    if (!item) {
        return false;
    }
    const QString name = item->Name();
    if (Window* front = Window::Frontmost(); front && front->HasMenuHandler(name)) {
        return front->RunMenuHandler(name);
    }
    if (Application* app = Application::Instance(); app && app->HasMenuHandler(name)) {
        return app->RunMenuHandler(name);
    }
    if (IsTextCommandName(name)) {
        RunTextCommand(name);
    }
    return false;
}

bool MenuBar::Choose(const QString& name) {
    return Choose(Lookup(name));
}

MenuItem* MenuBar::ItemForShortcut(const QString& keys) const {
    MenuItem* found = nullptr;
    const QKeySequence wanted(keys);
    ForEachCommand(const_cast<MenuBar*>(this), [&](MenuItem* item) {
        if (!found && item->Keys().contains(wanted)) {
            found = item;
        }
    });
    return found;
}

bool MenuBar::KeyPressed(QObject* receiver, QKeyEvent* event) {
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (!widget || !TakesKeysOf(widget->window())) {
        return false;
    }
    if (event->key() == Qt::Key_F10 && !(event->modifiers() & ~Qt::KeypadModifier)) {
        return OpenFirstMenu(widget->window());
    }
    if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        return false;
    }
    MenuItem* item = ItemForShortcut(KeysOf(event));
    if (!item) {
        return false;
    }
    EnableMenuItems();
    if (!item->Enabled()) {
        return true;  // a disabled item's shortcut does nothing
    }
    if (IsPlatformTextCommand(item->Name())) {
        return false;  // the field's own key handling does it
    }
    Choose(item);
    return true;
}

void MenuBar::WidgetShown(QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!attachToDocumentWindows_ || !widget || !widget->isWindow() || IsAttachedTo(widget)) {
        return;
    }
    Window* window = WindowOf(widget);
    if (window && window->MenuBarVisible()) {
        AttachTo(window);
    }
}

void MenuBar::WindowActivated(QObject* widget) {
    auto* topLevel = qobject_cast<QWidget*>(widget);
    if (!topLevel || !topLevel->isWindow() || !IsAttachedTo(topLevel) || passQueued_) {
        return;
    }
    passQueued_ = true;
    QTimer::singleShot(0, passContext_.get(), [this] {
        passQueued_ = false;
        EnableMenuItems();
    });
}

void MenuBar::OpeningMenuBar(QObject* widget) {
    for (const auto& bar : bars_) {
        if (bar && bar == widget) {
            EnableMenuItems();
            return;
        }
    }
}
